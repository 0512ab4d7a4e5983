#include "hulp/SchemaTestHulp.h"

#include <QElapsedTimer>
#include <thread>

using namespace SchemaTestHulp;

namespace {

constexpr auto Halve = TCompetitieType::HalveCompetitie;
constexpr auto Enkel = TKruisPouleCompetitieType::EnkeleWedstrijden;
constexpr auto Dubbel = TKruisPouleCompetitieType::DubbeleWedstrijden;

// A build that must fail: the reason, with the tree given to it left exactly as it was.
QString Faalt(const ToernooiModel& model)
{
    TSchemaBoom boom;
    boom.Ronden.push_back({1, T("Ronde 1"), {{T("Veld 1: vorig schema"), {}}}});
    const TSchemaBoom vorig = boom;
    const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(boom);
    EXPECT_FALSE(uitkomst.Gelukt);
    EXPECT_EQ(boom, vorig);
    return uitkomst.Reden;
}

void ZetAlleVelden(ToernooiModel& model, int totRonde, bool beschikbaar)
{
    for (int ronde = 1; ronde <= totRonde; ++ronde) {
        for (int veld = 1; veld <= model.AantalVelden(); ++veld)
            model.ZetVeldBeschikbaar(veld, ronde, beschikbaar);
    }
}

} // namespace

TEST(SchemaGrenzen, BrokenLinksStopTheBuildAndNameThePoules)
{
    {
        ToernooiModel model;
        VoegPoulesToe(model, {{"A", TeamReeks(1, 2), Halve, 2}, {"B", TeamReeks(3, 4)}});
        EXPECT_EQ(Faalt(model), T("Poule A is gekoppeld aan kruispoule B, maar B niet aan A."));
    }
    {
        ToernooiModel model;
        VoegPoulesToe(model, {{"A", TeamReeks(1, 2), Halve, 1}});
        EXPECT_EQ(Faalt(model), T("Poule A is aan zichzelf gekoppeld als kruispoule."));
    }
    {
        ToernooiModel model;
        VoegPoulesToe(model, {{"A", TeamReeks(1, 2), Halve, 2, Enkel},
                              {"B", TeamReeks(3, 4), Halve, 1, Dubbel}});
        EXPECT_EQ(Faalt(model), T("Poule A en kruispoule B hebben een verschillend soort "
                                  "kruiswedstrijden (enkele en dubbele wedstrijden)."));
    }
}

TEST(SchemaGrenzen, PoulesTooSmallOrMissingAreRefused)
{
    ToernooiModel model;
    EXPECT_EQ(Faalt(model), T("U heeft geen poules aangemaakt."));
    VoegPoulesToe(model, {{"A", TeamReeks(1, 1)}});
    EXPECT_EQ(Faalt(model),
              T("Poule A heeft maar 1 team(s). Niet genoeg om wedstrijden mee te bouwen."));
}

TEST(SchemaGrenzen, PartnerMinusOneMeansNoPartner)
{
    ToernooiModel zonder;
    VoegPoulesToe(zonder, {{"A", TeamReeks(1, 3), Halve, 0}, {"B", TeamReeks(4, 5), Halve, 0}});
    ToernooiModel getypt;
    VoegPoulesToe(getypt, {{"A", TeamReeks(1, 3), Halve, -1}, {"B", TeamReeks(4, 5), Halve, -1}});
    const QStringList regels = Bouw(getypt);
    EXPECT_EQ(regels, Bouw(zonder));
    EXPECT_EQ(regels.filter(QStringLiteral(" x ")).size(), 4);
}

TEST(SchemaGrenzen, LastMatchMayTakeTheLastSlotOfTheTable)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 2)}});
    ZetAlleVelden(model, TSchemaBouwer::LaatsteRonde - 1, false);
    TSchemaBoom boom;
    ASSERT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    ASSERT_EQ(boom.Ronden.size(), std::size_t(TSchemaBouwer::LaatsteRonde));
    EXPECT_EQ(boom.Ronden.front().Velden.at(0).Tekst, T("Veld 1: Geen wedstrijd"));
    EXPECT_EQ(boom.Ronden.back().Tekst, T("Ronde 299"));
    ASSERT_EQ(boom.Ronden.back().Velden.size(), 1u);
    EXPECT_EQ(boom.Ronden.back().Velden.at(0).Tekst, T("Veld 1: A : T1 x T2"));
}

TEST(SchemaGrenzen, ScheduleThatDoesNotFitFailsAtTheLastRound)
{
    // After the first match two of the three teams never rest long enough again.
    ToernooiModel rust;
    VoegPoulesToe(rust, {{"A", TeamReeks(1, 3), Halve, 0, Enkel, 300}});
    EXPECT_EQ(Faalt(rust), TSchemaBouwer::NietPassendTekst());

    ToernooiModel teVeel;
    VoegPoulesToe(teVeel, {{"A", TeamReeks(1, 30)}});
    ZetAlleVelden(teVeel, TSchemaBouwer::LaatsteRonde, false);
    teVeel.ZetVeldBeschikbaar(1, 7, true);
    EXPECT_EQ(Faalt(teVeel), TSchemaBouwer::NietPassendTekst());

    // Two matches need at least two rounds; only one round has a usable field.
    ToernooiModel eenRonde;
    VoegPoulesToe(eenRonde, {{"A", TeamReeks(1, 3)}});
    eenRonde.ZetGewoneVelden(3);
    ZetAlleVelden(eenRonde, TSchemaBouwer::LaatsteRonde, false);
    for (int veld = 1; veld <= 3; ++veld)
        eenRonde.ZetVeldBeschikbaar(veld, 5, true);
    EXPECT_EQ(Faalt(eenRonde), TSchemaBouwer::NietPassendTekst());
}

TEST(SchemaGrenzen, APouleThatCannotFitIsRefusedBeforeTheFirstRound)
{
    // Four teams, half competition, rest 1: rounds 1, 3 and 5 are the best there is.
    ToernooiModel vier;
    VoegPoulesToe(vier, {{"A", TeamReeks(1, 4), Halve, 0, Enkel, 1}});
    EXPECT_EQ(TSchemaBouwer::MinsteRonden(*vier.PouleLijst().front()->Details, 4), 5);

    // 598 teams on 600 fields need 597 rounds: refused without walking a single round.
    ToernooiModel groot;
    VoegPoulesToe(groot, {{"A", TeamReeks(1, 598)}});
    groot.ZetGewoneVelden(600);
    QElapsedTimer klok;
    klok.start();
    EXPECT_EQ(Faalt(groot), TSchemaBouwer::NietPassendTekst());
    EXPECT_LT(klok.elapsed(), 3000);

    // The rounds after the last usable one do not count.
    ToernooiModel kort;
    VoegPoulesToe(kort, {{"A", TeamReeks(1, 4), Halve, 0, Enkel, 1}});
    kort.ZetGewoneVelden(2);
    ZetAlleVelden(kort, TSchemaBouwer::LaatsteRonde, false);
    ZetAlleVelden(kort, 4, true);
    EXPECT_EQ(Faalt(kort), TSchemaBouwer::NietPassendTekst());
}

TEST(SchemaGrenzen, BuildingTwiceGivesTheSameTree)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 5), TCompetitieType::HeleCompetitie, 2, Dubbel, 1},
                          {"B", TeamReeks(6, 9), Halve, 1, Dubbel, 0},
                          {"C", TeamReeks(10, 15), Halve, 0, Enkel, 2}});
    model.ZetGewoneVelden(3);
    model.ZetVeldBeschikbaar(2, 3, false);
    TSchemaBoom eerste;
    TSchemaBoom tweede;
    ASSERT_TRUE(TSchemaBouwer(model).BouwSchema(eerste).Gelukt);
    TSchemaBouwer bouwer(model);
    ASSERT_TRUE(bouwer.BouwSchema(tweede).Gelukt);
    EXPECT_EQ(eerste, tweede);
    // The same builder again, over a tree that already holds a schedule.
    ASSERT_TRUE(bouwer.BouwSchema(tweede).Gelukt);
    EXPECT_EQ(eerste, tweede);
    // And on a thread of its own, as the desktop program runs it: it needs no event loop.
    TSchemaBoom opDraad;
    bool gelukt = false;
    std::thread draad([&] { gelukt = TSchemaBouwer(model).BouwSchema(opDraad).Gelukt; });
    draad.join();
    EXPECT_TRUE(gelukt);
    EXPECT_EQ(opDraad, eerste);
}
