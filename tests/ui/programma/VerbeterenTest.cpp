#include "core/document/ToernooiDocument.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/verbeteren/HandVerplaatsing.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/schema/SchemaTekstVeld.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/uitslag/TUitslagenVenster.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The half-played example with its schedule built, the schedule window in front.
struct VerbeterVenster : ::testing::Test
{
    VerbeterVenster()
    {
        programma.Start({QStringLiteral(RONDOPLAN_WEDSTRIJDDAG)});
        programma.Form1().show();
        programma.Form1().WedstrijdTab()->Button1()->click();
        vragen.Gevraagd.clear();
    }
    ToernooiDocument& Document() { return programma.Form1().Document(); }
    TWedstrijdSchema& Venster() { return programma.WedstrijdSchema(); }
    void KlikVerbeteren()
    {
        QTest::mouseClick(Venster().findChild<QPushButton*>(T("VerbeterKnop")), Qt::LeftButton);
    }
    // Each match of the results window with its result, in a fixed order.
    QStringList Uitslagen()
    {
        QStringList regels;
        for (const TDagWedstrijd& w : programma.UitslagenVenster().Dag()->Wedstrijden()) {
            if (w.Uitslag)
                regels << T("%1 %2: %3-%4").arg(w.Tekst).arg(w.Uitslag->Keer).arg(w.Uitslag->Doelpunten1).arg(w.Uitslag->Doelpunten2);
        }
        regels.sort();
        return regels;
    }

    // The view's line that shows a slot, or -1.
    int Regel(TVak vak)
    {
        const QStringList& regels = Venster().Weergave().Regels();
        for (int i = 0; i < regels.size(); ++i) {
            if (const auto v = Venster().Weergave().Vak(i); v && v->first == vak.Ronde && v->second == vak.Veld)
                return i;
        }
        return -1;
    }
    // Clicks a slot's line, with Ctrl to add it to the chosen line.
    void Klik(TVak vak, Qt::KeyboardModifiers toetsen = {})
    {
        SchemaTekstVeld* veld = Venster().findChild<SchemaTekstVeld*>(T("RichEdit1"));
        const int regel = Regel(vak);
        ASSERT_GE(regel, 0);
        veld->verticalScrollBar()->setValue(veld->RegelBoven(regel));
        const QPoint punt(40, veld->RegelBoven(regel) - veld->verticalScrollBar()->value() + 2);
        QTest::mouseClick(veld->viewport(), Qt::LeftButton, toetsen, punt);
    }
    // The clock times the view shows for a round, on the line under "Ronde <n>".
    QString RondeTijd(int ronde)
    {
        const QStringList& regels = Venster().Weergave().Regels();
        for (int i = 0; i + 1 < regels.size(); ++i) {
            if (regels[i].startsWith(T("Ronde %1 ").arg(ronde)))
                return regels[i + 1].left(13);
        }
        return {};
    }
    // Drags one slot's line onto another's with the left mouse button.
    void Sleep(TVak van, TVak naar)
    {
        SchemaTekstVeld* veld = Venster().findChild<SchemaTekstVeld*>(T("RichEdit1"));
        const auto punt = [veld](int regel) {
            veld->verticalScrollBar()->setValue(veld->RegelBoven(regel));
            return QPoint(40, veld->RegelBoven(regel) - veld->verticalScrollBar()->value() + 2);
        };
        const int a = Regel(van);
        const int b = Regel(naar);
        ASSERT_GE(a, 0);
        ASSERT_GE(b, 0);
        QTest::mousePress(veld->viewport(), Qt::LeftButton, {}, punt(a));
        QTest::mouseMove(veld->viewport(), punt(b));
        QTest::mouseRelease(veld->viewport(), Qt::LeftButton, {}, punt(b));
    }

    VensterVraagsteller vragen;
    TProgramma programma{&vragen};
};

} // namespace

// "Verbeteren" by mouse: with half the matches played only the fields can be spread better,
// and the box says so with the figures that stay; every result still on its match; Ctrl+Z in the schedule window takes it back, "Terug naar het eigen schema"
// too.
TEST_F(VerbeterVenster, TheButtonImprovesKeepsEveryResultAndUndoTakesItBack)
{
    ASSERT_TRUE(Venster().isVisible());
    const QStringList uitslagen = Uitslagen();
    KlikVerbeteren();
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Melding")});
    EXPECT_EQ(vragen.Gevraagd[0].Titel, T("Verbeteren"));
    EXPECT_EQ(vragen.Gevraagd[0].Tekst, T("De teams zijn beter over de velden verdeeld. Het aantal ronden (12), de "
                                          "wedstrijden direct na elkaar (8) en de langste wachttijd (3 ronden) "
                                          "blijven gelijk."));
    EXPECT_NE(Document().Schema(), Document().EigenSchema());
    EXPECT_FALSE(Document().Model().SchemaIndeling().Leeg());
    EXPECT_EQ(Uitslagen(), uitslagen);

    QApplication::setActiveWindow(&Venster());
    QTest::keyClick(&Venster(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Document().Schema(), Document().EigenSchema());
    EXPECT_TRUE(Document().Model().SchemaIndeling().Leeg());
    QTest::keyClick(&Venster(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(Document().Schema(), Document().EigenSchema());

    Venster().findChild<QAction*>(T("EigenSchema1"))->trigger();
    EXPECT_EQ(Document().Schema(), Document().EigenSchema());
    EXPECT_EQ(Uitslagen(), uitslagen);
}

// "Annuleren" in the progress window stops the improvement: nothing changes, no message.
TEST_F(VerbeterVenster, CancellingChangesNothing)
{
    const TSchemaBoom voor = Document().Schema();
    QTimer::singleShot(0, [] {
        if (QWidget* voortgang = QApplication::activeModalWidget())
            QTest::mouseClick(voortgang->findChild<QPushButton*>(T("Annuleren")), Qt::LeftButton);
    });
    KlikVerbeteren();
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());
    EXPECT_EQ(Document().Schema(), voor);
    EXPECT_TRUE(Document().Model().SchemaIndeling().Leeg());
}

// A match dragged by mouse: a played one is refused with the reason, an allowed swap is done,
// kept and taken back by Ctrl+Z.
TEST_F(VerbeterVenster, DraggingAMatchRefusesABrokenRuleAndMovesOtherwise)
{
    const TSchemaBoom eigen = Document().Schema();
    // The first match is played in the half-played example.
    Sleep({1, 1}, {2, 1});
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Melding")});
    EXPECT_EQ(vragen.Gevraagd[0].Titel, T("Fout"));
    EXPECT_TRUE(vragen.Gevraagd[0].Tekst.contains(T("is al gespeeld"))) << vragen.Gevraagd[0].Tekst.toStdString();
    EXPECT_EQ(Document().Schema(), eigen);

    // The first swap of two fields in one round that the rules allow.
    const ToernooiModel& model = Document().Model();
    TVak van;
    TVak naar;
    for (const TSchemaRonde& ronde : eigen.Ronden) {
        const int velden = int(ronde.Velden.size());
        for (int a = 1; a <= velden && naar.Ronde == 0; ++a) {
            for (int b = a + 1; b <= velden && naar.Ronde == 0; ++b) {
                if (WisselVakken(model, eigen, model.Uitslagen(), {ronde.Ronde, a}, {ronde.Ronde, b}).Gelukt()) {
                    van = {ronde.Ronde, a};
                    naar = {ronde.Ronde, b};
                }
            }
        }
    }
    ASSERT_GT(naar.Ronde, 0);
    vragen.Gevraagd.clear();
    Sleep(van, naar);
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());
    EXPECT_NE(Document().Schema(), eigen);
    EXPECT_FALSE(model.SchemaIndeling().Leeg());
    QApplication::setActiveWindow(&Venster());
    QTest::keyClick(&Venster(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Document().Schema(), eigen);
}

// Two matches chosen by mouse (a click, then Ctrl and a click) change places by "Wisselen";
// with fewer than two chosen it says how to choose.
TEST_F(VerbeterVenster, WisselenSwapsTheTwoChosenMatches)
{
    const TSchemaBoom eigen = Document().Schema();
    Venster().findChild<QAction*>(T("Wisselen1"))->trigger();
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Melding")});
    EXPECT_EQ(vragen.Gevraagd[0].Titel, T("Wisselen"));
    vragen.Gevraagd.clear();

    const ToernooiModel& model = Document().Model();
    TVak van;
    TVak naar;
    // The first swap of two matches in different rounds that the rules allow.
    for (const TSchemaRonde& ronde : eigen.Ronden) {
        for (const TSchemaRonde& andere : eigen.Ronden) {
            for (int a = 1; a <= int(ronde.Velden.size()) && andere.Ronde > ronde.Ronde; ++a) {
                for (int b = 1; b <= int(andere.Velden.size()) && naar.Ronde == 0; ++b) {
                    if (Regel({andere.Ronde, b}) >= 0
                        && WisselVakken(model, eigen, model.Uitslagen(), {ronde.Ronde, a}, {andere.Ronde, b}).Gelukt()) {
                        van = {ronde.Ronde, a};
                        naar = {andere.Ronde, b};
                    }
                }
            }
        }
    }
    ASSERT_GT(naar.Ronde, 0);
    Klik(van);
    Klik(naar, Qt::ControlModifier);
    Venster().findChild<QAction*>(T("Wisselen1"))->trigger();
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());
    const auto tekst = [](const TSchemaBoom& schema, TVak vak) {
        // The match without its "Veld n: ".
        return schema.Ronden[std::size_t(vak.Ronde - 1)].Velden[std::size_t(vak.Veld - 1)].Tekst.section(T(": "), 1);
    };
    EXPECT_EQ(tekst(Document().Schema(), van), tekst(eigen, naar));
    EXPECT_EQ(tekst(Document().Schema(), naar), tekst(eigen, van));
}

// "Uitloop...": offered for the round of the chosen line; that round and the later ones of its
// day start later in the view, the rounds before it do not; Ctrl+Z takes it back.
TEST_F(VerbeterVenster, UitloopMovesTheRestOfTheDayAndUndoTakesItBack)
{
    const QString ronde2 = RondeTijd(2);
    const QString ronde3 = RondeTijd(3);
    ASSERT_EQ(ronde3, T("09:40 - 09:55"));
    Klik({3, 1});
    vragen.Uitlopen.append(TUitloopRegel{3, 15});
    Venster().findChild<QAction*>(T("Uitloop1"))->trigger();
    ASSERT_EQ(vragen.Soorten(), QStringList{T("Uitloop")});
    EXPECT_EQ(vragen.Gevraagd[0].Tekst, T("3"));
    EXPECT_EQ(RondeTijd(2), ronde2);
    EXPECT_EQ(RondeTijd(3), T("09:55 - 10:10"));
    EXPECT_EQ(Document().Model().Uitloop(), (TUitloop{{3, 15}}));
    EXPECT_TRUE(Document().Model().Gewijzigd());

    QApplication::setActiveWindow(&Venster());
    QTest::keyClick(&Venster(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Document().Model().Uitloop().isEmpty());
    EXPECT_EQ(RondeTijd(3), ronde3);
}
