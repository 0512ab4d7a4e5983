#include "core/model/PouleTitel.h"
#include "core/model/ToernooiModel.h"
#include "hulp/ToernooiHulp.h"

#include <gtest/gtest.h>

using ToernooiHulp::PouleTeams;

namespace {

TTeamDetails* Team(ToernooiModel& model, const char* naam)
{
    auto uitkomst = model.VoegTeamToe(T(naam));
    EXPECT_NE(uitkomst.Nieuw, nullptr) << naam;
    return uitkomst.Nieuw;
}

TPouleDetails* Poule(ToernooiModel& model, const char* naam)
{
    auto uitkomst = model.VoegPouleToe(T(naam));
    EXPECT_NE(uitkomst.Nieuw, nullptr) << naam;
    return uitkomst.Nieuw;
}

QStringList TeamNamen(const ToernooiModel& model)
{
    QStringList namen;
    for (const auto& team : model.TeamLijst())
        namen.append(team->TeamNaam);
    return namen;
}

} // namespace

TEST(ToernooiModel, StartsEmptyWithDefaults)
{
    const ToernooiModel model;
    EXPECT_TRUE(model.TeamLijst().empty());
    EXPECT_TRUE(model.PouleLijst().empty());
    EXPECT_EQ(model.KruisPouleLijst(), QStringList{T("Geen")});
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_EQ(model.AantalDelen(), 1);
    EXPECT_EQ(model.AantalDelenPerDag(), 1);
    EXPECT_EQ(model.DagTijden(), (TDagTijden{{T("09:00"), T("17:00")}}));
    EXPECT_EQ(model.GewoneVelden(), 1);
    EXPECT_EQ(model.SpecialeVelden(), 0);
    EXPECT_EQ(model.DuurWedstrijd(), 20);
    EXPECT_EQ(model.Pauze(), 5);
    EXPECT_EQ(model.Velden().KolomAantal(), 2);
    EXPECT_EQ(model.Velden().RondeKop(2), T("Dag 1, Ronde 2 (09:25 - 09:45)"));
}

TEST(ToernooiModel, NewRecordsStartFromTheirDefaults)
{
    ToernooiModel model;
    const TTeamDetails* team = Team(model, "Ajax D1");
    EXPECT_EQ(team->ClubNaam, T("Ajax D1"));
    EXPECT_TRUE(team->ClubAdres.isEmpty());
    EXPECT_TRUE(team->BegeleiderFax.isEmpty());
    EXPECT_EQ(team->Fase, 0);
    EXPECT_EQ(team->LaatsteRonde, 0);
    EXPECT_TRUE(team->Tegenstanders.isEmpty());

    const TPouleDetails* poule = Poule(model, "A");
    EXPECT_EQ(poule->CompetitieType, TCompetitieType::HeleCompetitie);
    EXPECT_EQ(poule->KruisPoule, nullptr);
    EXPECT_EQ(poule->KruisPouleCompetitieType, TKruisPouleCompetitieType::EnkeleWedstrijden);
    EXPECT_EQ(poule->MinimaleRust, 0);
    EXPECT_EQ(poule->Voortgang, 0.0);
    EXPECT_EQ(poule->FaseEindRonde, 0);
}

TEST(ToernooiModel, TeamNamesAreUniqueIgnoringCaseAndSorted)
{
    ToernooiModel model;
    Team(model, "bravo");
    Team(model, "Alfa");
    Team(model, "charlie");
    EXPECT_EQ(TeamNamen(model), (QStringList{T("Alfa"), T("bravo"), T("charlie")}));
    EXPECT_TRUE(model.Gewijzigd());

    model.ZetGewijzigd(false);
    const auto dubbel = model.VoegTeamToe(T("ALFA"));
    EXPECT_EQ(dubbel.Nieuw, nullptr);
    EXPECT_EQ(dubbel.Fout, T("Team naam bestaat al."));
    EXPECT_EQ(model.TeamLijst().size(), 3u);

    const auto leeg = model.VoegTeamToe(QString());
    EXPECT_EQ(leeg.Nieuw, nullptr);
    EXPECT_TRUE(leeg.Fout.isEmpty());
    EXPECT_FALSE(model.Gewijzigd());
}

TEST(ToernooiModel, PouleNamesDifferFromEveryTreeTextCaseSensitively)
{
    ToernooiModel model;
    TTeamDetails* ingedeeld = Team(model, "Team X");
    Team(model, "Team Y");
    Poule(model, "A");
    model.ZetTeamsInPoule(0, {ingedeeld});

    EXPECT_EQ(model.VoegPouleToe(T("A")).Fout, T("Poule naam bestaat al."));
    EXPECT_NE(model.VoegPouleToe(T("a")).Nieuw, nullptr);
    // A team in a poule is a tree entry; a team in no poule is not.
    EXPECT_EQ(model.VoegPouleToe(T("Team X")).Fout, T("Poule naam bestaat al."));
    EXPECT_NE(model.VoegPouleToe(T("Team Y")).Nieuw, nullptr);
    EXPECT_EQ(model.VoegPouleToe(QString()).Nieuw, nullptr);
    EXPECT_EQ(model.PouleLijst().size(), 3u);
    EXPECT_EQ(model.KruisPouleLijst(), (QStringList{T("Geen"), T("A"), T("a"), T("Team Y")}));
}

TEST(ToernooiModel, ATeamIsInAtMostOnePouleAndMovesToTheEnd)
{
    ToernooiModel model;
    TTeamDetails* t1 = Team(model, "T1");
    TTeamDetails* t2 = Team(model, "T2");
    TTeamDetails* t3 = Team(model, "T3");
    Poule(model, "A");
    Poule(model, "B");
    model.ZetTeamsInPoule(0, {t1, t2, t3});
    model.ZetTeamsInPoule(1, {t1});
    EXPECT_EQ(PouleTeams(model, 0), (QStringList{T("T2"), T("T3")}));
    EXPECT_EQ(PouleTeams(model, 1), (QStringList{T("T1")}));
    EXPECT_EQ(model.TeamsInPoule(), (QStringList{T("B"), T("A"), T("A")}));

    // Putting a team into its own poule again moves it to the end.
    model.ZetTeamsInPoule(0, {t2});
    EXPECT_EQ(PouleTeams(model, 0), (QStringList{T("T3"), T("T2")}));

    // A move that changes nothing does not mark the tournament changed.
    model.ZetGewijzigd(false);
    model.ZetTeamsInPoule(0, {t2});
    EXPECT_FALSE(model.Gewijzigd());
}

TEST(ToernooiModel, TakingTeamsOutKeepsTheirRecords)
{
    ToernooiModel model;
    TTeamDetails* t1 = Team(model, "T1");
    TTeamDetails* t2 = Team(model, "T2");
    Poule(model, "A");
    model.ZetTeamsInPoule(0, {t1, t2});
    model.VerwijderTeamUitPoule(0, 0);
    EXPECT_EQ(PouleTeams(model, 0), (QStringList{T("T2")}));
    model.HaalTeamsUitPoule(0);
    EXPECT_TRUE(PouleTeams(model, 0).isEmpty());
    EXPECT_EQ(model.TeamLijst().size(), 2u);
    EXPECT_EQ(model.TeamsInPoule(), (QStringList{QString(), QString()}));

    model.ZetGewijzigd(false);
    model.HaalTeamsUitPoule(0);
    model.VerwijderTeamUitPoule(0, 3);
    model.VerwijderTeamUitPoule(5, 0);
    EXPECT_FALSE(model.Gewijzigd());
}

TEST(ToernooiModel, RemovingTeamsTakesThemOutOfTheirPoulesOnly)
{
    ToernooiModel model;
    TTeamDetails* naamgenoot = Team(model, "B");
    TTeamDetails* ander = Team(model, "C");
    Poule(model, "A");
    model.ZetTeamsInPoule(0, {naamgenoot, ander});
    // A poule named like a team: removing the team leaves the poule.
    model.VoegPouleToe(T("D"));
    TTeamDetails* d = Team(model, "D");
    model.ZetTeamsInPoule(0, {d});

    model.VerwijderTeams({d, naamgenoot});
    EXPECT_EQ(TeamNamen(model), QStringList{T("C")});
    EXPECT_EQ(PouleTeams(model, 0), QStringList{T("C")});
    EXPECT_EQ(model.PouleLijst().size(), 2u);
}

TEST(ToernooiModel, RemovingAPouleKeepsItsTeamsInTheList)
{
    ToernooiModel model;
    TTeamDetails* t1 = Team(model, "T1");
    Poule(model, "A");
    Poule(model, "B");
    model.ZetTeamsInPoule(0, {t1});
    model.VerwijderPoule(0);
    EXPECT_EQ(model.PouleLijst().size(), 1u);
    EXPECT_EQ(model.TeamsInPoule(), QStringList{QString()});
    EXPECT_EQ(model.KruisPouleLijst(), (QStringList{T("Geen"), T("B")}));
}

TEST(ToernooiModel, LeegPoulesEnTeamsKeepsSettingsAndFlags)
{
    ToernooiModel model;
    model.ZetToernooiNaam(T("Zomer"));
    model.ZetAantalDelen(2);
    model.ZetDuurWedstrijd(30);
    TTeamDetails* t = Team(model, "T");
    Poule(model, "P");
    model.ZetTeamsInPoule(0, {t});

    model.LeegPoulesEnTeams();
    EXPECT_TRUE(model.TeamLijst().empty());
    EXPECT_TRUE(model.PouleLijst().empty());
    EXPECT_EQ(model.KruisPouleLijst(), QStringList{T("Geen")});
    EXPECT_EQ(model.ToernooiNaam(), T("Zomer"));
    EXPECT_EQ(model.DagTijden().size(), 2);
    EXPECT_EQ(model.DuurWedstrijd(), 30);
    EXPECT_TRUE(model.Gewijzigd());
}

TEST(ToernooiModel, DetailWritesMarkChangesOnlyWhenAValueDiffers)
{
    ToernooiModel model;
    TTeamDetails* team = Team(model, "T");
    TPouleDetails* poule = Poule(model, "P");
    model.ZetGewijzigd(false);

    TTeamDetails waarden = *team;
    model.ZetTeamDetails(team, waarden);
    model.ZetPouleDetails(poule, TCompetitieType::HeleCompetitie, 0,
                          TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
    EXPECT_FALSE(model.Gewijzigd());

    waarden.BegeleiderTelefoon = T("010-1234567");
    model.ZetTeamDetails(team, waarden);
    EXPECT_EQ(team->BegeleiderTelefoon, T("010-1234567"));
    EXPECT_TRUE(model.Gewijzigd());

    model.ZetGewijzigd(false);
    model.ZetPouleDetails(poule, TCompetitieType::HalveCompetitie, 0,
                          TKruisPouleCompetitieType::EnkeleWedstrijden, 500);
    EXPECT_EQ(poule->CompetitieType, TCompetitieType::HalveCompetitie);
    EXPECT_EQ(poule->MinimaleRust, 300);
    EXPECT_TRUE(model.Gewijzigd());
}

TEST(ToernooiModel, VervangPoulesEnTeamsSortsTheTeamList)
{
    ToernooiModel model;
    ToernooiModel::PouleLijstType poules;
    ToernooiModel::TeamLijstType teams;
    poules.push_back(std::make_unique<TPoule>(T("A")));
    for (const char* naam : {"zulu", "Echo", "alfa"}) {
        teams.push_back(std::make_unique<TTeamDetails>(T(naam)));
        poules.back()->Teams.push_back(teams.back().get());
    }
    model.VervangPoulesEnTeams(std::move(poules), std::move(teams));
    EXPECT_EQ(TeamNamen(model), (QStringList{T("alfa"), T("Echo"), T("zulu")}));
    EXPECT_EQ(PouleTeams(model, 0), (QStringList{T("zulu"), T("Echo"), T("alfa")}));
    EXPECT_EQ(model.TeamsInPoule(), (QStringList{T("A"), T("A"), T("A")}));
}

TEST(PouleTitel, TheWordPouleIsWrittenOnce)
{
    EXPECT_EQ(PouleTitel(QStringLiteral("A")), QStringLiteral("Poule A"));
    EXPECT_EQ(PouleTitel(QStringLiteral("Poule A")), QStringLiteral("Poule A"));
    EXPECT_EQ(PouleTitel(QStringLiteral("poule 3")), QStringLiteral("poule 3"));
    EXPECT_EQ(PouleTitel(QStringLiteral("POULE")), QStringLiteral("POULE"));
    // Only the word itself: longer words that start with it get the prefix.
    EXPECT_EQ(PouleTitel(QStringLiteral("Poules Noord")), QStringLiteral("Poule Poules Noord"));
    EXPECT_EQ(PouleTitel(QStringLiteral("Poulegroep")), QStringLiteral("Poule Poulegroep"));
    EXPECT_EQ(PouleTitel(QString()), QStringLiteral("Poule "));
    EXPECT_EQ(PouleTitel(QStringLiteral("Poule B"), QStringLiteral("poule")), QStringLiteral("Poule B"));
    EXPECT_EQ(PouleTitel(QStringLiteral("B"), QStringLiteral("poule")), QStringLiteral("poule B"));
}
