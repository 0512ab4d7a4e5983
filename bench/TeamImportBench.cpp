// Importing a long team list: 60,000 rows (team, club, address, town, poule) into 6,000 new
// poules of ten, from the bytes of the file to the teams in their poules. Target: well under
// a second, Release build.

#include "core/model/ToernooiModel.h"
#include "core/uitwisseling/TeamImport.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray LangeLijst(int rijen)
{
    QByteArray lijst("Team;Club;Adres;Plaats;Poule\r\n");
    for (int r = 0; r < rijen; ++r) {
        lijst += QStringLiteral("Team %1;Club %2;Sportlaan %3;Zwolle;Poule %4\r\n")
                     .arg(r + 1).arg(r / 3).arg(r % 200).arg(r / 10 + 1).toUtf8();
    }
    return lijst;
}

void BM_Importeer(benchmark::State& state)
{
    const QByteArray lijst = LangeLijst(int(state.range(0)));
    for (auto _ : state) {
        ToernooiModel model;
        const TImportVoorbeeld voorbeeld = TeamImport::Voorbeeld(model, QByteArrayView(lijst));
        TeamImport::Pas(model, voorbeeld);
        benchmark::DoNotOptimize(model.TeamLijst().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Importeer)->Arg(60000)->Unit(benchmark::kMillisecond);

// The preview alone: reading the list and judging every row.
void BM_Voorbeeld(benchmark::State& state)
{
    const QByteArray lijst = LangeLijst(int(state.range(0)));
    const ToernooiModel model;
    for (auto _ : state)
        benchmark::DoNotOptimize(TeamImport::Voorbeeld(model, QByteArrayView(lijst)).Rijen.size());
}
BENCHMARK(BM_Voorbeeld)->Arg(60000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
