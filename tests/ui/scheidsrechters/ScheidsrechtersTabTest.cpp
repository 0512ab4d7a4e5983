#include "core/document/ToernooiDocument.h"
#include "core/scheidsrechters/HandToewijzing.h"
#include "hulp/ModaalVenster.h"
#include "hulp/TekstOpname.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/afdruk/TVoorbeeldVenster.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/scheidsrechters/ScheidsrechtersTab.h"
#include "ui/scheidsrechters/ToewijzingModel.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionGraphicsItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The example tournament with its schedule built, the tab "Scheidsrechters" chosen by mouse.
struct ScheidsTab : ::testing::Test
{
    ScheidsTab()
    {
        programma.Start({QStringLiteral(RONDOPLAN_VOORBEELD)});
        Form().show();
        Form().WedstrijdTab()->Button1()->click();
        QTabBar* tabs = Form().Tabs()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        vragen.Gevraagd.clear();
    }
    TForm1& Form() { return programma.Form1(); }
    ToernooiDocument& Document() { return Form().Document(); }
    ScheidsrechtersTab& Tab() { return *Form().ScheidsTab(); }
    const TScheidsrechters& Regels() { return Document().Model().Scheidsrechters(); }

    // A match's row chosen with a click on its referee cell.
    void KiesRij(int rij)
    {
        QTableView* tabel = Tab().Tabel();
        const QModelIndex cel = tabel->model()->index(rij, ToewijzingModel::Scheidsrechter);
        tabel->scrollTo(cel);
        QTest::mouseClick(tabel->viewport(), Qt::LeftButton, {}, tabel->visualRect(cel).center());
    }
    // An entry of a drop-down list chosen as by keyboard: the list opened, moved to the entry,
    // Enter. Only the entry itself is chosen, none on the way.
    static void Kies(QComboBox* keuze, int plek)
    {
        keuze->showPopup();
        QAbstractItemView* lijst = keuze->view();
        QTest::keyClick(lijst, Qt::Key_Home);
        for (int i = 0; i < plek; ++i)
            QTest::keyClick(lijst, Qt::Key_Down);
        QTest::keyClick(lijst, Qt::Key_Return);
    }
    QString Melding()
    {
        const auto berichten = vragen.Berichten();
        vragen.Gevraagd.clear();
        return berichten.isEmpty() ? QString() : berichten.last().Tekst;
    }

    VensterVraagsteller vragen;
    TProgramma programma{&vragen};
};

} // namespace

// The whole tab by mouse and keyboard: nothing to assign without referees; every team as a
// referee, "Toewijzen" fills every match and the schedule window shows them; a team chosen by
// hand for its own match is refused with the reason; a referee that keeps the rules is taken,
// and Ctrl+Z takes it back.
TEST_F(ScheidsTab, AssignAndChangeByHandWithTheRulesChecked)
{
    ASSERT_TRUE(Tab().isVisible());
    QTest::mouseClick(Tab().ToewijzenKnop(), Qt::LeftButton);
    EXPECT_EQ(Melding(), T("Kies eerst wie er fluiten: teams of scheidsrechters met naam."));

    Kies(Tab().findChild<QComboBox*>(T("TeamsKeuze")), 1);
    ASSERT_EQ(Regels().Teams, TScheidsTeams::Alle);
    QTest::mouseClick(Tab().ToewijzenKnop(), Qt::LeftButton);
    EXPECT_EQ(Melding(), QString());
    const int wedstrijden = Tab().TabelModel()->rowCount();
    ASSERT_GT(wedstrijden, 10);
    EXPECT_EQ(Document().Scheidsrechters().Toewijzingen.size(), wedstrijden);
    EXPECT_EQ(Tab().Stand()->text(), T("Elke wedstrijd heeft een scheidsrechter."));
    EXPECT_EQ(programma.WedstrijdSchema().Weergave().Regels().filter(T("Scheidsrechter: ")).size(), wedstrijden);

    KiesRij(0);
    const ToewijzingModel::TRij rij = Tab().TabelModel()->Rijen()[0];
    QComboBox* hand = Tab().HandKeuze();
    ASSERT_EQ(hand->currentData().toString(), rij.Naam);
    int speler = -1;
    int vrij = -1;
    for (int i = 1; i < hand->count(); ++i) {
        const QString naam = hand->itemData(i).toString();
        if (naam == rij.Naam)
            continue;
        if (speler < 0 && rij.Tekst.contains(naam + u' '))
            speler = i;
        const auto wijziging = WijzigScheidsrechter(Document().Model(), Document().Schema(), Regels(),
                                                    Regels().Toewijzingen, {rij.Ronde, rij.Veld, rij.Keer, rij.Tekst, naam});
        if (vrij < 0 && !wijziging.Breuk)
            vrij = i;
    }
    ASSERT_GE(speler, 0);
    ASSERT_GE(vrij, 0);

    const TScheidsrechters voor = Regels();
    Kies(hand, speler);
    const QString team = hand->itemData(speler).toString();
    EXPECT_EQ(Melding(), T("%1 kan %2 niet fluiten: %1 speelt zelf in ronde %3.").arg(team, rij.Tekst).arg(rij.Ronde));
    EXPECT_EQ(Regels(), voor);
    EXPECT_EQ(hand->currentData().toString(), rij.Naam);

    const QString nieuw = hand->itemData(vrij).toString();
    Kies(hand, vrij);
    EXPECT_EQ(Melding(), QString());
    EXPECT_EQ(Regels().Naam(rij.Ronde, rij.Veld, rij.Keer, rij.Tekst), nieuw);
    EXPECT_EQ(Tab().TabelModel()->Rijen()[0].Naam, nieuw);
    EXPECT_TRUE(Document().Scheidsrechters().Open.isEmpty());

    QApplication::processEvents(); // the change closes as one step
    QApplication::setActiveWindow(&Form());
    QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Regels(), voor);
    EXPECT_EQ(Tab().TabelModel()->Rijen()[0].Naam, rij.Naam);
}

// The referee notes in the print preview carry the names of the referees after
// "Scheidsechter:"; the referees' own printout is offered once they are assigned.
TEST_F(ScheidsTab, ThePreviewOfTheNotesNamesTheReferees)
{
    TScheidsrechters regels;
    regels.Teams = TScheidsTeams::Alle;
    Document().Model().ZetScheidsrechters(regels);
    QTest::mouseClick(Tab().ToewijzenKnop(), Qt::LeftButton);
    ASSERT_FALSE(Regels().Toewijzingen.isEmpty());

    QStringList teksten;
    bool aangeboden = false;
    ModaalVenster::Beantwoord<TPrintSetup>([&](TPrintSetup& dialoog) {
        aangeboden = dialoog.findChild<QCheckBox*>(T("ScheidsrechtersAfdruk"))->isVisible();
        dialoog.findChild<QCheckBox*>(T("VolSchema"))->setChecked(false);
        dialoog.findChild<QCheckBox*>(T("scheidsrechterbriefjes"))->setChecked(true);
        ModaalVenster::Beantwoord<TVoorbeeldVenster>([&teksten](TVoorbeeldVenster& voorbeeld) {
            // Every page of the preview painted again onto a device that keeps the texts.
            for (QGraphicsView* beeld : voorbeeld.findChildren<QGraphicsView*>()) {
                for (QGraphicsItem* pagina : beeld->scene()->items()) {
                    TekstOpname opname;
                    QPainter schilder(&opname);
                    QStyleOptionGraphicsItem optie;
                    optie.exposedRect = pagina->boundingRect();
                    pagina->paint(&schilder, &optie, nullptr);
                    schilder.end();
                    teksten += opname.Teksten;
                }
            }
            QTest::keyClick(&voorbeeld, Qt::Key_Escape);
        });
        QTest::mouseClick(dialoog.findChild<QPushButton*>(T("Afdrukvoorbeeld")), Qt::LeftButton);
        dialoog.findChild<QPushButton*>(T("Button3"))->click();
    });
    programma.WedstrijdSchema().findChild<QAction*>(T("Print1"))->trigger();
    EXPECT_TRUE(aangeboden);
    const TScheidsToewijzing& eerste = Regels().Toewijzingen.first();
    const QStringList briefjes = teksten.filter(T("Scheidsechter: %1").arg(eerste.Naam));
    EXPECT_FALSE(briefjes.isEmpty()) << qPrintable(teksten.mid(0, 40).join(u'|'));
}
