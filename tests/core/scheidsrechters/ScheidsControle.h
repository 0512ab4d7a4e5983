#pragma once

// For the referee tests: the schedule read afresh from the tree's records, the rules that
// always hold checked without the assigner's own reading, and a small maximum flow of the
// test's own (Edmonds-Karp, lower bounds by the usual transformation) that says how many
// matches can have a referee and whether that many can go with numbers within one.

#include "core/model/TScheidsrechters.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace ScheidsControle {

struct TWedstrijd
{
    int Ronde = 0;
    int Veld = 0;
    int Keer = 0;
    QString Tekst;
    std::vector<const TTeamDetails*> Spelers;
    std::set<const TPouleDetails*> Poules;
    bool Kruis = false;
};

struct TFluiter
{
    QString Naam;
    const TTeamDetails* Team = nullptr;
    const TPouleDetails* Poule = nullptr;
    std::set<int> Afwezig;
};

class TControle
{
public:
    TControle(const ToernooiModel& model, const TSchemaBoom& boom, const TScheidsrechters& regels) : m_regels(regels)
    {
        for (const auto& poule : model.PouleLijst()) {
            for (const TTeamDetails* team : poule->Teams) {
                const bool fluit = regels.Teams == TScheidsTeams::Alle
                                   || (regels.Teams == TScheidsTeams::Poules
                                       && regels.Poules.contains(poule->Details->PouleNaam));
                if (fluit)
                    Fluiters.push_back({team->TeamNaam, team, poule->Details.get(), {}});
            }
        }
        for (const TScheidsPersoon& p : regels.Personen)
            Fluiters.push_back({p.Naam, nullptr, nullptr, {p.Afwezig.begin(), p.Afwezig.end()}});
        QHash<QString, int> keren;
        for (const TSchemaRonde& ronde : boom.Ronden) {
            for (std::size_t v = 0; v < ronde.Velden.size(); ++v) {
                const TSchemaVeld& slot = ronde.Velden[v];
                if (!slot.Wedstrijd)
                    continue;
                TWedstrijd w;
                w.Ronde = ronde.Ronde;
                w.Veld = int(v) + 1;
                w.Tekst = slot.Tekst.mid(slot.Tekst.indexOf(u':') + 2);
                w.Keer = ++keren[w.Tekst];
                const TWedstrijdDetails& d = *slot.Wedstrijd;
                w.Kruis = !d.Team1;
                if (w.Kruis) {
                    w.Poules = {d.Poule1, d.Poule1->KruisPoule};
                    for (const TPouleDetails* p : w.Poules)
                        m_kruis.insert({p, w.Ronde});
                } else {
                    w.Spelers = {d.Team1, d.Team2};
                    w.Poules = {d.Poule1};
                    for (const TTeamDetails* t : w.Spelers)
                        m_speelt.insert({t, w.Ronde});
                    m_laatsteEigen[d.Poule1] = std::max(m_laatsteEigen[d.Poule1], w.Ronde);
                }
                Wedstrijden.push_back(std::move(w));
            }
        }
    }

    // Whether referee f may have match m by the rules that always hold (one a round aside).
    [[nodiscard]] bool Mag(std::size_t f, std::size_t m) const
    {
        const TFluiter& fl = Fluiters[f];
        const TWedstrijd& w = Wedstrijden[m];
        if (!fl.Team)
            return !fl.Afwezig.contains(w.Ronde);
        if (m_speelt.contains({fl.Team, w.Ronde}) || m_kruis.contains({fl.Poule, w.Ronde}))
            return false;
        if (w.Kruis) {
            const auto laatste = m_laatsteEigen.find(fl.Poule);
            if (laatste != m_laatsteEigen.end() && laatste->second >= w.Ronde)
                return false;
        }
        const bool eigen = w.Poules.contains(fl.Poule);
        if (m_regels.Wedstrijden == TScheidsPoules::EigenPoule && !eigen)
            return false;
        if (m_regels.Wedstrijden == TScheidsPoules::AnderePoules && eigen)
            return false;
        return true;
    }

    // The referee of every match (-1 without), or a text saying what in the assignment is
    // wrong: an unknown name or match, a broken rule, a referee twice in one round.
    [[nodiscard]] QString Lees(const QList<TScheidsToewijzing>& toewijzingen, std::vector<int>& fluiter) const
    {
        fluiter.assign(Wedstrijden.size(), -1);
        std::set<std::pair<int, int>> bezet;
        for (const TScheidsToewijzing& t : toewijzingen) {
            const auto m = std::find_if(Wedstrijden.begin(), Wedstrijden.end(), [&](const TWedstrijd& w) {
                return w.Ronde == t.Ronde && w.Veld == t.Veld && w.Keer == t.Keer && w.Tekst == t.Tekst;
            });
            const auto f = std::find_if(Fluiters.begin(), Fluiters.end(),
                                        [&](const TFluiter& fl) { return fl.Naam == t.Naam; });
            if (m == Wedstrijden.end() || f == Fluiters.end())
                return QStringLiteral("onbekend: ") + t.Tekst + QStringLiteral(" / ") + t.Naam;
            const auto mi = std::size_t(m - Wedstrijden.begin());
            const auto fi = std::size_t(f - Fluiters.begin());
            if (!Mag(fi, mi))
                return QStringLiteral("regel gebroken: ") + t.Tekst + QStringLiteral(" / ") + t.Naam;
            if (!bezet.insert({int(fi), t.Ronde}).second)
                return QStringLiteral("twee in een ronde: ") + t.Naam;
            if (fluiter[mi] >= 0)
                return QStringLiteral("twee scheidsrechters: ") + t.Tekst;
            fluiter[mi] = int(fi);
        }
        return {};
    }

    // The most matches that can have a referee, and whether that many can go with every
    // referee's number within one of the others'.
    void Grenzen(int& meeste, bool& gelijkMogelijk) const;

    std::vector<TFluiter> Fluiters;
    std::vector<TWedstrijd> Wedstrijden;

private:
    TScheidsrechters m_regels;
    std::set<std::pair<const TTeamDetails*, int>> m_speelt;
    std::set<std::pair<const TPouleDetails*, int>> m_kruis;
    std::map<const TPouleDetails*, int> m_laatsteEigen;
};

// Edmonds-Karp on an adjacency list.
class TStroom
{
public:
    explicit TStroom(int n) : m_lijst(std::size_t(n)) {}
    int Knoop()
    {
        m_lijst.emplace_back();
        return int(m_lijst.size()) - 1;
    }
    void Rand(int a, int b, int c)
    {
        m_lijst[std::size_t(a)].push_back(int(m_naar.size()));
        m_naar.push_back(b);
        m_rest.push_back(c);
        m_lijst[std::size_t(b)].push_back(int(m_naar.size()));
        m_naar.push_back(a);
        m_rest.push_back(0);
    }
    int Max(int s, int t)
    {
        int totaal = 0;
        std::vector<int> via;
        std::vector<int> rij;
        rij.reserve(m_lijst.size());
        for (;;) {
            via.assign(m_lijst.size(), -1);
            rij.assign(1, s);
            via[std::size_t(s)] = -2;
            for (std::size_t i = 0; i < rij.size() && via[std::size_t(t)] == -1; ++i) {
                const int u = rij[i];
                for (const int e : m_lijst[std::size_t(u)]) {
                    const int v = m_naar[std::size_t(e)];
                    if (m_rest[std::size_t(e)] > 0 && via[std::size_t(v)] == -1) {
                        via[std::size_t(v)] = e;
                        rij.push_back(v);
                    }
                }
            }
            if (via[std::size_t(t)] == -1)
                return totaal;
            int hoeveel = 1 << 30;
            for (int v = t; v != s; v = m_naar[std::size_t(via[std::size_t(v)] ^ 1)])
                hoeveel = std::min(hoeveel, m_rest[std::size_t(via[std::size_t(v)])]);
            for (int v = t; v != s; v = m_naar[std::size_t(via[std::size_t(v)] ^ 1)]) {
                m_rest[std::size_t(via[std::size_t(v)])] -= hoeveel;
                m_rest[std::size_t(via[std::size_t(v)] ^ 1)] += hoeveel;
            }
            totaal += hoeveel;
        }
    }

private:
    std::vector<std::vector<int>> m_lijst;
    std::vector<int> m_naar;
    std::vector<int> m_rest;
};

inline void TControle::Grenzen(int& meeste, bool& gelijkMogelijk) const
{
    const int F = int(Fluiters.size());
    const int M = int(Wedstrijden.size());
    // Nodes: 0 source, 1 sink, 2 super source, 3 super sink, referees, matches, referee-rounds.
    std::vector<char> mag(std::size_t(F) * std::size_t(M));
    for (int f = 0; f < F; ++f) {
        for (int m = 0; m < M; ++m)
            mag[std::size_t(f) * std::size_t(M) + std::size_t(m)] = Mag(std::size_t(f), std::size_t(m));
    }
    const auto netwerk = [&](TStroom& s) {
        std::map<std::pair<int, int>, int> rondeKnoop;
        for (int f = 0; f < F; ++f) {
            for (int m = 0; m < M; ++m) {
                if (!mag[std::size_t(f) * std::size_t(M) + std::size_t(m)])
                    continue;
                const auto sleutel = std::pair(f, Wedstrijden[std::size_t(m)].Ronde);
                auto k = rondeKnoop.find(sleutel);
                if (k == rondeKnoop.end()) {
                    k = rondeKnoop.emplace(sleutel, s.Knoop()).first;
                    s.Rand(4 + f, k->second, 1);
                }
                s.Rand(k->second, 4 + F + m, 1);
            }
        }
        for (int m = 0; m < M; ++m)
            s.Rand(4 + F + m, 1, 1);
    };
    TStroom vrij(4 + F + M);
    netwerk(vrij);
    for (int f = 0; f < F; ++f)
        vrij.Rand(0, 4 + f, M);
    meeste = vrij.Max(0, 1);
    gelijkMogelijk = true;
    if (F == 0)
        return;
    // Each referee between L and L + 1, and exactly meeste in all.
    const int L = meeste / F;
    TStroom begrensd(4 + F + M);
    netwerk(begrensd);
    for (int f = 0; f < F; ++f) {
        begrensd.Rand(0, 4 + f, 1);
        begrensd.Rand(2, 4 + f, L);
    }
    begrensd.Rand(2, 0, meeste - F * L);
    begrensd.Rand(1, 3, meeste);
    gelijkMogelijk = begrensd.Max(2, 3) == meeste;
}

} // namespace ScheidsControle
