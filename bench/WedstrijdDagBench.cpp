// Entering one result on the match day of the largest tournament of the builder benchmarks
// (250 poules of 8..12 teams on 300 fields, every other match already played): the
// standings of its poule and the filled-in names of the cross matches follow. Target: under
// 20 ms, Release build.

#include "GrootToernooi.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TWedstrijdDag.h"

#include <benchmark/benchmark.h>

namespace {

void UitslagInvoeren(benchmark::State& state)
{
    ToernooiModel model;
    VulGrootToernooi(model);
    TSchemaBoom boom;
    if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt) {
        state.SkipWithError("het schema kon niet gebouwd worden");
        return;
    }
    TWedstrijdDag dag(model, boom);
    // Every match played but the last poule match of the first poule, which decides its
    // standings and so the names of its pair's cross matches.
    int laatste = -1;
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        const TDagWedstrijd& w = dag.Wedstrijden()[i];
        if (w.Poule == 0)
            laatste = int(i);
        TUitslag uitslag;
        uitslag.Doelpunten1 = int(i % 3);
        uitslag.Doelpunten2 = int(i % 2);
        uitslag.Beslist = 1;
        dag.ZetUitslag(int(i), uitslag);
    }
    dag.ZetUitslag(laatste, std::nullopt);

    int ronde = 0;
    for (auto _ : state) {
        TUitslag uitslag;
        uitslag.Doelpunten1 = ronde % 2;
        uitslag.Doelpunten2 = 1 - ronde % 2;
        ++ronde;
        dag.ZetUitslag(laatste, uitslag);
        benchmark::DoNotOptimize(dag.Stand(0));
    }
    state.counters["wedstrijden"] = double(dag.Wedstrijden().size());
}

} // namespace

BENCHMARK(UitslagInvoeren)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
