#include "core/schema/TInvoerControle.h"
#include "hulp/SchemaTestHulp.h"

using namespace SchemaTestHulp;
using TSoort = TInvoerControle::TSoort;

TEST(InvoerControle, NoPoulesIsAnError)
{
    ToernooiModel model;
    const TInvoerControle controle = ControleerInvoer(model);
    EXPECT_EQ(controle.Teksten(),
              Lijst({"* FOUT * U heeft geen poules aangemaakt.",
                     "Er zijn nog fouten waardoor het schema niet gebouwd kan worden."}));
    EXPECT_FALSE(controle.MagBouwen());
    EXPECT_EQ(controle.Regels.back().Soort, TSoort::Slot);
}

TEST(InvoerControle, TeamsOutsidePoulesWarnInTeamListOrderAndSmallPoulesAreErrors)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"Leeg", {}}, {"Klein", {T("Zwart")}}, {"Goed", TeamReeks(1, 2)}});
    model.VoegTeamToe(T("wit"));
    model.VoegTeamToe(T("Blauw"));
    const TInvoerControle controle = ControleerInvoer(model);
    EXPECT_EQ(
        controle.Teksten(),
        Lijst(
            {"- Waarschuwing - Team Blauw is niet ingedeeld in een poule!",
             "- Waarschuwing - Team wit is niet ingedeeld in een poule!",
             "* FOUT * Poule Leeg heeft maar 0 team(s). Niet genoeg om wedstrijden mee te bouwen.",
             "* FOUT * Poule Klein heeft maar 1 team(s). Niet genoeg om wedstrijden mee te bouwen.",
             "Er zijn nog fouten waardoor het schema niet gebouwd kan worden."}));
    EXPECT_EQ(controle.Regels.at(0).Soort, TSoort::Waarschuwing);
    EXPECT_EQ(controle.Regels.at(2).Soort, TSoort::Fout);
    EXPECT_TRUE(controle.HeeftWaarschuwingen());
    EXPECT_FALSE(controle.MagBouwen());
}

TEST(InvoerControle, WarningsAloneLetTheBuildGoOn)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 2)}});
    EXPECT_TRUE(ControleerInvoer(model).Regels.isEmpty());
    model.VoegTeamToe(T("Los"));
    const TInvoerControle controle = ControleerInvoer(model);
    EXPECT_EQ(controle.Teksten(),
              Lijst({"- Waarschuwing - Team Los is niet ingedeeld in een poule!",
                     "Er zijn een aantal waarshuwingen. Schema zal gewoon gemaakt worden."}));
    EXPECT_TRUE(controle.MagBouwen());
    EXPECT_FALSE(controle.HeeftFouten());
    // The build leaves the loose team out.
    EXPECT_EQ(Bouw(model), Lijst({"Ronde 1", "  Veld 1: A : T1 x T2", "Ronde 2"}));
}
