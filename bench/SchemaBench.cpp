// Build times of the schedule builder on a club-sized tournament and on one that fills most
// of the field usage table.

#include "TSchemaBouwer.h"
#include "ToernooiModel.h"

#include <benchmark/benchmark.h>

namespace {

// Poules P1..Pn of the given sizes, full competitions; neighbours linked in pairs, the
// kind of cross matches alternating; the rest cycling through the given values.
void VulToernooi(ToernooiModel& model, const std::vector<int>& groottes,
                 const std::vector<int>& rusten, int velden)
{
    int team = 1;
    for (std::size_t p = 0; p < groottes.size(); ++p) {
        model.VoegPouleToe(QStringLiteral("P") + QString::number(p + 1));
        QList<TTeamDetails*> teams;
        for (int t = 0; t < groottes[p]; ++t)
            teams.append(model.VoegTeamToe(QStringLiteral("T") + QString::number(team++)).Nieuw);
        model.ZetTeamsInPoule(int(p), teams);
    }
    for (std::size_t p = 0; p < groottes.size(); ++p) {
        // Partner positions count from 1: poule p (from 0) pairs with p + 1 or p - 1.
        const std::size_t maat = p % 2 == 0 ? p + 1 : p - 1;
        const int partner = maat < groottes.size() ? int(maat) + 1 : 0;
        const auto type = (p / 2) % 2 == 0 ? TKruisPouleCompetitieType::DubbeleWedstrijden
                                           : TKruisPouleCompetitieType::EnkeleWedstrijden;
        model.ZetPouleDetails(model.PouleLijst()[p]->Details.get(), TCompetitieType::HeleCompetitie,
                              partner, type, rusten[p % rusten.size()]);
    }
    model.ZetGewoneVelden(velden);
    // Fields beyond 299 are only usable after "Reset alle velden.".
    model.ResetAlleVelden();
}

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

std::vector<int> GroteGroottes()
{
    std::vector<int> groottes;
    for (int p = 0; p < 250; ++p)
        groottes.push_back(8 + p % 5);
    return groottes;
}

// 250 poules of 8..12 teams on 300 fields: the fields are the limit, every slot is played.
void VolleVelden(benchmark::State& state)
{
    ToernooiModel model;
    VulToernooi(model, GroteGroottes(), {0, 1, 2}, 300);
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
