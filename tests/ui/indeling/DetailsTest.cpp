#include "hulp/QtAfdrukken.h"
#include "hulp/UiHulp.h"
#include "ui/indeling/PouleDetailsTab.h"
#include "ui/indeling/TeamDetailsTab.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace UiHulp;

namespace {

QLineEdit* Edit(TForm1& form, const char* naam)
{
    return form.findChild<QLineEdit*>(QString::fromLatin1(naam));
}

TTeamDetails* Team(TForm1& form, int i) { return form.Model().TeamLijst()[std::size_t(i)].get(); }
TPouleDetails* Poule(TForm1& form, int i)
{
    return form.Model().PouleLijst()[std::size_t(i)]->Details.get();
}

} // namespace

// The team and poule tabs: what they show, when they write into their records and when the
// tournament counts as changed.
TEST(DetailsTest, ShowingATeamChangesNothingTypingDoesAndSwitchingWrites)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegTeamsToe(form, vraagsteller, {T("Ajax"), T("PSV")});
    Team(form, 1)->ClubAdres = T("Frederiklaan 10");
    form.Model().ZetGewijzigd(false);

    form.Teams()->TeamLijst()->setCurrentRow(1);
    ASSERT_EQ(Edit(form, "TeamNaam")->text(), T("PSV"));
    ASSERT_EQ(Edit(form, "ClubAdres")->text(), T("Frederiklaan 10"));
    form.Teams()->TeamLijst()->setCurrentRow(0);
    ASSERT_EQ(Edit(form, "ClubNaam")->text(), T("Ajax"));
    ASSERT_TRUE(Edit(form, "TeamNaam")->isReadOnly());
    ASSERT_TRUE(!form.Model().Gewijzigd());

    QTest::keyClicks(Edit(form, "BegeleiderTelefoon"), T("020-1234567"));
    ASSERT_TRUE(form.Model().Gewijzigd());
    ASSERT_TRUE(Team(form, 0)->BegeleiderTelefoon.isEmpty());
    form.Teams()->TeamLijst()->setCurrentRow(1);
    ASSERT_EQ(Team(form, 0)->BegeleiderTelefoon, T("020-1234567"));
    ASSERT_EQ(Edit(form, "BegeleiderTelefoon")->text(), QString());

    // BewaarDetails writes the tab of the team still shown.
    QTest::keyClicks(Edit(form, "ClubFax"), T("040-1"));
    form.BewaarDetails();
    ASSERT_EQ(Team(form, 1)->ClubFax, T("040-1"));

    // A removed team leaves an empty tab behind.
    KiesTeams(form, {T("PSV")});
    vraagsteller.Ja();
    form.Teams()->TeamVerwijderen()->click();
    ASSERT_TRUE(Edit(form, "TeamNaam")->text().isEmpty());
}

TEST(DetailsTest, ThePouleTabKeepsItsPouleForATeamEntryAndWritesOnSwitch)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegTeamsToe(form, vraagsteller, {T("Ajax")});
    VoegPoulesToe(form, vraagsteller, {T("A"), T("B")});
    KiesTeams(form, {T("Ajax")});
    form.Poules()->PouleLijst()->Selecteer({1, -1});
    form.Poules()->SpeedButton1()->click();

    form.Poules()->PouleLijst()->Selecteer({0, -1});
    ASSERT_EQ(Edit(form, "PouleNaam")->text(), T("A"));
    form.PouleTab()->findChild<QRadioButton*>(T("CompetitieType1"))->click();
    form.PouleTab()->findChild<QSpinBox*>(T("MinimaleRust"))->setValue(2);
    ASSERT_TRUE(form.Model().Gewijzigd());

    // A team entry of B: the tab keeps showing A, whose competition and rest went into its
    // record as they were changed.
    form.Poules()->PouleLijst()->Selecteer({1, 0});
    ASSERT_EQ(Edit(form, "PouleNaam")->text(), T("A"));
    ASSERT_EQ(Poule(form, 0)->MinimaleRust, 2);
    // BewaarDetails writes A and then shows the poule of the selected team.
    form.BewaarDetails();
    ASSERT_EQ(Poule(form, 0)->MinimaleRust, 2);
    ASSERT_EQ(Poule(form, 0)->CompetitieType, TCompetitieType::HalveCompetitie);
    ASSERT_EQ(Edit(form, "PouleNaam")->text(), T("B"));

    // Clearing the selection writes the tab too, so nothing typed is lost.
    form.PouleTab()->findChild<QSpinBox*>(T("MinimaleRust"))->setValue(4);
    form.Poules()->PouleLijst()->clearSelection();
    ASSERT_EQ(Poule(form, 1)->MinimaleRust, 4);
    ASSERT_TRUE(Edit(form, "PouleNaam")->text().isEmpty());
}

TEST(DetailsTest, TheCaptionAlwaysFollowsTheTournamentName)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    ASSERT_EQ(form.windowTitle(), T("Rondoplan"));
    // Named before the window is first shown, as a file from the command line does.
    form.Model().ZetToernooiNaam(T("Jeugdtoernooi"));
    form.show();
    // The name is a change: the caption carries Qt's mark for it, shown as "*".
    const auto getoond = [&form] { return QString(form.windowTitle()).remove(T("[*]")); };
    EXPECT_TRUE(form.isWindowModified());
    ASSERT_EQ(getoond(), T("Rondoplan (Jeugdtoernooi)"));
    auto* naam = form.findChild<QLineEdit*>(T("ToernooiNaam"));
    ASSERT_EQ(naam->text(), T("Jeugdtoernooi"));
    naam->selectAll();
    QTest::keyClick(naam, Qt::Key_Backspace);
    ASSERT_EQ(getoond(), T("Rondoplan"));
    QTest::keyClicks(naam, T("Zomer"));
    ASSERT_EQ(form.Model().ToernooiNaam(), T("Zomer"));
    ASSERT_EQ(getoond(), T("Rondoplan (Zomer)"));
    form.Model().ZetGewijzigd(false);
    EXPECT_EQ(form.windowTitle(), T("Rondoplan (Zomer)"));
}

TEST(DetailsTest, TheFourDetailTabsInTheirOrderThenTheReferees)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    QTabWidget* tabs = form.Tabs();
    ASSERT_EQ(tabs->count(), 5);
    ASSERT_EQ(tabs->currentIndex(), 0);
    const QStringList titels{T("Team details"), T("Poule details"), T("Toernooi details"),
                             T("Wedstrijd details"), T("Scheidsrechters")};
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(tabs->tabText(i), titels.at(i));
    ASSERT_EQ(form.size(), QSize(640, 480));
}
