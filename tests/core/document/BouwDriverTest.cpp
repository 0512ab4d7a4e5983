#include "core/document/BouwDriver.h"
#include "core/document/ToernooiDocument.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/ScriptVraagsteller.h"

#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

// Records which steps the driver took, in order.
struct Driver
{
    Driver()
        : driver(document, vragen,
                 {[this](const QStringList& regels) {
                      Stappen << QStringLiteral("foutlijst");
                      FoutLijst = regels;
                  },
                  [this] { Stappen << QStringLiteral("bewaar"); },
                  [this](const std::function<TBouwUitkomst()>& bouw) {
                      Stappen << QStringLiteral("bouw");
                      if (Annuleer)
                          driver.Annuleer();
                      return bouw();
                  },
                  [this] { Stappen << QStringLiteral("nieuw"); },
                  [this] { Stappen << QStringLiteral("toon"); }})
    {
    }

    ToernooiModel model;
    ToernooiDocument document{model};
    ScriptVraagsteller vragen;
    BouwDriver driver;
    QStringList Stappen;
    QStringList FoutLijst;
    // Stop the build as soon as it starts, as "Annuleren" would.
    bool Annuleer = false;
};

} // namespace

TEST(BouwDriver, BuildsAndShowsThenOnlyShowsUntilSomethingChanges)
{
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 4)}});
    EXPECT_TRUE(d.driver.Button1Click());
    EXPECT_EQ(d.Stappen, (QStringList{T("bewaar"), T("bouw"), T("nieuw")}));
    EXPECT_TRUE(d.document.SchemaGebouwd());
    EXPECT_FALSE(d.document.Schema().Leeg());

    // Saving clears Gewijzigd: the same schedule is shown again.
    d.model.ZetGewijzigd(false);
    d.Stappen.clear();
    EXPECT_FALSE(d.driver.Button1Click());
    EXPECT_EQ(d.Stappen, QStringList{T("toon")});

    // Any change builds anew.
    d.model.ZetDuurWedstrijd(30);
    d.Stappen.clear();
    EXPECT_TRUE(d.driver.Button1Click());
    EXPECT_EQ(d.Stappen.last(), T("nieuw"));
}

TEST(BouwDriver, ErrorsStopBeforeAnythingIsBuilt)
{
    Driver d;
    EXPECT_FALSE(d.driver.Button1Click());
    EXPECT_EQ(d.Stappen, QStringList{T("foutlijst")});
    EXPECT_EQ(d.FoutLijst, (QStringList{T("* FOUT * U heeft geen poules aangemaakt."),
                                        T("Er zijn nog fouten waardoor het schema niet gebouwd kan worden.")}));

    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 1)}, {"B", {}}});
    d.Stappen.clear();
    EXPECT_FALSE(d.driver.Button1Click());
    EXPECT_EQ(d.FoutLijst,
              (QStringList{T("* FOUT * Poule A heeft maar 1 team(s). Niet genoeg om wedstrijden mee te bouwen."),
                           T("* FOUT * Poule B heeft maar 0 team(s). Niet genoeg om wedstrijden mee te bouwen."),
                           T("Er zijn nog fouten waardoor het schema niet gebouwd kan worden.")}));
    EXPECT_FALSE(d.document.SchemaGebouwd());
}

TEST(BouwDriver, WarningsAreShownAndTheBuildGoesOn)
{
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 3)}});
    d.model.VoegTeamToe(T("Los 2"));
    d.model.VoegTeamToe(T("Los 1"));
    EXPECT_TRUE(d.driver.Button1Click());
    EXPECT_EQ(d.FoutLijst,
              (QStringList{T("- Waarschuwing - Team Los 1 is niet ingedeeld in een poule!"),
                           T("- Waarschuwing - Team Los 2 is niet ingedeeld in een poule!"),
                           T("Er zijn een aantal waarshuwingen. Schema zal gewoon gemaakt worden.")}));
    EXPECT_EQ(d.Stappen, (QStringList{T("foutlijst"), T("bewaar"), T("bouw"), T("nieuw")}));
}

TEST(BouwDriver, AFailedBuildSaysWhyAndKeepsThePreviousSchedule)
{
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 4)}, {"B", TeamReeks(5, 8)}});
    ASSERT_TRUE(d.driver.Button1Click());
    const QStringList vorig = Regels(d.document.Schema());

    // A one-sided link can never finish.
    d.model.ZetPouleDetails(d.model.PouleLijst()[0]->Details.get(), TCompetitieType::HeleCompetitie,
                            d.model.PouleLijst()[1]->Details.get(), TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
    EXPECT_FALSE(d.driver.Button1Click());
    ASSERT_EQ(d.vragen.Gevraagd.size(), 1);
    EXPECT_EQ(d.vragen.Gevraagd[0].Titel, T("Fout"));
    EXPECT_FALSE(d.vragen.Gevraagd[0].Tekst.isEmpty());
    EXPECT_EQ(Regels(d.document.Schema()), vorig);
    EXPECT_TRUE(d.document.SchemaGebouwd());
}

TEST(BouwDriver, AStoppedBuildKeepsThePreviousScheduleWithoutAFaultBox)
{
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 4)}});
    ASSERT_TRUE(d.driver.Button1Click());
    const QStringList vorig = Regels(d.document.Schema());

    d.model.ZetGewijzigd(true);
    d.Annuleer = true;
    EXPECT_FALSE(d.driver.Button1Click());
    EXPECT_TRUE(d.vragen.Gevraagd.isEmpty());
    EXPECT_EQ(Regels(d.document.Schema()), vorig);
    EXPECT_EQ(d.Stappen.count(QStringLiteral("nieuw")), 1);

    // The next build is not stopped by the earlier request.
    d.Annuleer = false;
    EXPECT_TRUE(d.driver.Button1Click());
}

TEST(BouwDriver, ARebuildThatMovesPlayedMatchesAsksFirst)
{
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 4)}});
    ASSERT_TRUE(d.driver.Button1Click());
    // The matches of the first two rounds are played.
    d.model.WijzigUitslagen([&](TUitslagen& u) {
        for (std::size_t r = 0; r < 2; ++r) {
            const QString& slot = d.document.Schema().Ronden[r].Velden[0].Tekst;
            u.Zet(TUitslag{1, 1, 0, 0, slot.sliced(slot.indexOf(u": ") + 2), {}, {}});
        }
        return true;
    });
    const QString gespeeld = d.document.Schema().AlsTekst();

    // Two fields put other matches side by side: Annuleren keeps the schedule on the wall.
    d.model.ZetGewoneVelden(2);
    d.vragen.Nee();
    d.Stappen.clear();
    EXPECT_FALSE(d.driver.Button1Click());
    ASSERT_EQ(d.vragen.Soorten(), QStringList{T("Doorgaan")});
    EXPECT_EQ(d.vragen.Gevraagd[0].Titel, T("Schema opnieuw bouwen"));
    EXPECT_TRUE(d.vragen.Gevraagd[0].Tekst.contains(T(" gespeelde wedstrijd")));
    EXPECT_EQ(d.document.Schema().AlsTekst(), gespeeld);
    EXPECT_FALSE(d.Stappen.contains(T("nieuw")));

    d.vragen.Ja();
    EXPECT_TRUE(d.driver.Button1Click());
    EXPECT_NE(d.document.Schema().AlsTekst(), gespeeld);
    EXPECT_TRUE(d.vragen.Fouten.isEmpty());
}

TEST(BouwDriver, AScheduleThatRunsPastTheLastDaySaysSo)
{
    // One day of 09:00 to 17:00 holds 20 rounds of 20 minutes and 5 pause; one field.
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 8), TCompetitieType::HeleCompetitie}});
    ASSERT_TRUE(d.driver.Button1Click());
    EXPECT_EQ(d.Stappen.last(), T("foutlijst"));
    EXPECT_EQ(d.FoutLijst, QStringList{T("- Waarschuwing - Het schema loopt door tot na de laatste "
                                         "dag: de ronden 21 tot en met 57 vallen na het laatste "
                                         "dagdeel van het toernooi.")});

    VoegPoulesToe(d.model, {{"B", TeamReeks(9, 16), TCompetitieType::HeleCompetitie}});
    ASSERT_TRUE(d.driver.Button1Click());
    EXPECT_TRUE(d.FoutLijst.constFirst().endsWith(
        T(", en de ronden na ronde 99 hebben geen dag en tijd.")));

    // Two days hold it: no warning.
    d.model.ZetAantalDelen(2);
    d.model.ZetGewoneVelden(4);
    d.Stappen.clear();
    ASSERT_TRUE(d.driver.Button1Click());
    EXPECT_FALSE(d.Stappen.contains(T("foutlijst")));
}
