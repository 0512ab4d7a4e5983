#include "UiHulp.h"
#include "indeling/PouleDetailsTab.h"
#include "indeling/TeamDetailsTab.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

using namespace UiHulp;

// The team and poule tabs: what they show, when they write into their records and when the
// tournament counts as changed.
class DetailsTest : public QObject
{
    Q_OBJECT

private:
    static QLineEdit* Edit(TForm1& form, const char* naam)
    {
        return form.findChild<QLineEdit*>(QString::fromLatin1(naam));
    }

    static TTeamDetails* Team(TForm1& form, int i) { return form.Model().TeamLijst()[std::size_t(i)].get(); }
    static TPouleDetails* Poule(TForm1& form, int i)
    {
        return form.Model().PouleLijst()[std::size_t(i)]->Details.get();
    }

private slots:
    void ShowingATeamChangesNothingTypingDoesAndSwitchingWrites()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        VoegTeamsToe(form, vraagsteller, {T("Ajax"), T("PSV")});
        Team(form, 1)->ClubAdres = T("Frederiklaan 10");
        form.Model().ZetGewijzigd(false);

        form.Teams()->TeamLijst()->setCurrentRow(1);
        QCOMPARE(Edit(form, "TeamNaam")->text(), T("PSV"));
        QCOMPARE(Edit(form, "ClubAdres")->text(), T("Frederiklaan 10"));
        form.Teams()->TeamLijst()->setCurrentRow(0);
        QCOMPARE(Edit(form, "ClubNaam")->text(), T("Ajax"));
        QVERIFY(Edit(form, "TeamNaam")->isReadOnly());
        QVERIFY(!form.Model().Gewijzigd());

        QTest::keyClicks(Edit(form, "BegeleiderTelefoon"), T("020-1234567"));
        QVERIFY(form.Model().Gewijzigd());
        QVERIFY(Team(form, 0)->BegeleiderTelefoon.isEmpty());
        form.Teams()->TeamLijst()->setCurrentRow(1);
        QCOMPARE(Team(form, 0)->BegeleiderTelefoon, T("020-1234567"));
        QCOMPARE(Edit(form, "BegeleiderTelefoon")->text(), QString());

        // BewaarDetails writes the tab of the team still shown.
        QTest::keyClicks(Edit(form, "ClubFax"), T("040-1"));
        form.BewaarDetails();
        QCOMPARE(Team(form, 1)->ClubFax, T("040-1"));

        // A removed team leaves an empty tab behind.
        KiesTeams(form, {T("PSV")});
        vraagsteller.Antwoorden = {true};
        form.Teams()->TeamVerwijderen()->click();
        QVERIFY(Edit(form, "TeamNaam")->text().isEmpty());
    }

    void ThePouleTabKeepsItsPouleForATeamEntryAndWritesOnSwitch()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        VoegTeamsToe(form, vraagsteller, {T("Ajax")});
        VoegPoulesToe(form, vraagsteller, {T("A"), T("B")});
        KiesTeams(form, {T("Ajax")});
        form.Poules()->PouleLijst()->Selecteer({1, -1});
        form.Poules()->SpeedButton1()->click();

        form.Poules()->PouleLijst()->Selecteer({0, -1});
        QCOMPARE(Edit(form, "PouleNaam")->text(), T("A"));
        form.PouleTab()->findChild<QRadioButton*>(T("CompetitieType1"))->click();
        form.PouleTab()->findChild<QSpinBox*>(T("MinimaleRust"))->setValue(2);
        QVERIFY(form.Model().Gewijzigd());

        // A team entry of B: the tab keeps showing A, and nothing is written yet.
        form.Poules()->PouleLijst()->Selecteer({1, 0});
        QCOMPARE(Edit(form, "PouleNaam")->text(), T("A"));
        QCOMPARE(Poule(form, 0)->MinimaleRust, 0);
        // BewaarDetails writes A and then shows the poule of the selected team.
        form.BewaarDetails();
        QCOMPARE(Poule(form, 0)->MinimaleRust, 2);
        QCOMPARE(Poule(form, 0)->CompetitieType, TCompetitieType::HalveCompetitie);
        QCOMPARE(Edit(form, "PouleNaam")->text(), T("B"));

        // Clearing the selection writes the tab too, so nothing typed is lost.
        form.PouleTab()->findChild<QSpinBox*>(T("MinimaleRust"))->setValue(4);
        form.Poules()->PouleLijst()->clearSelection();
        QCOMPARE(Poule(form, 1)->MinimaleRust, 4);
        QVERIFY(Edit(form, "PouleNaam")->text().isEmpty());
    }

    void TheCaptionAlwaysFollowsTheTournamentName()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        QCOMPARE(form.windowTitle(), T("Rondoplan"));
        // Named before the window is first shown, as a file from the command line does.
        form.Model().ZetToernooiNaam(T("Jeugdtoernooi"));
        form.show();
        QCOMPARE(form.windowTitle(), T("Rondoplan (Jeugdtoernooi)"));
        auto* naam = form.findChild<QLineEdit*>(T("ToernooiNaam"));
        QCOMPARE(naam->text(), T("Jeugdtoernooi"));
        naam->selectAll();
        QTest::keyClick(naam, Qt::Key_Backspace);
        QCOMPARE(form.windowTitle(), T("Rondoplan"));
        QTest::keyClicks(naam, T("Zomer"));
        QCOMPARE(form.Model().ToernooiNaam(), T("Zomer"));
        QCOMPARE(form.windowTitle(), T("Rondoplan (Zomer)"));
    }

    void TheFourTabsInTheirOrder()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        QTabWidget* tabs = form.Tabs();
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->currentIndex(), 0);
        const QStringList titels{T("Team details"), T("Poule details"), T("Toernooi details"),
                                 T("Wedstrijd details")};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tabs->tabText(i), titels.at(i));
        QCOMPARE(form.size(), QSize(640, 480));
    }
};

QTEST_MAIN(DetailsTest)
#include "DetailsTest.moc"
