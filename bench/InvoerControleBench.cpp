// The input check runs before every build (window, schedule tool, exports), so a tournament
// of hundreds of thousands of teams must pass it in well under a second.

#include "core/model/ToernooiModel.h"
#include "core/schema/ControleerKoppelingen.h"
#include "core/schema/TInvoerControle.h"

#include <benchmark/benchmark.h>

namespace {

// aantal teams with distinct names in poules of perPoule teams, every tenth team in no poule
// (a warning each); the poules linked in pairs.
void VulVeleTeams(ToernooiModel& model, int aantal, int perPoule)
{
    ToernooiModel::TeamLijstType teams;
    ToernooiModel::PouleLijstType poules;
    teams.reserve(std::size_t(aantal));
    for (int t = 0; t < aantal; ++t) {
        teams.push_back(std::make_unique<TTeamDetails>(
            QStringLiteral("Team %1").arg(t + 1, 6, 10, QLatin1Char('0'))));
        if (t % 10 == 9)
            continue;
        if (poules.empty() || int(poules.back()->Teams.size()) == perPoule)
            poules.push_back(std::make_unique<TPoule>(QStringLiteral("P%1").arg(poules.size() + 1)));
        poules.back()->Teams.push_back(teams.back().get());
    }
    model.VervangPoulesEnTeams(std::move(poules), std::move(teams));
    const auto& lijst = model.PouleLijst();
    for (std::size_t p = 0; p + 1 < lijst.size(); p += 2) {
        for (const std::size_t q : {p, p + 1}) {
            const int partner = int(q == p ? p + 2 : p + 1);
            model.ZetPouleDetails(lijst[q]->Details.get(), TCompetitieType::HalveCompetitie,
                                  model.PouleOpKruisPositie(partner), TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
        }
    }
}

void InvoerControle(benchmark::State& state)
{
    ToernooiModel model;
    VulVeleTeams(model, int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const TInvoerControle controle = ControleerInvoer(model);
        benchmark::DoNotOptimize(controle.Regels.size());
    }
    state.counters["regels"] = double(ControleerInvoer(model).Regels.size());
}

void Koppelingen(benchmark::State& state)
{
    ToernooiModel model;
    VulVeleTeams(model, int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const QStringList problemen = ControleerKoppelingen(model);
        benchmark::DoNotOptimize(problemen.size());
    }
    state.counters["poules"] = double(model.PouleLijst().size());
}

} // namespace

// 200,000 teams: in poules of 20, and in the most poules a tournament can have (pairs).
BENCHMARK(InvoerControle)->Args({50000, 20})->Args({200000, 20})->Args({200000, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Koppelingen)->Args({200000, 2})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
