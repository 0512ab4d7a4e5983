#include "core/model/ToernooiModel.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "hulp/ModaalVenster.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/indeling/TeamGroep.h"
#include "ui/indeling/TeamLijstLijst.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/kwaliteit/TKwaliteitVenster.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/uitslag/TUitslagenVenster.h"
#include "ui/uitslag/UitslagenModel.h"
#include "ui/uitslag/UitslagenTabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

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
    // Types the two scores of the current match as an organiser does: score, Tab, score,
    // Enter; the commit and a question that waits for it take two passes of the event loop.
    void Typ(const QString& thuis, const QString& uit)
    {
        QApplication::setActiveWindow(&Uitslagen());
        if (!thuis.isEmpty())
            QTest::keyClicks(QApplication::focusWidget(), thuis);
        if (!uit.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), uit);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    int Zoek(QStringView begin)
    {
        const auto& wedstrijden = Uitslagen().Dag()->Wedstrijden();
        for (std::size_t i = 0; i < wedstrijden.size(); ++i)
            if (wedstrijden[i].Tekst.startsWith(begin))
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

// By keyboard in the results window: a corrected poule result that would give the played
// placement match other teams asks first; Annuleren keeps everything, Doorgaan lists the
// played result as lapsed with its teams, and the cursor stays where the organiser types.
TEST_F(Wedstrijddag, ACorrectionThatMovesAPlayedPlacementMatchAsksFirst)
{
    Bouw();
    Uitslagen().Toon();
    Tabel().setFocus();
    const int zevende = Zoek(u"7e&8e:");
    Tabel().GaNaarWedstrijd(zevende);
    Typ(T("3"), T("1"));
    const TDagWedstrijd& gespeeld = Uitslagen().Dag()->Wedstrijden()[std::size_t(zevende)];
    ASSERT_TRUE(gespeeld.Uitslag && gespeeld.Kant1 && gespeeld.Kant2);
    const QString teams = gespeeld.Kant1->TeamNaam + T(" x ") + gespeeld.Kant2->TeamNaam;

    int correctie = -1;
    for (std::size_t i = 0; i < Uitslagen().Dag()->Wedstrijden().size(); ++i) {
        const TDagWedstrijd& w = Uitslagen().Dag()->Wedstrijden()[i];
        if (w.Ronde == 9 && w.Tekst.startsWith(u"E-pupillen A") && w.Uitslag
            && w.Uitslag->Doelpunten1 == 2 && w.Uitslag->Doelpunten2 == 2)
            correctie = int(i);
    }
    ASSERT_GE(correctie, 0);
    const int rijen = Uitslagen().Uitslagen().rowCount();
    const auto score = [this](int rij) {
        return Uitslagen().Uitslagen().index(rij, UitslagenModel::Doelpunten1).data().toString();
    };

    vragen.Nee();
    Tabel().GaNaarWedstrijd(correctie);
    Typ(T("3"), {});
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Doorgaan")});
    EXPECT_TRUE(vragen.Gevraagd[0].Tekst.contains(T("7e&8e: ") + teams));
    EXPECT_EQ(score(correctie), T("2"));
    EXPECT_EQ(score(zevende), T("3"));

    vragen.Ja();
    Tabel().GaNaarWedstrijd(correctie);
    Typ(T("3"), {});
    EXPECT_EQ(score(correctie), T("3"));
    EXPECT_EQ(score(zevende), QString());
    ASSERT_EQ(Uitslagen().Uitslagen().rowCount(), rijen + 2);
    QStringList vervallen;
    for (int rij = rijen; rij < rijen + 2; ++rij)
        vervallen << Uitslagen().Uitslagen().index(rij, UitslagenModel::Namen).data().toString();
    EXPECT_TRUE(vervallen.contains(teams)) << vervallen.join(u'|').toStdString();
    EXPECT_EQ(Tabel().currentIndex().row(), correctie + 1);
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
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

// With the real dialogs: the winner question of a level cross match opens over "Uitslagen",
// not over the main window, and gives the keyboard back to the table, so the next key typed
// opens the next score.
TEST(WedstrijddagMetDialogen, TheWinnerQuestionOpensOverTheResultsAndGivesTheKeyboardBack)
{
    TProgramma programma;
    programma.Start({HalfGespeeld()});
    programma.Form1().show();
    programma.Form1().WedstrijdTab()->Button1()->click();
    TUitslagenVenster& uitslagen = programma.UitslagenVenster();
    uitslagen.Toon();
    QApplication::setActiveWindow(&uitslagen);
    auto& tabel = *uitslagen.findChild<UitslagenTabel*>(QStringLiteral("UitslagenTabel"));
    int zevende = -1;
    for (std::size_t i = 0; i < uitslagen.Dag()->Wedstrijden().size(); ++i)
        if (uitslagen.Dag()->Wedstrijden()[i].Tekst.startsWith(u"7e&8e:"))
            zevende = int(i);
    ASSERT_GE(zevende, 0);
    const TDagWedstrijd& w = uitslagen.Dag()->Wedstrijden()[std::size_t(zevende)];
    ASSERT_TRUE(w.Kant1 && w.Kant2);
    const QString kant1 = w.Kant1->TeamNaam;

    QWidget* vrager = nullptr;
    ModaalVenster::Beantwoord<QMessageBox>([&](QMessageBox& doos) {
        vrager = doos.parentWidget() ? doos.parentWidget()->window() : &doos;
        for (QAbstractButton* knop : doos.buttons()) {
            if (knop->text() == kant1) {
                knop->click();
                return;
            }
        }
        ADD_FAILURE() << "another question: " << doos.text().toStdString();
        doos.reject();
    });

    tabel.GaNaarWedstrijd(zevende);
    tabel.setFocus();
    QTest::keyClicks(&tabel, T("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), T("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The question waits for the editor to close; give a loaded machine time to show it.
    QTRY_VERIFY_WITH_TIMEOUT(vrager != nullptr, 30000);
    QCoreApplication::processEvents();

    EXPECT_EQ(vrager, &uitslagen);
    const TDagWedstrijd& gespeeld = uitslagen.Dag()->Wedstrijden()[std::size_t(zevende)];
    ASSERT_TRUE(gespeeld.Uitslag);
    EXPECT_EQ(gespeeld.Uitslag->Beslist, 1);
    EXPECT_EQ(QApplication::activeWindow(), &uitslagen);
    EXPECT_EQ(tabel.currentIndex().row(), zevende + 1);
    QTest::keyClicks(QApplication::focusWidget(), T("4"));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    EXPECT_TRUE(tabel.isAncestorOf(editor));
    EXPECT_EQ(editor->text(), T("4"));
    QTest::keyClick(editor, Qt::Key_Escape);
}

// Ctrl+Z and Ctrl+Y by real keys: a score cleared in the results window comes back, a team
// deleted in the main window comes back with its place, and undone to the state of the file
// the program quits without asking.
TEST_F(Wedstrijddag, CtrlZBringsBackAClearedScoreAndADeletedTeam)
{
    Bouw();
    Uitslagen().Toon();
    int gespeeld = -1;
    const auto& wedstrijden = Uitslagen().Dag()->Wedstrijden();
    for (std::size_t i = 0; i < wedstrijden.size() && gespeeld < 0; ++i)
        if (wedstrijden[i].Uitslag && !wedstrijden[i].IsKruis())
            gespeeld = int(i);
    ASSERT_GE(gespeeld, 0);
    const TUitslag voor = *wedstrijden[std::size_t(gespeeld)].Uitslag;
    Tabel().GaNaarWedstrijd(gespeeld);
    Tabel().setFocus();
    Toets(Tabel(), Qt::Key_Delete);
    QCoreApplication::processEvents();
    ASSERT_FALSE(Uitslagen().Dag()->Wedstrijden()[std::size_t(gespeeld)].Uitslag);
    EXPECT_TRUE(Hoofd().Model().Gewijzigd());

    Toets(Uitslagen(), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const auto& terug = Uitslagen().Dag()->Wedstrijden()[std::size_t(gespeeld)].Uitslag;
    ASSERT_TRUE(terug);
    EXPECT_EQ(terug->Doelpunten1, voor.Doelpunten1);
    EXPECT_EQ(terug->Doelpunten2, voor.Doelpunten2);
    EXPECT_FALSE(Hoofd().Model().Gewijzigd());
    Toets(Uitslagen(), Qt::Key_Y, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Uitslagen().Dag()->Wedstrijden()[std::size_t(gespeeld)].Uitslag);
    Toets(Uitslagen(), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();

    // The main window: the first team of the list deleted, and back by Ctrl+Z.
    const std::size_t teams = Hoofd().Model().TeamLijst().size();
    TTeamDetails* team = Hoofd().Model().TeamLijst().front().get();
    const QString naam = team->TeamNaam;
    Hoofd().Teams()->TeamLijst()->Selecteer(team);
    vragen.Ja();
    Hoofd().Teams()->TeamVerwijderen()->click();
    QCoreApplication::processEvents();
    ASSERT_EQ(Hoofd().Model().TeamLijst().size(), teams - 1);
    auto* bewerken = Hoofd().findChild<QAction*>(QStringLiteral("Ongedaan1"));
    ASSERT_TRUE(bewerken);
    EXPECT_EQ(bewerken->text(), T("&Ongedaan maken: teams verwijderen"));
    Hoofd().Teams()->TeamLijst()->setFocus();
    Toets(Hoofd(), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    ASSERT_EQ(Hoofd().Model().TeamLijst().size(), teams);
    EXPECT_EQ(Hoofd().Model().TeamLijst().front()->TeamNaam, naam);
    EXPECT_FALSE(Hoofd().Model().Gewijzigd());

    // Nothing unsaved: Ctrl+Q asks nothing.
    const int gevraagd = int(vragen.Gevraagd.size());
    Toets(Hoofd(), Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(int(vragen.Gevraagd.size()), gevraagd);
    EXPECT_FALSE(Hoofd().isVisible());
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
}
