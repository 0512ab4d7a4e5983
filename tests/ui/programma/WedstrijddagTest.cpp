#include "hulp/VensterVraagsteller.h"
#include "instellingen/WedstrijdDetailsTab.h"
#include "kwaliteit/TKwaliteitVenster.h"
#include "model/ToernooiModel.h"
#include "programma/TForm1.h"
#include "programma/TProgramma.h"
#include "schema/TWedstrijdSchema.h"
#include "uitslag/TUitslagenVenster.h"
#include "uitslag/TWedstrijdDag.h"
#include "uitslag/UitslagenModel.h"
#include "uitslag/UitslagenTabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString T(const char* tekst) { return QString::fromUtf8(tekst); }
QString HalfGespeeld() { return QStringLiteral(RONDOPLAN_WEDSTRIJDDAG); }

// The half-played example in the whole program, as the organiser opens it: loaded, the
// schedule built with the button, the results window open on the first match without result.
struct Wedstrijddag : ::testing::Test
{
    Wedstrijddag() : programma(std::make_unique<TProgramma>(&vragen))
    {
        programma->Start({HalfGespeeld()});
        Hoofd().show();
    }

    TForm1& Hoofd() { return programma->Form1(); }
    TUitslagenVenster& Uitslagen() { return programma->UitslagenVenster(); }
    UitslagenTabel& Tabel()
    {
        return *Uitslagen().findChild<UitslagenTabel*>(QStringLiteral("UitslagenTabel"));
    }
    void Bouw() { Hoofd().WedstrijdTab()->Button1()->click(); }
    int EersteOngespeelde()
    {
        const auto& wedstrijden = Uitslagen().Dag()->Wedstrijden();
        for (std::size_t i = 0; i < wedstrijden.size(); ++i)
            if (!wedstrijden[i].Uitslag && !wedstrijden[i].IsKruis())
                return int(i);
        return -1;
    }
    void Toets(QWidget& venster, Qt::Key toets, Qt::KeyboardModifiers extra = Qt::NoModifier)
    {
        // The offscreen platform does not always pass activation on; shortcuts need it.
        QApplication::setActiveWindow(&venster);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &venster,
                        toets, extra);
    }

    VensterVraagsteller vragen;
    std::unique_ptr<TProgramma> programma;
};

} // namespace

// Leaving the program while a score is still being typed: every window goes before the
// schedule and the model it shows (under AddressSanitizer a window reading what was already
// freed ends the test).
TEST_F(Wedstrijddag, LeavingWhileAScoreIsTypedReadsNothingFreed)
{
    Bouw();
    Uitslagen().Toon();
    QApplication::setActiveWindow(&Uitslagen());
    const int rij = EersteOngespeelde();
    ASSERT_GE(rij, 0);
    Tabel().GaNaarWedstrijd(rij);
    Tabel().setFocus();
    QTest::keyClicks(&Tabel(), T("3"));
    ASSERT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    vragen.Nee();
    Hoofd().close();
    programma.reset();
    SUCCEED();
}

// The results window follows the schedule; Ctrl+S, Ctrl+Q and Ctrl+P work in the windows the
// organiser works in, and a caption shows unsaved changes.
TEST_F(Wedstrijddag, TheWorkingWindowsFollowTheScheduleAndShareTheFileKeys)
{
    // Before a build the results window says how to get a schedule; Ctrl+P says there is
    // nothing to print yet.
    Uitslagen().Toon();
    auto* geenSchema = Uitslagen().findChild<QLabel*>(QStringLiteral("GeenSchema"));
    ASSERT_TRUE(geenSchema);
    EXPECT_TRUE(geenSchema->isVisible());
    EXPECT_TRUE(geenSchema->text().contains(T("Bouw toernooi schema")));
    Toets(Uitslagen(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Melding")});
    EXPECT_EQ(vragen.Gevraagd[0].Titel, T("Printen"));

    // A build shows up in the open window without choosing the menu again.
    Bouw();
    ASSERT_TRUE(Uitslagen().Dag());
    EXPECT_FALSE(geenSchema->isVisible());
    EXPECT_EQ(Hoofd().windowTitle(), T("Rondoplan (Jeugdtoernooi De Sprinters)"));
    EXPECT_EQ(Uitslagen().windowTitle(), T("Uitslagen"));

    // A score entered marks every caption.
    const int rij = EersteOngespeelde();
    Tabel().GaNaarWedstrijd(rij);
    Tabel().setFocus();
    QApplication::setActiveWindow(&Uitslagen());
    QTest::keyClicks(&Tabel(), T("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), T("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_TRUE(Uitslagen().Dag()->Wedstrijden()[std::size_t(rij)].Uitslag);
    for (QWidget* venster : std::initializer_list<QWidget*>{&Hoofd(), &Uitslagen(),
                                                             &programma->WedstrijdSchema(),
                                                             &programma->Kwaliteit()}) {
        EXPECT_TRUE(venster->isWindowModified()) << venster->objectName().toStdString();
        EXPECT_TRUE(venster->windowTitle().endsWith(T("[*]")));
    }

    // Ctrl+S in the results window saves to the open file's name; the marks go.
    QTemporaryDir map;
    const QString pad = map.filePath(T("jeugdtoernooi-wedstrijddag.trn"));
    vragen.Gevraagd.clear();
    vragen.Bestand(pad);
    Toets(Uitslagen(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Opslaan")});
    EXPECT_EQ(vragen.Gevraagd[0].Extra, T("jeugdtoernooi-wedstrijddag.trn"));
    EXPECT_FALSE(Hoofd().Model().Gewijzigd());
    EXPECT_EQ(Uitslagen().windowTitle(), T("Uitslagen"));
    EXPECT_EQ(Hoofd().windowTitle(), T("Rondoplan (Jeugdtoernooi De Sprinters)"));

    // Ctrl+Q in the schedule window leaves the program; with a change it asks first, and
    // Annuleren stays.
    Hoofd().Model().ZetDuurWedstrijd(25);
    vragen.Gevraagd.clear();
    vragen.Annuleren();
    Toets(programma->WedstrijdSchema(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(vragen.Soorten(), QStringList{T("JaNeeAnnuleren")});
    EXPECT_TRUE(Hoofd().isVisible());
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
}
