#include "core/model/ToernooiModel.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/UiHulp.h"
#include "ui/indeling/IndelingBediening.h"
#include "ui/indeling/TeamSleepGegevens.h"

#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace UiHulp;

namespace {

// Drops the teams selected in TeamLijst at a point of the tree, as a drag from the list
// ends.
void LaatVallen(TForm1& form, QPoint punt)
{
    TeamLijstLijst* lijst = form.Teams()->TeamLijst();
    std::unique_ptr<QMimeData> gegevens(
        lijst->model()->mimeData(lijst->selectionModel()->selectedIndexes()));
    QWidget* doel = form.Poules()->PouleLijst()->viewport();
    QDragEnterEvent binnen(punt, Qt::CopyAction, gegevens.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(doel, &binnen);
    QDragMoveEvent over(punt, Qt::CopyAction, gegevens.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(doel, &over);
    QDropEvent val(punt, Qt::CopyAction, gegevens.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(doel, &val);
}

QPoint PlekVan(TForm1& form, int poule, int team = -1)
{
    PouleLijstBoom* boom = form.Poules()->PouleLijst();
    QTreeWidgetItem* item = boom->topLevelItem(poule);
    if (team >= 0)
        item = item->child(team);
    return boom->visualItemRect(item).center();
}

} // namespace

// Entering teams and poules and putting teams into poules through the real widgets.
TEST(IndelingTest, TheGroupsShowTheirCountsFromTheFirstEditingButtonOn)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.Poules()->title(), T("Poule lijst"));
    ASSERT_EQ(form.Teams()->title(), T("Team Lijst"));
    // A change that comes from no editing button leaves the plain captions.
    form.Model().LeegPoulesEnTeams();
    ASSERT_EQ(form.Teams()->title(), T("Team Lijst"));

    // ">>" with nothing selected changes nothing, yet the counts are due from then on.
    QTest::mouseClick(form.Poules()->SpeedButton2(), Qt::LeftButton);
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (0 Poules, 0 teams ingedeeld)"));
    ASSERT_EQ(form.Teams()->title(), T("0 Teams"));
    vraagsteller.Naam(T("Rood"));
    QTest::mouseClick(form.Teams()->TeamToevoegen(), Qt::LeftButton);
    ASSERT_EQ(form.Teams()->title(), T("1 Team"));
}

TEST(IndelingTest, DuplicateNamesAreRefusedWithTheirMessage)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegTeamsToe(form, vraagsteller, {T("Rood"), T("ROOD"), T("")});
    VoegPoulesToe(form, vraagsteller, {T("Poule A"), T("poule a")});
    ASSERT_EQ(vraagsteller.Berichten().size(), 1);
    ASSERT_EQ(vraagsteller.Berichten().at(0).Titel, T("Fout"));
    ASSERT_EQ(vraagsteller.Berichten().at(0).Tekst, T("Team naam bestaat al."));
    ASSERT_EQ(form.Poules()->PouleLijst()->topLevelItemCount(), 2);

    // A poule may not take the name of a team that is in a poule.
    VoegPoulesToe(form, vraagsteller, {T("Rood")});
    ASSERT_EQ(form.Poules()->PouleLijst()->topLevelItemCount(), 3);
    KiesTeams(form, {T("Rood")});
    form.Poules()->PouleLijst()->Selecteer({0, -1});
    form.Poules()->SpeedButton1()->click();
    VoegPoulesToe(form, vraagsteller, {T("Rood")});
    ASSERT_EQ(vraagsteller.Berichten().last().Tekst, T("Poule naam bestaat al."));
    ASSERT_EQ(form.Poules()->PouleLijst()->topLevelItemCount(), 3);
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (3 Poules, 1 teams ingedeeld)"));
    ASSERT_TRUE(vraagsteller.Fouten.isEmpty());
}

TEST(IndelingTest, ArrowLeftWithATeamEntrySelectedFillsThatTeamsPoule)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegTeamsToe(form, vraagsteller, {T("Delta"), T("alfa"), T("Charlie"), T("Bravo")});
    VoegPoulesToe(form, vraagsteller, {T("A"), T("B")});
    ASSERT_EQ(form.Teams()->title(), T("4 Teams"));

    KiesTeams(form, {T("Charlie")});
    form.Poules()->PouleLijst()->Selecteer({0, -1});
    form.Poules()->SpeedButton1()->click();
    // The team entry is selected now; the teams go to its poule, in list order.
    form.Poules()->PouleLijst()->Selecteer({0, 0});
    KiesTeams(form, {T("Delta"), T("alfa")});
    form.Poules()->SpeedButton1()->click();
    ASSERT_EQ(TeamsInBoom(form, 0), (QStringList{T("Charlie"), T("alfa"), T("Delta")}));
    ASSERT_EQ(TeamsInPoule(form), (QStringList{T("A"), QString(), T("A"), T("A")}));
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (2 Poules, 3 teams ingedeeld)"));
}

TEST(IndelingTest, DraggingATeamFromAToBLeavesItOnlyInB)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    VoegTeamsToe(form, vraagsteller, {T("Ajax"), T("Feyenoord"), T("PSV")});
    VoegPoulesToe(form, vraagsteller, {T("A"), T("B")});
    KiesTeams(form, {T("Ajax"), T("PSV")});
    LaatVallen(form, PlekVan(form, 0));
    KiesTeams(form, {T("Feyenoord")});
    LaatVallen(form, PlekVan(form, 1));
    ASSERT_EQ(TeamsInBoom(form, 0), (QStringList{T("Ajax"), T("PSV")}));

    KiesTeams(form, {T("Ajax")});
    LaatVallen(form, PlekVan(form, 1));
    ASSERT_EQ(TeamsInBoom(form, 0), (QStringList{T("PSV")}));
    ASSERT_EQ(TeamsInBoom(form, 1), (QStringList{T("Feyenoord"), T("Ajax")}));
    ASSERT_EQ(TeamsInPoule(form), (QStringList{T("B"), T("B"), T("A")}));

    // On a team entry or on empty space nothing moves.
    form.Model().ZetGewijzigd(false);
    KiesTeams(form, {T("PSV")});
    LaatVallen(form, PlekVan(form, 1, 0));
    LaatVallen(form, QPoint(5, form.Poules()->PouleLijst()->viewport()->height() - 3));
    ASSERT_EQ(TeamsInBoom(form, 0), (QStringList{T("PSV")}));
    ASSERT_TRUE(!form.Model().Gewijzigd());
}

TEST(IndelingTest, ArrowRightAndRemovingTakeTeamsOutOfPoules)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegTeamsToe(form, vraagsteller, {T("Ajax"), T("PSV"), T("Twente")});
    VoegPoulesToe(form, vraagsteller, {T("A"), T("B")});
    KiesTeams(form, {T("Ajax"), T("PSV"), T("Twente")});
    form.Poules()->PouleLijst()->Selecteer({0, -1});
    form.Poules()->SpeedButton1()->click();

    // ">>" on a team entry takes only that team out.
    form.Poules()->PouleLijst()->Selecteer({0, 1});
    form.Poules()->SpeedButton2()->click();
    ASSERT_EQ(TeamsInBoom(form, 0), (QStringList{T("Ajax"), T("Twente")}));
    // ">>" on the poule empties it; the teams stay in the list without poule.
    form.Poules()->PouleLijst()->Selecteer({0, -1});
    form.Poules()->SpeedButton2()->click();
    ASSERT_TRUE(TeamsInBoom(form, 0).isEmpty());
    ASSERT_EQ(TeamsInPoule(form), (QStringList{QString(), QString(), QString()}));
    ASSERT_EQ(form.Teams()->title(), T("3 Teams"));
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (2 Poules, 0 teams ingedeeld)"));

    // Removing a poule asks nothing and keeps its teams.
    KiesTeams(form, {T("PSV")});
    form.Poules()->PouleLijst()->Selecteer({1, -1});
    form.Poules()->SpeedButton1()->click();
    form.Poules()->PouleLijst()->Selecteer({1, -1});
    form.Poules()->PouleVerwijderen()->click();
    ASSERT_EQ(form.Poules()->PouleLijst()->topLevelItemCount(), 1);
    ASSERT_EQ(form.Model().TeamLijst().size(), std::size_t(3));
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (1 Poule, 0 teams ingedeeld)"));
    ASSERT_TRUE(vraagsteller.Berichten().isEmpty());
}

TEST(IndelingTest, RemovingTeamsAsksFirstAndSparesAPouleOfTheSameName)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegTeamsToe(form, vraagsteller, {T("Ajax"), T("Oranje")});
    VoegPoulesToe(form, vraagsteller, {T("Oranje")});
    KiesTeams(form, {T("Ajax")});
    form.Poules()->PouleLijst()->Selecteer({0, -1});
    form.Poules()->SpeedButton1()->click();

    KiesTeams(form, {T("Oranje")});
    vraagsteller.Nee().Ja();
    form.Teams()->TeamVerwijderen()->click();
    ASSERT_EQ(form.Model().TeamLijst().size(), std::size_t(2));
    form.Teams()->TeamVerwijderen()->click();
    ASSERT_EQ(vraagsteller.Berichten().size(), 2);
    ASSERT_EQ(vraagsteller.Berichten().at(1).Titel, T("Zeker weten?"));
    ASSERT_EQ(vraagsteller.Berichten().at(1).Tekst, T("Weet U zeker dat U dit team wilt verwijderen?"));
    ASSERT_EQ(form.Model().TeamLijst().size(), std::size_t(1));
    ASSERT_EQ(TeamsInBoom(form, 0), (QStringList{T("Ajax")}));
    ASSERT_EQ(form.Teams()->title(), T("1 Team"));
}

TEST(IndelingTest, TeamsInPouleStaysBesideItsTeamsWhileScrolling)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QStringList namen;
    for (int i = 1; i <= 40; ++i)
        namen.append(QStringLiteral("Team %1").arg(i, 2, 10, QLatin1Char('0')));
    VoegTeamsToe(form, vraagsteller, namen);
    VoegPoulesToe(form, vraagsteller, {T("A")});
    KiesTeams(form, {T("Team 30")});
    form.Poules()->PouleLijst()->Selecteer({0, -1});
    form.Poules()->SpeedButton1()->click();

    TeamLijstLijst* lijst = form.Teams()->TeamLijst();
    QListWidget* spiegel = form.Teams()->TeamsInPoule();
    lijst->scrollToItem(lijst->item(35));
    ASSERT_TRUE(lijst->verticalScrollBar()->value() > 0);
    const int boven = lijst->indexAt(QPoint(2, 2)).row();
    ASSERT_EQ(spiegel->indexAt(QPoint(2, 2)).row(), boven);
    ASSERT_EQ(spiegel->item(29)->text(), T("A"));
    // A refill after a change keeps both lists where they were.
    form.Poules()->SpeedButton2()->click();
    ASSERT_EQ(lijst->indexAt(QPoint(2, 2)).row(), boven);
    ASSERT_EQ(spiegel->indexAt(QPoint(2, 2)).row(), boven);
}

TEST(IndelingTest, CountCaptionsSayOneOrMany)
{
    ToernooiModel model;
    const auto team = [&model](const char* naam) { return model.VoegTeamToe(T(naam)).Nieuw; };
    TTeamDetails* a = team("a");
    EXPECT_EQ(IndelingBediening::TeamAantalTekst(model), T("1 Team"));
    const QList<TTeamDetails*> drie{a, team("b"), team("c")};
    (void)model.VoegPouleToe(T("P"));
    model.ZetTeamsInPoule(0, drie);
    EXPECT_EQ(IndelingBediening::TeamAantalTekst(model), T("3 Teams"));
    EXPECT_EQ(IndelingBediening::PouleAantalTekst(model), T("Poule indeling (1 Poule, 3 teams ingedeeld)"));
    (void)model.VoegPouleToe(T("Q"));
    EXPECT_EQ(IndelingBediening::PouleAantalTekst(model), T("Poule indeling (2 Poules, 3 teams ingedeeld)"));
}
