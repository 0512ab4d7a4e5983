// Saving and loading a large tournament: 10,000 teams in 500 poules of 20, every team with
// its contact details, partners linked in pairs. Target: under 100 ms each, Release build.

#include "core/bestand/ToernooiBestand.h"
#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"

#include <QDateTime>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int AantalPoules = 500;
constexpr int TeamsPerPoule = 20;

void VulGrootToernooi(ToernooiModel& model)
{
    model.ZetToernooiNaam(QStringLiteral("Groot toernooi"));
    model.ZetAantalDelen(3);
    model.ZetAantalDelenPerDag(2);
    model.ZetGewoneVelden(24);
    for (int ronde = 1; ronde <= 99; ronde += 7)
        model.ZetVeldBeschikbaar(1 + ronde % 24, ronde, false);

    ToernooiModel::PouleLijstType poules;
    ToernooiModel::TeamLijstType teams;
    for (int p = 0; p < AantalPoules; ++p) {
        auto poule = std::make_unique<TPoule>(QStringLiteral("Poule %1").arg(p + 1));
        poule->Details->MinimaleRust = p % 3;
        for (int t = 0; t < TeamsPerPoule; ++t) {
            auto team =
                std::make_unique<TTeamDetails>(QStringLiteral("Team %1-%2").arg(p + 1).arg(t + 1));
            team->ClubAdres = QStringLiteral("Sportlaan %1").arg(t + 1);
            team->ClubPostcodePlaats = QStringLiteral("1234 AB Zwolle");
            team->ClubTelefoon = QStringLiteral("038-1234567");
            team->BegeleiderNaam = QStringLiteral("Begeleider van team %1").arg(t + 1);
            team->BegeleiderTelefoon = QStringLiteral("06-12345678");
            poule->Teams.push_back(team.get());
            teams.push_back(std::move(team));
        }
        poules.push_back(std::move(poule));
    }
    // Pairs 1-2, 3-4, ...
    for (std::size_t p = 0; p + 1 < poules.size(); p += 2) {
        poules[p]->Details->KruisPoule = poules[p + 1]->Details.get();
        poules[p + 1]->Details->KruisPoule = poules[p]->Details.get();
    }
    model.VervangPoulesEnTeams(std::move(poules), std::move(teams));
}

const QDateTime Moment(QDate(2026, 6, 1), QTime(12, 0));

void BM_Opslaan(benchmark::State& state)
{
    ToernooiModel model;
    VulGrootToernooi(model);
    qsizetype grootte = 0;
    for (auto _ : state) {
        const QByteArray bytes = ToernooiSchrijver::ToernooiBytes(model, Moment, QLocale::c());
        grootte = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["bytes"] = double(grootte);
}

void BM_Laden(benchmark::State& state)
{
    ToernooiModel bron;
    VulGrootToernooi(bron);
    const QByteArray bytes = ToernooiSchrijver::ToernooiBytes(bron, Moment, QLocale::c());
    ToernooiModel model;
    for (auto _ : state) {
        ToernooiLezer::LeesToernooiBytes(model, bytes);
        benchmark::DoNotOptimize(model.TeamLijst().size());
    }
    if (model.TeamLijst().size() != std::size_t(AantalPoules * TeamsPerPoule))
        state.SkipWithError("not every team was loaded");
}

// Answers every dialog with the one file, every question with Yes.
class VasteAntwoorden : public TVraagsteller
{
public:
    explicit VasteAntwoorden(QString pad) : m_pad(std::move(pad)) {}
    void Melding(const QString&, const QString&) override { ++Meldingen; }
    bool VraagJaNee(const QString&, const QString&) override { return true; }
    TAntwoord VraagJaNeeAnnuleren(const QString&, const QString&) override { return TAntwoord::Ja; }
    QString VraagNaam() override { return {}; }
    QString KiesTeOpenenBestand(const QString&, const QString&, const QString&) override { return m_pad; }
    QString KiesOpTeSlaanBestand(const QString&, const QString&, const QString&) override { return m_pad; }
    int Meldingen = 0;

private:
    QString m_pad;
};

// The whole commands through real files: backup, atomic write, reading and applying.
void BM_OpslaanEnLadenViaBestand(benchmark::State& state)
{
    QTemporaryDir map;
    VasteAntwoorden antwoorden(map.filePath(QStringLiteral("Groot.trn")));
    ToernooiModel model;
    ToernooiDocument document(model);
    VulGrootToernooi(model);
    ToernooiBestand bestand(document, antwoorden);
    for (auto _ : state) {
        model.ZetGewijzigd(true);
        if (bestand.Opslaan() != TBestandUitkomst::Gelukt)
            state.SkipWithError("saving failed");
        model.ZetGewijzigd(false);
        if (bestand.Laden() != TBestandUitkomst::Gelukt)
            state.SkipWithError("loading failed");
    }
}

} // namespace

BENCHMARK(BM_OpslaanEnLadenViaBestand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Opslaan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Laden)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
