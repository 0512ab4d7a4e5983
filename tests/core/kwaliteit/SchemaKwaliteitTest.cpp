#include "core/kwaliteit/KwaliteitRapport.h"
#include "core/kwaliteit/SchemaKwaliteit.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/WillekeurigToernooi.h"

using namespace SchemaTestHulp;

namespace {

using enum TCompetitieType;
using enum TKruisPouleCompetitieType;

TSchemaKwaliteit Meet(const ToernooiModel& model)
{
    TSchemaBoom boom;
    const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(boom);
    EXPECT_TRUE(uitkomst.Gelukt) << uitkomst.Reden.toStdString();
    return MeetKwaliteit(model, boom);
}

// Matches, first, last, back-to-back, longest wait, fields of one team.
std::vector<int> Cijfers(const TTeamKwaliteit& team)
{
    return {team.Wedstrijden,  team.Eerste,       team.Laatste,
            team.AchterElkaar, team.LangsteWacht, team.Velden};
}

} // namespace

TEST(SchemaKwaliteit, HalfCompetitionOfFourOnTwoFields)
{
    // Round 1: T3-T4, T1-T2; round 2: T2-T4, T1-T3; round 3: T2-T3, T1-T4.
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}});
    model.ZetGewoneVelden(2);
    const TSchemaKwaliteit kwaliteit = Meet(model);
    EXPECT_EQ(kwaliteit.Ronden, 3);
    EXPECT_EQ(kwaliteit.Ondergrens.Ronden, 3);
    EXPECT_EQ(kwaliteit.Einde, (TRondeEinde{T("1"), T("10:10")}));
    ASSERT_EQ(kwaliteit.Teams.size(), 4u);
    EXPECT_EQ(Cijfers(kwaliteit.Teams[0]), (std::vector<int>{3, 1, 3, 2, 0, 1}));
    EXPECT_EQ(Cijfers(kwaliteit.Teams[1]), (std::vector<int>{3, 1, 3, 2, 0, 2}));
    EXPECT_EQ(kwaliteit.AchterElkaarTotaal(), 8);
    EXPECT_EQ(kwaliteit.TeamsDrieOpRij(), 4);

    // With rest 1 the matches fall in rounds 1, 3 and 5.
    model.ZetPouleDetails(model.PouleLijst()[0]->Details.get(), HalveCompetitie, 0,
                          EnkeleWedstrijden, 1);
    const TSchemaKwaliteit rust = Meet(model);
    EXPECT_EQ(rust.Ronden, 5);
    EXPECT_EQ(rust.Ondergrens.Ronden, 5);
    EXPECT_EQ(rust.Einde, (TRondeEinde{T("1"), T("11:00")}));
    EXPECT_EQ(Cijfers(rust.Teams[0]), (std::vector<int>{3, 1, 5, 0, 1, 1}));
    EXPECT_EQ(rust.LangsteWacht(), 1);
    EXPECT_EQ(rust.TeamsDrieOpRij(), 0);
}

TEST(SchemaKwaliteit, FieldsCountAfterTheFinalMovedToFieldOne)
{
    // Round 2 builds C : T5 x T6 on field 1 and the final on field 3; they change places.
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 2), HalveCompetitie, 2},
                          {"B", TeamReeks(3, 4), HalveCompetitie, 1},
                          {"C", TeamReeks(5, 8)}});
    model.ZetGewoneVelden(3);
    const TSchemaKwaliteit kwaliteit = Meet(model);
    // T6 plays on field 3 in round 2, then on field 1 in rounds 3 and 4.
    EXPECT_EQ(Cijfers(kwaliteit.Teams[5]), (std::vector<int>{3, 2, 4, 2, 0, 2}));
    EXPECT_EQ(kwaliteit.Ronden, 4);
}

TEST(SchemaKwaliteit, CountsFromTheTreeAsItStands)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 3)}});
    model.VoegTeamToe(T("Zonder poule"));
    const auto& teams = model.PouleLijst()[0]->Teams;
    TPouleDetails* a = model.PouleLijst()[0]->Details.get();
    // T1 against T2 in rounds 1, 2, 3, 7 and 8, on fields 2, 2, 1, 1, 2; a cross match in
    // round 9, then an empty round 10.
    TSchemaBoom boom;
    const std::vector<std::pair<int, int>> momenten = {{1, 2}, {2, 2}, {3, 1}, {7, 1}, {8, 2}};
    for (int ronde = 1; ronde <= 10; ++ronde) {
        TSchemaRonde entry{ronde, QStringLiteral("Ronde ") + QString::number(ronde), {}};
        for (int veld = 1; veld <= 2; ++veld) {
            TSchemaVeld slot{QStringLiteral("Veld"), {}};
            if (std::find(momenten.begin(), momenten.end(), std::pair{ronde, veld}) !=
                momenten.end())
                slot.Wedstrijd = TWedstrijdDetails{teams[0], a, teams[1], a};
            else if (ronde == 9 && veld == 1)
                slot.Wedstrijd = TWedstrijdDetails{nullptr, a, nullptr, a};
            entry.Velden.push_back(slot);
        }
        boom.Ronden.push_back(entry);
    }
    const TSchemaKwaliteit kwaliteit = MeetKwaliteit(model, boom);
    EXPECT_EQ(kwaliteit.Ronden, 9);
    ASSERT_EQ(kwaliteit.Teams.size(), 3u);
    EXPECT_EQ(Cijfers(kwaliteit.Teams[0]), (std::vector<int>{5, 1, 8, 3, 3, 2}));
    EXPECT_EQ(kwaliteit.Teams[0].LangsteReeks, 3);
    EXPECT_EQ(Cijfers(kwaliteit.Teams[2]), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(
        KwaliteitRapport(kwaliteit).split(u'\n').mid(2, 3),
        Lijst({"Einde\t1\t12:40",
               "Team\tPoule\tWedstrijden\tEerste\tLaatste\tAchterElkaar\tLangsteWacht\tVelden",
               "T1\tA\t5\t1\t8\t3\t3\t2"}));
}

TEST(SchemaKwaliteit, BoundNeverAboveTheBuiltScheduleOnRandomTournaments)
{
    const int gebouwd = VoorElkGebouwdToernooi(1414, 200, [](int geval, const ToernooiModel& model,
                                                            const TSchemaBoom& boom, std::mt19937&) {
        const TSchemaKwaliteit kwaliteit = MeetKwaliteit(model, boom);
        ASSERT_LE(kwaliteit.Ondergrens.Ronden, kwaliteit.Ronden) << "geval " << geval;
        for (const auto& poule : model.PouleLijst()) {
            const int n = int(poule->Teams.size());
            const int per = poule->Details->CompetitieType == HeleCompetitie ? 2 * (n - 1) : n - 1;
            for (const TTeamKwaliteit& team : kwaliteit.Teams) {
                if (team.PouleNaam == poule->Details->PouleNaam) {
                    ASSERT_EQ(team.Wedstrijden, per) << "geval " << geval;
                }
            }
        }
    });
    EXPECT_GT(gebouwd, 150);
}
