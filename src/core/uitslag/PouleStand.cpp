#include "core/uitslag/PouleStand.h"

#include <algorithm>
#include <array>

namespace {

// Points, goal difference and goals for, the numbers every rule compares.
using TDrietal = std::array<qint64, 3>;

void Tel(TStandRegel& team, int voor, int tegen, const TPunten& punten)
{
    ++team.Gespeeld;
    team.Voor += voor;
    team.Tegen += tegen;
    if (voor > tegen) {
        ++team.Gewonnen;
        team.Punten += punten.Winst;
    } else if (voor == tegen) {
        ++team.Gelijk;
        team.Punten += punten.Gelijk;
    } else {
        ++team.Verloren;
        team.Punten += punten.Verlies;
    }
}

TDrietal Drietal(const TStandRegel& r) { return {r.Punten, r.Saldo(), r.Voor}; }

} // namespace

TPouleStand BerekenStand(int aantalTeams, const std::vector<TGespeeld>& gespeeld,
                         const TPunten& punten, const std::optional<QList<int>>& loting)
{
    const auto n = std::size_t(std::max(aantalTeams, 0));
    std::vector<TStandRegel> teams(n);
    for (std::size_t t = 0; t < n; ++t)
        teams[t].Team = int(t);
    bool ietsGespeeld = false;
    for (const TGespeeld& w : gespeeld) {
        if (w.Team1 < 0 || w.Team2 < 0 || std::size_t(w.Team1) >= n || std::size_t(w.Team2) >= n)
            continue;
        Tel(teams[std::size_t(w.Team1)], w.Doelpunten1, w.Doelpunten2, punten);
        Tel(teams[std::size_t(w.Team2)], w.Doelpunten2, w.Doelpunten1, punten);
        ietsGespeeld = true;
    }

    // The last rule: the lot order, or else the poule order.
    std::vector<int> lotPlek(n);
    for (std::size_t t = 0; t < n; ++t)
        lotPlek[t] = int(n + t);
    if (loting) {
        for (qsizetype i = 0; i < loting->size(); ++i)
            lotPlek[std::size_t(loting->at(i) - 1)] = int(i);
    }

    std::vector<int> volgorde(n);
    for (std::size_t t = 0; t < n; ++t)
        volgorde[t] = int(t);
    std::sort(volgorde.begin(), volgorde.end(), [&](int a, int b) {
        return Drietal(teams[std::size_t(a)]) > Drietal(teams[std::size_t(b)]);
    });

    // Every group equal on the three numbers: the same numbers over the matches between just
    // its teams, computed once for the whole group.
    std::vector<TDrietal> onderling(n, TDrietal{0, 0, 0});
    std::size_t begin = 0;
    while (begin < n) {
        std::size_t eind = begin + 1;
        const TDrietal drietal = Drietal(teams[std::size_t(volgorde[begin])]);
        while (eind < n && Drietal(teams[std::size_t(volgorde[eind])]) == drietal)
            ++eind;
        if (eind - begin > 1) {
            std::vector<bool> inGroep(n, false);
            for (std::size_t i = begin; i < eind; ++i)
                inGroep[std::size_t(volgorde[i])] = true;
            std::vector<TStandRegel> mini(n);
            for (const TGespeeld& w : gespeeld) {
                if (w.Team1 < 0 || w.Team2 < 0 || std::size_t(w.Team1) >= n
                    || std::size_t(w.Team2) >= n || !inGroep[std::size_t(w.Team1)]
                    || !inGroep[std::size_t(w.Team2)])
                    continue;
                Tel(mini[std::size_t(w.Team1)], w.Doelpunten1, w.Doelpunten2, punten);
                Tel(mini[std::size_t(w.Team2)], w.Doelpunten2, w.Doelpunten1, punten);
            }
            for (std::size_t i = begin; i < eind; ++i)
                onderling[std::size_t(volgorde[i])] = Drietal(mini[std::size_t(volgorde[i])]);
            std::sort(volgorde.begin() + std::ptrdiff_t(begin),
                      volgorde.begin() + std::ptrdiff_t(eind), [&](int a, int b) {
                          const auto& oa = onderling[std::size_t(a)];
                          const auto& ob = onderling[std::size_t(b)];
                          if (oa != ob)
                              return oa > ob;
                          return lotPlek[std::size_t(a)] < lotPlek[std::size_t(b)];
                      });
        }
        begin = eind;
    }

    TPouleStand stand;
    stand.Regels.reserve(n);
    for (int t : volgorde)
        stand.Regels.push_back(teams[std::size_t(t)]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const int a = volgorde[i];
        const int b = volgorde[i + 1];
        if (Drietal(teams[std::size_t(a)]) == Drietal(teams[std::size_t(b)])
            && onderling[std::size_t(a)] == onderling[std::size_t(b)]) {
            stand.Regels[i + 1].GelijkAanVorige = true;
            // Before the first result every team is level; that is no tie to report.
            if (!loting && ietsGespeeld) {
                stand.Regels[i].GelijkMerk = true;
                stand.Regels[i + 1].GelijkMerk = true;
            }
        }
    }
    return stand;
}
