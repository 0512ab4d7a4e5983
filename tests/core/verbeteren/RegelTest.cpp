#include "core/kwaliteit/KwaliteitTabel.h"
#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/verbeteren/HandVerplaatsing.h"
#include "core/verbeteren/Regelcontrole.h"
#include "hulp/SchemaTestHulp.h"

using namespace SchemaTestHulp;

namespace {

using enum TCompetitieType;
using enum TKruisPouleCompetitieType;

TSchemaBoom Gebouwd(const ToernooiModel& model)
{
    TSchemaBoom boom;
    EXPECT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    return boom;
}

} // namespace

// One poule of four on two fields: round 1 T3-T4, T1-T2; round 2 T2-T4, T1-T3; round 3 T2-T3,
// T1-T4. Each rule broken by hand, or by a change of the tournament after the build, is
// named in Dutch with its team, round and field.
TEST(Regelcontrole, NamesEachBrokenRule)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}});
    model.ZetGewoneVelden(2);
    const TSchemaBoom boom = Gebouwd(model);
    TUitslagen geen;
    EXPECT_EQ(ControleerSchema(model, boom, geen), QStringList());

    // Moving T3 x T4 to the empty round 4 is fine; the tree ends at its new last match.
    const TVerplaatsUitkomst verplaatst = VerplaatsWedstrijd(model, boom, geen, {1, 1}, {4, 1});
    ASSERT_TRUE(verplaatst.Gelukt()) << verplaatst.Reden.toStdString();
    EXPECT_EQ(Regels(verplaatst.Schema),
              Lijst({"Ronde 1", "  Veld 1: Geen wedstrijd", "  Veld 2: A : T1 x T2", "Ronde 2",
                     "  Veld 1: A : T2 x T4", "  Veld 2: A : T1 x T3", "Ronde 3", "  Veld 1: A : T2 x T3",
                     "  Veld 2: A : T1 x T4", "Ronde 4", "  Veld 1: A : T3 x T4"}));
    EXPECT_EQ(VerplaatsWedstrijd(model, boom, geen, {1, 1}, {2, 1}).Reden,
              T("In ronde 2 staat op veld 1 al A : T2 x T4."));
    EXPECT_EQ(VerplaatsWedstrijd(model, boom, geen, {4, 1}, {5, 1}).Reden,
              T("In ronde 4 staat op veld 1 geen wedstrijd."));
    EXPECT_EQ(VerplaatsWedstrijd(model, boom, geen, {1, 1}, {4, 3}).Reden,
              T("Veld 3 is in ronde 4 niet te gebruiken."));
    EXPECT_EQ(WisselVakken(model, boom, geen, {1, 1}, {2, 1}).Reden, T("T2 speelt al in ronde 1 (veld 1)."));

    // A played match stays where it was played.
    TUitslagen gespeeld;
    gespeeld.Zet(TUitslag{1, 2, 1, 0, T("A : T1 x T2"), {}, {}});
    EXPECT_EQ(WisselVakken(model, boom, gespeeld, {1, 2}, {4, 2}).Reden,
              T("A : T1 x T2 is al gespeeld en blijft in ronde 1 op veld 2."));
    TSchemaBoom gewisseld = boom;
    std::swap(gewisseld.Ronden[0].Velden[1].Wedstrijd, gewisseld.Ronden[2].Velden[1].Wedstrijd);
    std::swap(gewisseld.Ronden[0].Velden[1].Tekst, gewisseld.Ronden[2].Velden[1].Tekst);
    EXPECT_TRUE(ControleerSchema(model, gewisseld, gespeeld, &boom)
                    .contains(T("A : T1 x T2 is al gespeeld en blijft in ronde 1 op veld 2.")));

    // Rest asked after the build, a cell made unusable, a match lost.
    model.ZetPouleDetails(model.PouleLijst()[0]->Details.get(), HalveCompetitie, 0, EnkeleWedstrijden, 1);
    model.ZetVeldBeschikbaar(2, 3, false);
    const QStringList fouten = ControleerSchema(model, boom, geen);
    EXPECT_TRUE(fouten.contains(T("Veld 2 is in ronde 3 niet te gebruiken, maar er staat A : T1 x T4.")));
    EXPECT_TRUE(fouten.contains(
        T("T1 speelt in ronde 1 en in ronde 2, maar A vraagt 1 ronde(n) rust tussen twee wedstrijden.")));
    EXPECT_EQ(fouten.size(), 1 + 4 * 2);
    TSchemaBoom korter = boom;
    korter.Ronden[2].Velden.pop_back();
    EXPECT_EQ(VergelijkWedstrijden(boom, korter), QStringList{T("De wedstrijd A : T1 x T4 ontbreekt.")});
    EXPECT_EQ(VergelijkWedstrijden(boom, boom), QStringList());
}

// Two linked poules on one field: B's match, A's match, the match for places 3 and 4, the
// final. Cross matches wait for both poules; a full competition's return matches wait for
// every first meeting; a final takes field 1 when it may.
TEST(Regelcontrole, PhasesAndTheFinal)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 2), HalveCompetitie, 2}, {"B", TeamReeks(3, 4), HalveCompetitie, 1}});
    const TSchemaBoom boom = Gebouwd(model);
    TUitslagen geen;
    EXPECT_EQ(WisselVakken(model, boom, geen, {2, 1}, {3, 1}).Reden,
              T("De kruiswedstrijd 3e&4e:Nummer 2 B x Nummer 2 A in ronde 2 staat niet na de laatste "
                "poulewedstrijd van beide poules (A : T1 x T2 in ronde 3)."));

    // With a second field the final may stand on field 2 only while field 1 cannot be used.
    model.ZetGewoneVelden(2);
    const TVerplaatsUitkomst naarVeld2 = VerplaatsWedstrijd(model, boom, geen, {4, 1}, {4, 2});
    EXPECT_EQ(naarVeld2.Reden, T("De finale 1e&2e:Nummer 1 B x Nummer 1 A staat in ronde 4 op veld 2; veld 1 is "
                                 "in die ronde te gebruiken, dus hoort de finale daar."));
    model.ZetVeldBeschikbaar(1, 4, false);
    EXPECT_EQ(ControleerSchema(model, boom, geen),
              QStringList{T("Veld 1 is in ronde 4 niet te gebruiken, maar er staat 1e&2e:Nummer 1 B x Nummer 1 A.")});
    EXPECT_TRUE(VerplaatsWedstrijd(model, boom, geen, {4, 1}, {4, 2}).Gelukt());

    ToernooiModel hele;
    VoegPoulesToe(hele, {{"C", TeamReeks(1, 3), HeleCompetitie}});
    const TSchemaBoom heen = Gebouwd(hele);
    // Rounds 1..3 hold the first meetings, 4..6 the returns; the return of round 4 before round 3.
    EXPECT_TRUE(WisselVakken(hele, heen, geen, {3, 1}, {4, 1}).Reden.startsWith(T("De returnwedstrijd C : T")));
}

TEST(Regelcontrole, CountingBoundOfBackToBackMatches)
{
    // Four teams, three matches each in three rounds: 2 * 3 - 1 - 3 = 2 forced per team.
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}});
    model.ZetGewoneVelden(2);
    const TSchemaKwaliteit kwaliteit = MeetKwaliteit(model, Gebouwd(model));
    EXPECT_EQ(kwaliteit.AchterElkaarOndergrens(), 8);
    EXPECT_EQ(GedwongenAchterElkaar(3, 5), 0);
    EXPECT_EQ(GedwongenAchterElkaar(6, 9), 2);
    const auto regels = KwaliteitTabel::Samenvatting(kwaliteit);
    ASSERT_EQ(regels.size(), 7u);
    EXPECT_EQ(regels[3].first, T("Wedstrijden direct na elkaar:"));
    EXPECT_EQ(regels[4], std::pair(T("Minstens direct na elkaar (telling):"), T("8 (verschil 0)")));
    EXPECT_EQ(regels[5].first, T("Langste wachttijd:"));
}
