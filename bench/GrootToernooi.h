#pragma once

#include "core/model/ToernooiModel.h"

#include <QList>
#include <vector>

// Tournaments for the benchmarks: poules P1..Pn of the given sizes, full competitions;
// neighbours linked in pairs, the kind of cross matches alternating; the rest cycling
// through the given values.
inline void VulToernooi(ToernooiModel& model, const std::vector<int>& groottes,
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
        const bool gekoppeld = p + 1 < groottes.size() || p % 2 == 1;
        const int partner = !gekoppeld ? 0 : p % 2 == 0 ? int(p) + 2 : int(p);
        const auto type = (p / 2) % 2 == 0 ? TKruisPouleCompetitieType::DubbeleWedstrijden
                                           : TKruisPouleCompetitieType::EnkeleWedstrijden;
        model.ZetPouleDetails(model.PouleLijst()[p]->Details.get(),
                              TCompetitieType::HeleCompetitie, model.PouleOpKruisPositie(partner), type,
                              rusten[p % rusten.size()]);
    }
    model.ZetGewoneVelden(velden);
    // Fields beyond 299 are only usable after "Reset alle velden.".
    model.ResetAlleVelden();
}

// The sizes of 250 poules of 8..12 teams.
inline std::vector<int> GroteGroottes()
{
    std::vector<int> groottes;
    for (int p = 0; p < 250; ++p)
        groottes.push_back(8 + p % 5);
    return groottes;
}

// 250 poules of 8..12 teams on 300 fields: the largest schedule the benchmarks build.
inline void VulGrootToernooi(ToernooiModel& model)
{
    VulToernooi(model, GroteGroottes(), {0, 1, 2}, 300);
}
