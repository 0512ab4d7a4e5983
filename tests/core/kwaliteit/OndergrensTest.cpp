#include "core/kwaliteit/Ondergrens.h"
#include "core/kwaliteit/RondeEinde.h"
#include "core/kwaliteit/SchemaSchatting.h"
#include "hulp/SchemaTestHulp.h"

using namespace SchemaTestHulp;

namespace {

using enum TCompetitieType;
using enum TKruisPouleCompetitieType;

TOndergrens Grens(std::vector<TPouleOpzet> opzet, int velden)
{
    ToernooiModel model;
    VoegPoulesToe(model, opzet);
    model.ZetGewoneVelden(velden);
    return BerekenOndergrens(model);
}

} // namespace

TEST(Ondergrens, CountsOfAPouleAndAPair)
{
    // Four teams, half competition: 6 matches, 2 a round.
    EXPECT_EQ(PouleRonden(4, EigenWedstrijden(4, false), 0), 3);
    // Rest 1: rounds 1, 3, 5.
    EXPECT_EQ(PouleRonden(4, EigenWedstrijden(4, false), 1), 5);
    // Five teams, full competition, rest 2: 20 matches, 2 a stretch of 3 rounds: 3*10 - 2.
    EXPECT_EQ(PouleRonden(5, EigenWedstrijden(5, true), 2), 28);
    // Three teams: one match a round.
    EXPECT_EQ(PouleRonden(3, EigenWedstrijden(3, false), 0), 3);
    EXPECT_EQ(PouleRonden(1, 0, 0), 0);

    EXPECT_EQ(KruisWedstrijden(4, 4, true), 8);
    EXPECT_EQ(KruisWedstrijden(3, 3, true), 5);
    EXPECT_EQ(KruisWedstrijden(4, 3, true), 6);
    EXPECT_EQ(KruisWedstrijden(4, 5, false), 4);
}

TEST(Ondergrens, TakesTheLargestOfCapacityPouleAndPair)
{
    // One poule of four on two fields: capacity and poule both 3.
    TOndergrens grens = Grens({{"A", TeamReeks(1, 4)}}, 2);
    EXPECT_EQ(grens.Wedstrijden, 6);
    EXPECT_EQ(grens.Capaciteit, 3);
    EXPECT_EQ(grens.Ronden, 3);

    // Rest 1: the poule's rounds 1, 3, 5 decide.
    grens = Grens({{"A", TeamReeks(1, 4), HalveCompetitie, 0, EnkeleWedstrijden, 1}}, 2);
    EXPECT_EQ(grens.PouleGrens, 5);
    EXPECT_EQ(grens.Ronden, 5);

    // Two linked poules of two on one field: 2 own and 2 cross matches, one a round.
    grens = Grens(
        {{"A", TeamReeks(1, 2), HalveCompetitie, 2}, {"B", TeamReeks(3, 4), HalveCompetitie, 1}},
        1);
    EXPECT_EQ(grens.Wedstrijden, 4);
    EXPECT_EQ(grens.KoppelingGrens, 2);
    EXPECT_EQ(grens.Ronden, 4);

    // Three and three with double cross matches on many fields: own competitions take 3
    // rounds, the crossings one more, the placement matches another.
    grens = Grens({{"A", TeamReeks(1, 3), HalveCompetitie, 2, DubbeleWedstrijden},
                   {"B", TeamReeks(4, 6), HalveCompetitie, 1, DubbeleWedstrijden}},
                  6);
    EXPECT_EQ(grens.Wedstrijden, 3 + 3 + 5);
    EXPECT_EQ(grens.Capaciteit, 2);
    EXPECT_EQ(grens.KoppelingGrens, 5);
    EXPECT_EQ(grens.Ronden, 5);
}

TEST(Ondergrens, IgnoresWhatCannotBeBuiltYet)
{
    // A one-sided link, a link out of range and a poule of one team add nothing.
    const TOndergrens grens = Grens({{"A", TeamReeks(1, 3), HalveCompetitie, 2},
                                     {"B", TeamReeks(4, 6), HalveCompetitie, 9},
                                     {"C", TeamReeks(7, 7), HalveCompetitie, 1}},
                                    1);
    EXPECT_EQ(grens.Wedstrijden, 6);
    EXPECT_EQ(grens.KoppelingGrens, 0);
    EXPECT_EQ(grens.Ronden, 6);

    ToernooiModel leeg;
    EXPECT_EQ(BerekenOndergrens(leeg).Ronden, 0);
    EXPECT_EQ(SchatSchema(leeg).Tekst(), QString());
}

TEST(Ondergrens, CapacityCountsOnlyAvailableCellsOfAllFields)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}});
    model.ZetGewoneVelden(1);
    model.ZetSpecialeVelden(1);
    model.ZetVeldBeschikbaar(1, 1, false);
    // Cells 1, 3, 5, 7 by rounds 1..4; the cell of field 3 does not count.
    EXPECT_EQ(BerekenOndergrens(model).Capaciteit, 4);
    model.ZetVeldBeschikbaar(2, 4, false);
    EXPECT_EQ(BerekenOndergrens(model).Capaciteit, 4);
    model.ZetVeldBeschikbaar(1, 4, false);
    EXPECT_EQ(BerekenOndergrens(model).Capaciteit, 5);
}

TEST(Ondergrens, TooFewCellsInTheWholeTable)
{
    ToernooiModel model;
    // 25 teams: 300 matches for 299 cells of one field.
    VoegPoulesToe(model, {{"A", TeamReeks(1, 25)}});
    model.ZetVeldBeschikbaar(1, 7, false);
    const TSchemaSchatting schatting = SchatSchema(model);
    EXPECT_TRUE(schatting.Ondergrens.PastNiet());
    EXPECT_EQ(schatting.Ondergrens.Plaatsen, 298);
    EXPECT_EQ(schatting.VroegsteEinde, TRondeEinde());
    EXPECT_EQ(schatting.Tekst(),
              T("Te weinig plaats: ronde 1 tot en met 299 bieden 298 plaatsen op de velden voor "
                "300 wedstrijden."));
}

TEST(Ondergrens, EndOfARoundAsTheViewReadsIt)
{
    ToernooiModel model;
    // The defaults: 20 minutes, pause 5, 09:00 - 17:00.
    EXPECT_EQ(RondeEinde(model.Velden(), 2), (TRondeEinde{T("1"), T("09:45")}));
    EXPECT_EQ(RondeEinde(model.Velden(), 20), (TRondeEinde{T("1"), T("17:15")}));
    EXPECT_EQ(RondeEinde(model.Velden(), 21), (TRondeEinde{T("2"), T("09:20")}));
    EXPECT_EQ(RondeEinde(model.Velden(), 100), TRondeEinde());
    EXPECT_EQ(RondeEinde(model.Velden(), 0), TRondeEinde());

    VoegPoulesToe(model, {{"A", TeamReeks(1, 4), HalveCompetitie, 0, EnkeleWedstrijden, 1}});
    model.ZetGewoneVelden(2);
    EXPECT_EQ(SchatSchema(model).Tekst(),
              T("Minimaal 5 ronden nodig, op zijn vroegst klaar op dag 1 om 11:00."));

    // Rest 50: 103 rounds, whose header carries no time.
    model.ZetPouleDetails(model.PouleLijst()[0]->Details.get(), HalveCompetitie, 0,
                          EnkeleWedstrijden, 50);
    EXPECT_EQ(SchatSchema(model).Tekst(), T("Minimaal 103 ronden nodig."));
    model.ZetPouleDetails(model.PouleLijst()[0]->Details.get(), HalveCompetitie, 0,
                          EnkeleWedstrijden, 200);
    EXPECT_EQ(SchatSchema(model).Tekst(),
              T("Minimaal 403 ronden nodig, meer dan de 299 ronden die het schema kan bevatten."));
}
