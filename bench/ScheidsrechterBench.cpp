// Timings of the referee assignment (Release): 60 poules of 8..12 teams (full competitions,
// neighbours linked, rests 0..2) on 60 fields, every team a referee; with only the rules that
// always hold, and with the preferences switched on; and 250 poules on 250 fields.
#include "GrootToernooi.h"

#include "core/schema/TSchemaBouwer.h"
#include "core/scheidsrechters/TScheidsOpzet.h"
#include "core/scheidsrechters/Toewijzen.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

void Toewijs(benchmark::State& state, TScheidsRust rust, bool nietEigenClub)
{
    std::vector<int> groottes = GroteGroottes();
    groottes.resize(std::size_t(state.range(0)));
    ToernooiModel model;
    VulToernooi(model, groottes, {0, 1, 2}, int(state.range(0)));
    TSchemaBoom boom;
    if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt) {
        state.SkipWithError("het toernooi bouwt niet");
        return;
    }
    TScheidsrechters regels;
    regels.Teams = TScheidsTeams::Alle;
    regels.Rust = rust;
    regels.NietEigenClub = nietEigenClub;
    TScheidsUitkomst uitkomst;
    for (auto _ : state) {
        // The whole command: reading the schedule as the rules see it, and the assignment.
        uitkomst = Toewijzen(TScheidsOpzet(model, boom, regels));
        benchmark::DoNotOptimize(uitkomst);
    }
    QHash<QString, int> aantal;
    for (const TScheidsToewijzing& t : uitkomst.Toewijzingen)
        ++aantal[t.Naam];
    int laag = int(uitkomst.Toewijzingen.size());
    int hoog = 0;
    for (const auto& team : model.TeamLijst()) {
        laag = std::min(laag, aantal.value(team->TeamNaam));
        hoog = std::max(hoog, aantal.value(team->TeamNaam));
    }
    state.counters["teams"] = double(model.TeamLijst().size());
    state.counters["wedstrijden"] = double(uitkomst.Toewijzingen.size() + uitkomst.Open.size());
    state.counters["open"] = double(uitkomst.Open.size());
    state.counters["minste"] = laag;
    state.counters["meeste"] = hoog;
}

void BM_AlleenAltijd(benchmark::State& state)
{
    Toewijs(state, TScheidsRust::Geen, false);
}
BENCHMARK(BM_AlleenAltijd)->Arg(15)->Arg(60)->Unit(benchmark::kMillisecond);
// The largest tournament of the builder's benchmarks, once.
BENCHMARK(BM_AlleenAltijd)->Arg(250)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MetVoorkeuren(benchmark::State& state)
{
    Toewijs(state, TScheidsRust::NietErvoorOfErna, true);
}
BENCHMARK(BM_MetVoorkeuren)->Arg(60)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
