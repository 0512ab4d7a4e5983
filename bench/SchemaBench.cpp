// Build times of the schedule builder on a club-sized tournament and on one that fills most
// of the field usage table.

#include "GrootToernooi.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBouwer.h"

#include <benchmark/benchmark.h>

namespace {

void Bouw(benchmark::State& state, const ToernooiModel& model)
{
    TSchemaBoom boom;
    for (auto _ : state) {
        TSchemaBouwer bouwer(model);
        const TBouwUitkomst uitkomst = bouwer.BouwSchema(boom);
        if (!uitkomst.Gelukt) {
            state.SkipWithError(uitkomst.Reden.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(boom.Ronden.data());
    }
    std::size_t wedstrijden = 0;
    for (const TSchemaRonde& ronde : boom.Ronden) {
        for (const TSchemaVeld& veld : ronde.Velden)
            wedstrijden += veld.Wedstrijd ? 1 : 0;
    }
    state.counters["ronden"] = double(boom.Ronden.size());
    state.counters["wedstrijden"] = double(wedstrijden);
}

void ClubToernooi(benchmark::State& state)
{
    ToernooiModel model;
    VulToernooi(model, std::vector<int>(8, 6), {0}, 6);
    Bouw(state, model);
}

// 250 poules of 8..12 teams on 300 fields: the fields are the limit, every slot is played.
void VolleVelden(benchmark::State& state)
{
    ToernooiModel model;
    VulGrootToernooi(model);
    Bouw(state, model);
}

// The same with long rests, so that the schedule runs through most of the 299 rounds and
// most slots are searched in vain.
void VolleTabel(benchmark::State& state)
{
    ToernooiModel model;
    VulToernooi(model, GroteGroottes(), {int(state.range(0))}, 300);
    Bouw(state, model);
}

} // namespace

BENCHMARK(ClubToernooi)->Unit(benchmark::kMillisecond);
BENCHMARK(VolleVelden)->Unit(benchmark::kMillisecond);
BENCHMARK(VolleTabel)->Arg(8)->Arg(9)->Unit(benchmark::kMillisecond);
