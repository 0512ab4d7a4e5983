// Undo and redo on the largest tournament of the builder benchmarks (250 poules of 8..12
// teams on 300 fields, every match played): one result entered is one step; taking it back
// and doing it again brings back the whole state each time. Target: one undo or redo well
// under 20 ms, Release build.

#include "GrootToernooi.h"
#include "core/document/ToernooiDocument.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TWedstrijdDag.h"

#include <benchmark/benchmark.h>

namespace {

struct TGespeeld
{
    ToernooiModel Model;
    TSchemaBoom Boom;
    bool Gebouwd = false;

    TGespeeld()
    {
        VulGrootToernooi(Model);
        Gebouwd = TSchemaBouwer(Model).BouwSchema(Boom).Gelukt;
        if (!Gebouwd)
            return;
        TWedstrijdDag dag(Model, Boom);
        for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i)
            dag.ZetUitslag(int(i), TUitslag{1, int(i % 3), int(i % 2), 0, {}, {}, {}});
        Model.ZetGewijzigd(false);
    }
};

// One step: a result entered, taken into the history.
void StapNemen(benchmark::State& state)
{
    TGespeeld toernooi;
    if (!toernooi.Gebouwd) {
        state.SkipWithError("het schema kon niet gebouwd worden");
        return;
    }
    ToernooiDocument document(toernooi.Model);
    TUitslag uitslag = toernooi.Model.Uitslagen().Lijst().front();
    for (auto _ : state) {
        uitslag.Doelpunten1 = (uitslag.Doelpunten1 + 1) % 10;
        toernooi.Model.WijzigUitslagen([&](TUitslagen& u) { return u.Zet(uitslag); }, u"uitslag invoeren");
        document.SluitStap();
    }
}
BENCHMARK(StapNemen)->Unit(benchmark::kMillisecond);

void OngedaanMakenEnHerhalen(benchmark::State& state)
{
    TGespeeld toernooi;
    if (!toernooi.Gebouwd) {
        state.SkipWithError("het schema kon niet gebouwd worden");
        return;
    }
    ToernooiDocument document(toernooi.Model);
    TUitslag uitslag = toernooi.Model.Uitslagen().Lijst().front();
    uitslag.Doelpunten1 = 7;
    toernooi.Model.WijzigUitslagen([&](TUitslagen& u) { return u.Zet(uitslag); }, u"uitslag invoeren");
    document.SluitStap();
    for (auto _ : state) {
        document.OngedaanMaken();
        document.Herhalen();
    }
    // Two bring-backs per iteration.
    state.counters["per stap"] = benchmark::Counter(
        double(state.iterations()) * 2, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(OngedaanMakenEnHerhalen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
