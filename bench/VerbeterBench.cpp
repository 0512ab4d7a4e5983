// Timings of the improver (Release): the example tournament, and tournaments of 15, 30 and 60
// poules on as many fields, with the peak of memory the improver holds per usable slot.
#include "GrootToernooi.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/verbeteren/TSchemaVerbeteraar.h"

#include <QFile>
#include <atomic>
#include <chrono>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>

namespace {

// Bytes allocated and not yet freed, and their peak since the last reset.
std::atomic<long long> g_inGebruik{0};
std::atomic<long long> g_piek{0};

void TelErbij(long long bytes)
{
    const long long nu = g_inGebruik += bytes;
    long long piek = g_piek.load();
    while (nu > piek && !g_piek.compare_exchange_weak(piek, nu)) {
    }
}

} // namespace

void* operator new(std::size_t bytes)
{
    void* p = std::malloc(bytes + 16);
    if (!p)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = bytes;
    TelErbij((long long)bytes);
    return static_cast<char*>(p) + 16;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    void* begin = static_cast<char*>(p) - 16;
    g_inGebruik -= (long long)*static_cast<std::size_t*>(begin);
    std::free(begin);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

void Verbeter(benchmark::State& state, const ToernooiModel& model)
{
    TSchemaBoom boom;
    if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt) {
        state.SkipWithError("het toernooi bouwt niet");
        return;
    }
    long long vakken = 0;
    for (const TSchemaRonde& ronde : boom.Ronden)
        for (int veld = 1; veld <= model.AantalVelden(); ++veld)
            vakken += model.Velden().Beschikbaar(veld, ronde.Ronde) ? 1 : 0;
    TVerbeterUitkomst uitkomst;
    long long piek = 0;
    for (auto _ : state) {
        const long long voor = g_inGebruik.load();
        g_piek = voor;
        uitkomst = TSchemaVerbeteraar(model).Verbeter(boom, model.Uitslagen());
        piek = g_piek.load() - voor;
        benchmark::DoNotOptimize(uitkomst);
    }
    state.counters["ronden_voor"] = uitkomst.Voor.Ronden;
    state.counters["ronden_na"] = uitkomst.Na.Ronden;
    state.counters["na_elkaar_voor"] = uitkomst.Voor.AchterElkaar;
    state.counters["na_elkaar_na"] = uitkomst.Na.AchterElkaar;
    state.counters["wacht_voor"] = uitkomst.Voor.LangsteWacht;
    state.counters["wacht_na"] = uitkomst.Na.LangsteWacht;
    state.counters["vakken"] = double(vakken);
    state.counters["piek_bytes"] = double(piek);
    state.counters["bytes_per_vak"] = double(piek) / double(vakken);
}

void BM_Voorbeeld(benchmark::State& state)
{
    ToernooiModel model;
    QFile bestand(QStringLiteral(RONDOPLAN_VOORBEELDEN "/jeugdtoernooi.trn"));
    if (!bestand.open(QIODevice::ReadOnly)) {
        state.SkipWithError("voorbeeld niet gevonden");
        return;
    }
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
    Verbeter(state, model);
}
BENCHMARK(BM_Voorbeeld)->Unit(benchmark::kMillisecond);

// n poules of 8..12 teams (full competitions, neighbours linked, rests 0..2) on n fields.
void BM_Poules(benchmark::State& state)
{
    const int poules = int(state.range(0));
    std::vector<int> groottes = GroteGroottes();
    groottes.resize(std::size_t(poules));
    ToernooiModel model;
    VulToernooi(model, groottes, {0, 1, 2}, poules);
    Verbeter(state, model);
}
BENCHMARK(BM_Poules)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(1);

// The flag is looked at every 1024 steps: how long a stop takes on the largest of them.
void BM_Annuleren(benchmark::State& state)
{
    std::vector<int> groottes = GroteGroottes();
    groottes.resize(60);
    ToernooiModel model;
    VulToernooi(model, groottes, {0, 1, 2}, 60);
    TSchemaBoom boom;
    (void)TSchemaBouwer(model).BouwSchema(boom);
    double langste = 0.0;
    for (auto _ : state) {
        std::atomic<bool> stop{false};
        TSchemaVerbeteraar verbeteraar(model);
        verbeteraar.ZetAnnulering(&stop);
        // Stopped once a tenth of the work is done; counted from the stop until it returns.
        std::chrono::steady_clock::time_point gezet;
        verbeteraar.ZetVoortgang([&](int procent) {
            if (procent >= 10 && !stop) {
                gezet = std::chrono::steady_clock::now();
                stop = true;
            }
        });
        benchmark::DoNotOptimize(verbeteraar.Verbeter(boom, model.Uitslagen()));
        langste = std::max(langste, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - gezet).count());
    }
    state.counters["stop_ms"] = langste;
}
BENCHMARK(BM_Annuleren)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
