#include "core/model/TPoule.h"
#include "core/model/TPouleDetails.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "hulp/ModaalVenster.h"
#include "hulp/SchemaDocument.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/PrintRun.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/uitslag/StandModel.h"
#include "ui/uitslag/TUitslagenVenster.h"
#include "ui/uitslag/UitslagenModel.h"
#include "ui/uitslag/UitslagenTabel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

// Two linked poules of two teams: each plays one own match, then the cross matches.
struct UitslagenVensterTest : ::testing::Test, SchemaDocument
{
    UitslagenVensterTest()
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 2), TCompetitieType::HalveCompetitie, 2},
                              {"B", TeamReeks(3, 4), TCompetitieType::HalveCompetitie, 1}});
        model.ZetToernooiNaam(T("Zomer"));
        Bouw();
        model.ZetGewijzigd(false);
        venster.Toon();
        QApplication::setActiveWindow(&venster);
        Tabel().setFocus();
    }

    UitslagenTabel& Tabel() { return *venster.findChild<UitslagenTabel*>(QStringLiteral("UitslagenTabel")); }
    const TDagWedstrijd& Wedstrijd(int rij) { return venster.Dag()->Wedstrijden()[std::size_t(rij)]; }
    int EersteKruis()
    {
        for (int i = 0; i < int(venster.Dag()->Wedstrijden().size()); ++i)
            if (Wedstrijd(i).IsKruis())
                return i;
        return -1;
    }
    // Types the two scores of the current match as an organiser does: score, Tab, score, Enter.
    void Typ(const char* thuis, const char* uit)
    {
        QTest::keyClicks(&Tabel(), QString::fromUtf8(thuis));
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QTest::keyClicks(Focus(), QString::fromUtf8(uit));
        Enter();
    }
    // Enter in an editor commits on the next pass of the event loop; a question about the
    // score waits one pass more, until the editor has closed.
    void Enter()
    {
        QTest::keyClick(Focus(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QWidget* Focus()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : &Tabel();
    }

    VensterVraagsteller vragen;
    TUitslagenVenster venster{document, vragen};
    QAbstractItemModelTester toetsUitslagen{&venster.Uitslagen(),
                                            QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester toetsStand{&venster.Stand(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST_F(UitslagenVensterTest, ScoresAreEnteredChangedAndClearedByKeyboard)
{
    ASSERT_TRUE(venster.Dag());
    ASSERT_EQ(Tabel().currentIndex().column(), int(UitslagenModel::Doelpunten1));
    ASSERT_EQ(Tabel().currentIndex().row(), 0);
    Typ("3", "1");
    ASSERT_EQ(model.Uitslagen().Lijst().size(), 1u);
    EXPECT_EQ(model.Uitslagen().Lijst()[0].Doelpunten1, 3);
    EXPECT_EQ(model.Uitslagen().Lijst()[0].Doelpunten2, 1);
    EXPECT_EQ(model.Uitslagen().Lijst()[0].Wedstrijd, Wedstrijd(0).Tekst);
    EXPECT_TRUE(model.Gewijzigd());
    // Enter went on to the next match; the standings show the win.
    EXPECT_EQ(Tabel().currentIndex().row(), 1);
    const int poule = Wedstrijd(0).Poule;
    EXPECT_EQ(venster.Dag()->Stand(poule).Regels.front().Punten, 3);
    EXPECT_EQ(venster.Stand().index(1, 8).data().toInt(), poule == 0 ? 3 : 0);

    // Change: back to the first match, a new home score replaces the old one.
    QTest::keyClick(&Tabel(), Qt::Key_Up);
    QTest::keyClicks(&Tabel(), T("1"));
    Enter();
    EXPECT_EQ(model.Uitslagen().Lijst().at(0).Doelpunten1, 1);
    EXPECT_EQ(venster.Uitslagen().index(0, UitslagenModel::Doelpunten1).data().toString(), T("1"));

    // One field cleared leaves no result; both cleared, nothing is left at all.
    Tabel().GaNaarWedstrijd(0);
    QTest::keyClick(&Tabel(), Qt::Key_Delete);
    EXPECT_TRUE(model.Uitslagen().Leeg());
    EXPECT_EQ(venster.Uitslagen().index(0, UitslagenModel::Doelpunten2).data().toString(), T("1"));
    QTest::keyClick(&Tabel(), Qt::Key_Right);
    QTest::keyClick(&Tabel(), Qt::Key_Delete);
    EXPECT_TRUE(venster.Uitslagen().index(0, UitslagenModel::Doelpunten2).data().toString().isEmpty());
    EXPECT_TRUE(model.Uitslagen().Leeg());
    // Letters never become a score.
    QTest::keyClicks(&Tabel(), T("x"));
    Enter();
    EXPECT_TRUE(model.Uitslagen().Leeg());
    EXPECT_TRUE(vragen.Fouten.isEmpty());
}

TEST_F(UitslagenVensterTest, ALevelCrossMatchAsksWhoWonAndLapsedResultsStayListed)
{
    Typ("2", "0");
    Typ("1", "0");
    const int kruis = EersteKruis();
    ASSERT_GE(kruis, 2);
    // Both poules are final: the cross match names the teams beside its placeholders.
    EXPECT_FALSE(venster.Uitslagen().index(kruis, UitslagenModel::Namen).data().toString().isEmpty());

    vragen.Winnaars = {2};
    Tabel().GaNaarWedstrijd(kruis);
    Typ("1", "1");
    ASSERT_EQ(vragen.Soorten().count(T("Winnaar")), 1);
    EXPECT_EQ(Wedstrijd(kruis).Uitslag->Beslist, 2);
    EXPECT_EQ(Wedstrijd(kruis).Winnaar, 2);
    EXPECT_EQ(venster.Uitslagen().index(kruis, UitslagenModel::Doelpunten2).data().toString(), T("1*"));

    // No answer yet: the level score is kept, the winner stays unknown.
    Tabel().GaNaarWedstrijd(kruis);
    Typ("2", "2");
    EXPECT_EQ(vragen.Soorten().count(T("Winnaar")), 2);
    EXPECT_EQ(Wedstrijd(kruis).Uitslag->Beslist, 0);
    EXPECT_EQ(Wedstrijd(kruis).Winnaar, 0);

    // A result of a match the schedule no longer has is listed as lapsed, below the matches.
    model.WijzigUitslagen([](TUitslagen& u) { return u.Zet({1, 4, 4, 0, T("A : T1 x T9")}); });
    const int rijen = venster.Uitslagen().rowCount();
    EXPECT_EQ(rijen, int(venster.Dag()->Wedstrijden().size()) + 1);
    EXPECT_EQ(venster.Uitslagen().index(rijen - 1, UitslagenModel::Ronde).data().toString(), T("vervallen"));
    EXPECT_FALSE(venster.Uitslagen().flags(venster.Uitslagen().index(rijen - 1, UitslagenModel::Doelpunten1))
                 & Qt::ItemIsEditable);
}

TEST_F(UitslagenVensterTest, PointsSettingAndPrintOptions)
{
    Typ("1", "1");
    venster.findChild<QSpinBox*>(QStringLiteral("PuntenGelijk"))->setValue(2);
    EXPECT_EQ(model.Uitslagen().Punten().Gelijk, 2);
    EXPECT_EQ(venster.Dag()->Stand(Wedstrijd(0).Poule).Regels.front().Punten, 2);

    HuidigePrinter printer;
    TWedstrijdSchema schema{document, printer, vragen};
    TPrintSetup dialoog{model, printer};
    dialoog.FormShow();
    auto* namen = dialoog.findChild<QCheckBox*>(QStringLiteral("NamenInvullen"));
    EXPECT_TRUE(namen->isEnabled());
    EXPECT_TRUE(namen->isChecked());
    EXPECT_TRUE(dialoog.Keuzes().NamenInvullen);

    // Printed as PDF files: the results job comes last and is titled after the tournament.
    QTemporaryDir map;
    vragen.Mappen.append(map.path());
    PrintRun run{document, printer, dialoog, schema, vragen};
    ModaalVenster::Beantwoord<TPrintSetup>([](TPrintSetup& d) {
        auto* lijst = d.findChild<QComboBox*>(QStringLiteral("PrinterLijst"));
        lijst->setCurrentIndex(lijst->findText(TPrintSetup::PdfBestand));
        emit lijst->activated(lijst->currentIndex());
        d.findChild<QCheckBox*>(QStringLiteral("UitslagenEnStand"))->setChecked(true);
        d.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    EXPECT_EQ(run.Print1Click(), 2);
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{T("Rondoplan. Schema. Zomer.pdf"), T("Rondoplan. Uitslagen. Zomer.pdf")}));

    // Without results the names box is off and the choices are as before.
    Tabel().GaNaarWedstrijd(0);
    QTest::keyClick(&Tabel(), Qt::Key_Delete);
    QTest::keyClick(&Tabel(), Qt::Key_Right);
    QTest::keyClick(&Tabel(), Qt::Key_Delete);
    ASSERT_TRUE(model.Uitslagen().Lijst().empty());
    dialoog.FormShow();
    EXPECT_FALSE(namen->isEnabled());
    EXPECT_FALSE(dialoog.Keuzes().NamenInvullen);
}

TEST_F(UitslagenVensterTest, TheLotOrderOfATieIsSetByMovingATeam)
{
    Typ("1", "1");
    const int poule = Wedstrijd(0).Poule;
    const QString naam = model.PouleLijst()[std::size_t(poule)]->Details->PouleNaam;
    model.ZetGewijzigd(false);
    auto* tabs = venster.findChild<QTabWidget*>();
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    ASSERT_EQ(tabs->currentIndex(), 1);

    auto* tabel = venster.findChild<QTableView*>(QStringLiteral("StandTabel"));
    auto* hoger = venster.findChild<QPushButton*>(QStringLiteral("LotingHoger"));
    auto* lager = venster.findChild<QPushButton*>(QStringLiteral("LotingLager"));
    auto klik = [&](int regel) {
        const QModelIndex cel = venster.Stand().index(venster.Stand().Rij(poule, regel), 1);
        QTest::mouseClick(tabel->viewport(), Qt::LeftButton, {}, tabel->visualRect(cel).center());
        return cel;
    };
    const QModelIndex tweede = klik(1);
    const QString team = tweede.data().toString();
    EXPECT_EQ(venster.Stand().index(tweede.row(), 9).data().toString(), T("gelijk"));
    EXPECT_TRUE(hoger->isEnabled());
    EXPECT_FALSE(lager->isEnabled());

    QTest::mouseClick(hoger, Qt::LeftButton);
    const QModelIndex eerste = venster.Stand().index(tweede.row() - 1, 1);
    EXPECT_EQ(eerste.data().toString(), team);
    EXPECT_EQ(tabel->currentIndex().row(), eerste.row());
    EXPECT_TRUE(venster.Stand().index(eerste.row(), 9).data().toString().isEmpty());
    EXPECT_TRUE(venster.Stand().index(tweede.row(), 9).data().toString().isEmpty());
    EXPECT_EQ(model.Uitslagen().Loting(naam, 2), (QList<int>{2, 1}));
    EXPECT_TRUE(model.Gewijzigd());

    // The lot can be changed back; a team without an equal neighbour does not move.
    EXPECT_FALSE(hoger->isEnabled());
    QTest::mouseClick(lager, Qt::LeftButton);
    EXPECT_EQ(venster.Stand().index(tweede.row(), 1).data().toString(), team);
    EXPECT_EQ(model.Uitslagen().Loting(naam, 2), (QList<int>{1, 2}));
    Tabel().GaNaarWedstrijd(0);
    QTest::keyClicks(&Tabel(), T("2"));
    Enter();
    klik(0);
    EXPECT_FALSE(hoger->isEnabled());
    EXPECT_FALSE(lager->isEnabled());
}
