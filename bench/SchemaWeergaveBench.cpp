// Filling the schedule window with the largest schedule the builder benchmark makes, and
// changing the highlighted team there: the view's own cost, with the screen fonts.

#include "GrootToernooi.h"
#include "core/afdruk/SchemaWeergave.h"
#include "core/schema/TSchemaBouwer.h"
#include "gui/afdruk/LettertypeOmzetting.h"
#include "ui/schema/SchemaTekstVeld.h"

#include <QApplication>
#include <QFontMetrics>
#include <benchmark/benchmark.h>

namespace {

struct GrootSchema
{
    GrootSchema()
    {
        VulGrootToernooi(model);
        if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt)
            std::abort();
        invoer.Schema = &boom;
        invoer.Velden = &model.Velden();
        invoer.ToernooiNaam = QStringLiteral("Groot toernooi");
        invoer.AantalVelden = model.AantalVelden();
        invoer.LinesPerPage = 60;
        invoer.Fonts = model.Lettertypen();
        invoer.SchermBreedte = [](const QString& tekst, const TLettertype& font) {
            return QFontMetrics(LettertypeOmzetting::NaarQFont(font)).horizontalAdvance(tekst);
        };
    }

    ToernooiModel model;
    TSchemaBoom boom;
    SchemaWeergave::Invoer invoer;
};

GrootSchema& Schema()
{
    static GrootSchema schema;
    return schema;
}

void VulWeergave(benchmark::State& state)
{
    GrootSchema& groot = Schema();
    SchemaWeergave weergave;
    SchemaTekstVeld veld;
    veld.resize(800, 600);
    for (auto _ : state) {
        weergave.FillView(groot.invoer);
        weergave.MarkVetTeam(QString(), QString());
        veld.ToonWeergave(&weergave);
    }
    state.counters["regels"] = double(weergave.Regels().size());
}

void WisselVetTeam(benchmark::State& state)
{
    GrootSchema& groot = Schema();
    SchemaWeergave weergave;
    weergave.FillView(groot.invoer);
    SchemaTekstVeld veld;
    veld.resize(800, 600);
    veld.ToonWeergave(&weergave);
    int team = 1;
    for (auto _ : state) {
        const QString naam = QStringLiteral("T") + QString::number(team);
        weergave.MarkVetTeam(naam, QStringLiteral("P") + QString::number(1 + team % 250));
        veld.WerkMarkeringBij();
        team = team % 2500 + 1;
    }
}

} // namespace

BENCHMARK(VulWeergave)->Unit(benchmark::kMillisecond);
BENCHMARK(WisselVetTeam)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
