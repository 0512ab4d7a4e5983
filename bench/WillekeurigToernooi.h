#pragma once

#include "core/model/ToernooiModel.h"

#include <QList>
#include <cstdint>

// Random tournaments for the improver's corpus: poules of random sizes, full and half
// competitions, rests, mutual links of either kind, fields with unusable cells. A corpus is
// a seed and a shape; its own small generator (not the standard distributions, which differ
// between libraries) gives the same tournaments everywhere.
struct TCorpusVorm
{
    int MinPoules = 1;
    int MaxPoules = 7;
    int MinTeams = 2;
    int MaxTeams = 8;
    int MinVelden = 1;
    int MaxVelden = 4;
};

class TCorpusToeval
{
public:
    explicit TCorpusToeval(std::uint64_t zaad) : m_toestand(zaad) {}
    int Tussen(int laag, int hoog)
    {
        m_toestand = m_toestand * 6364136223846793005ULL + 1442695040888963407ULL;
        return laag + int((m_toestand >> 33) % std::uint64_t(hoog - laag + 1));
    }

private:
    std::uint64_t m_toestand;
};

inline void MaakCorpusToernooi(ToernooiModel& model, TCorpusToeval& toeval, const TCorpusVorm& vorm)
{
    const int aantal = toeval.Tussen(vorm.MinPoules, vorm.MaxPoules);
    int team = 1;
    for (int p = 0; p < aantal; ++p) {
        model.VoegPouleToe(QStringLiteral("P") + QString::number(p + 1));
        QList<TTeamDetails*> teams;
        const int n = toeval.Tussen(vorm.MinTeams, vorm.MaxTeams);
        for (int t = 0; t < n; ++t)
            teams.append(model.VoegTeamToe(QStringLiteral("T") + QString::number(team++)).Nieuw);
        model.ZetTeamsInPoule(p, teams);
    }
    std::vector<int> partner(std::size_t(aantal), 0);
    std::vector<TKruisPouleCompetitieType> soort(std::size_t(aantal), TKruisPouleCompetitieType::EnkeleWedstrijden);
    for (int p = 0; p + 1 < aantal; p += 2) {
        if (toeval.Tussen(0, 2) == 0)
            continue;
        const auto type = toeval.Tussen(0, 1) == 0 ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                                   : TKruisPouleCompetitieType::DubbeleWedstrijden;
        partner[std::size_t(p)] = p + 2;
        partner[std::size_t(p) + 1] = p + 1;
        soort[std::size_t(p)] = soort[std::size_t(p) + 1] = type;
    }
    for (int p = 0; p < aantal; ++p) {
        const auto competitie = toeval.Tussen(0, 2) == 0 ? TCompetitieType::HeleCompetitie
                                                         : TCompetitieType::HalveCompetitie;
        const int rust = toeval.Tussen(0, 5) == 0 ? toeval.Tussen(1, 2) : 0;
        model.ZetPouleDetails(model.PouleLijst()[std::size_t(p)]->Details.get(), competitie,
                              model.PouleOpKruisPositie(partner[std::size_t(p)]), soort[std::size_t(p)], rust);
    }
    model.ZetGewoneVelden(toeval.Tussen(vorm.MinVelden, vorm.MaxVelden));
    for (int ronde = 1; ronde <= 40; ++ronde) {
        for (int veld = 1; veld <= model.AantalVelden(); ++veld) {
            if (toeval.Tussen(0, 9) == 0)
                model.ZetVeldBeschikbaar(veld, ronde, false);
        }
    }
}
