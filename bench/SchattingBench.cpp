// The estimate shown while editing runs on every change, so it must stay far below a frame.

#include "GrootToernooi.h"
#include "core/kwaliteit/SchemaSchatting.h"
#include "core/model/ToernooiModel.h"

#include <benchmark/benchmark.h>

namespace {

void Schat(benchmark::State& state, const ToernooiModel& model)
{
    for (auto _ : state) {
        const TSchemaSchatting schatting = SchatSchema(model);
        benchmark::DoNotOptimize(schatting.Ondergrens.Ronden);
    }
    state.counters["ondergrens"] = double(SchatSchema(model).Ondergrens.Ronden);
}

// 250 poules on 300 fields: the capacity is reached early in the table.
void GrootToernooi(benchmark::State& state)
{
    ToernooiModel model;
    VulGrootToernooi(model);
    Schat(state, model);
}

// The same with only field 1 usable: all cells of 300 fields in rounds 1..299 are looked at
// before the answer is "too few cells", the most the estimate ever counts.
void GrootToernooiPastNiet(benchmark::State& state)
{
    ToernooiModel model;
    VulGrootToernooi(model);
    for (int ronde = 1; ronde <= VeldenEnRonden::OpgeslagenRijen; ++ronde) {
        for (int veld = 2; veld <= model.AantalVelden(); ++veld)
            model.ZetVeldBeschikbaar(veld, ronde, false);
    }
    Schat(state, model);
}

} // namespace

BENCHMARK(GrootToernooi)->Unit(benchmark::kMicrosecond);
BENCHMARK(GrootToernooiPastNiet)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
