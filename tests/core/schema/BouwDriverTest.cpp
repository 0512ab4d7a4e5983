#include "hulp/QtAfdrukken.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/ScriptVraagsteller.h"
#include "schema/BouwDriver.h"

#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

// Records which steps the driver took, in order.
struct Driver
{
    Driver()
        : driver(model, vragen,
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
    EXPECT_TRUE(d.model.SchemaGebouwd());
    EXPECT_FALSE(d.driver.Schema().Leeg());

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
    EXPECT_FALSE(d.model.SchemaGebouwd());
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
    const QStringList vorig = Regels(d.driver.Schema());

    // A one-sided link can never finish.
    d.model.ZetPouleDetails(d.model.PouleLijst()[0]->Details.get(), TCompetitieType::HeleCompetitie,
                            2, TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
    d.model.ZetSchemaGebouwd(false);
    EXPECT_FALSE(d.driver.Button1Click());
    ASSERT_EQ(d.vragen.Gevraagd.size(), 1);
    EXPECT_EQ(d.vragen.Gevraagd[0].Titel, T("Fout"));
    EXPECT_FALSE(d.vragen.Gevraagd[0].Tekst.isEmpty());
    EXPECT_EQ(Regels(d.driver.Schema()), vorig);
    EXPECT_FALSE(d.model.SchemaGebouwd());
}

TEST(BouwDriver, AStoppedBuildKeepsThePreviousScheduleWithoutAFaultBox)
{
    Driver d;
    VoegPoulesToe(d.model, {{"A", TeamReeks(1, 4)}});
    ASSERT_TRUE(d.driver.Button1Click());
    const QStringList vorig = Regels(d.driver.Schema());

    d.model.ZetGewijzigd(true);
    d.Annuleer = true;
    EXPECT_FALSE(d.driver.Button1Click());
    EXPECT_TRUE(d.vragen.Gevraagd.isEmpty());
    EXPECT_EQ(Regels(d.driver.Schema()), vorig);
    EXPECT_EQ(d.Stappen.count(QStringLiteral("nieuw")), 1);

    // The next build is not stopped by the earlier request.
    d.Annuleer = false;
    EXPECT_TRUE(d.driver.Button1Click());
}
