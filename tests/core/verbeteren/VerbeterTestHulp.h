#pragma once

// For the improver's tests: the schedule read and checked afresh, without the improver's own
// reading (TSchemaOpzet) or check (Regelcontrole), and an exact solver for small tournaments.

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TUitslagen.h"

#include <QHash>
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace VerbeterTestHulp {

// One match as the test reads it: place, text, Keer, its teams (index in the team list) and
// its phase: 0 own match (first meeting), 1 return match, 2 crossing phase, 3 placement phase.
struct TLos
{
    int Ronde = 0;
    int Veld = 0;
    QString Tekst;
    int Keer = 0;
    int A = -1;
    int B = -1;
    int Poule = -1; // own poule, or the pair's lower poule for a cross match
    int Fase = 0;
    bool Finale = false;
};

inline int PouleVan(const ToernooiModel& model, const TTeamDetails* team)
{
    const auto& poules = model.PouleLijst();
    for (std::size_t p = 0; p < poules.size(); ++p) {
        if (std::find(poules[p]->Teams.begin(), poules[p]->Teams.end(), team) != poules[p]->Teams.end())
            return int(p);
    }
    return -1;
}

inline std::vector<TLos> Lees(const ToernooiModel& model, const TSchemaBoom& boom)
{
    std::vector<TLos> lijst;
    QHash<QString, int> keren;
    const auto& poules = model.PouleLijst();
    for (const TSchemaRonde& ronde : boom.Ronden) {
        for (std::size_t v = 0; v < ronde.Velden.size(); ++v) {
            const TSchemaVeld& slot = ronde.Velden[v];
            if (!slot.Wedstrijd)
                continue;
            TLos w;
            w.Ronde = ronde.Ronde;
            w.Veld = int(v) + 1;
            w.Tekst = slot.Tekst.mid(slot.Tekst.indexOf(u':') + 2);
            w.Keer = ++keren[w.Tekst];
            if (slot.Wedstrijd->Team1) {
                w.A = model.TeamIndex(slot.Wedstrijd->Team1);
                w.B = model.TeamIndex(slot.Wedstrijd->Team2);
                w.Poule = PouleVan(model, slot.Wedstrijd->Team1);
                w.Fase = w.Keer == 1 ? 0 : 1;
            } else {
                const int p = model.PouleIndex(slot.Wedstrijd->Poule1);
                const int q = model.PouleIndex(poules[std::size_t(p)]->Details->KruisPoule);
                w.Poule = std::min(p, q);
                const bool dubbel = poules[std::size_t(p)]->Details->KruisPouleCompetitieType ==
                                    TKruisPouleCompetitieType::DubbeleWedstrijden;
                const bool uitslag = w.Tekst.contains(QStringLiteral("Winnaar")) ||
                                     w.Tekst.contains(QStringLiteral("Verliezer"));
                w.Fase = dubbel && !uitslag ? 2 : 3;
                w.Finale = w.Tekst.startsWith(QStringLiteral("1e&2e:"));
            }
            lijst.push_back(w);
        }
    }
    return lijst;
}

inline bool Bruikbaar(const ToernooiModel& model, int veld, int ronde)
{
    return veld >= 1 && veld <= model.AantalVelden() && ronde >= 1 && ronde <= 299 &&
           model.Velden().Cel(veld, ronde) == QStringLiteral("Wedstrijd");
}

inline int Partner(const ToernooiModel& model, int p)
{
    return model.PouleIndex(model.PouleLijst()[std::size_t(p)]->Details->KruisPoule);
}

// Every rule of a schedule, checked from the texts, records and the model; the first broken
// one as text, or empty. gebouwd: the builder's schedule (the same matches); vorig and
// uitslagen: the matches with a result there keep round and field.
inline std::string EersteFout(const ToernooiModel& model, const TSchemaBoom& boom, const TSchemaBoom& gebouwd,
                              const TSchemaBoom* vorig = nullptr, const TUitslagen* uitslagen = nullptr)
{
    const std::vector<TLos> lijst = Lees(model, boom);
    auto tekst = [](const QString& s) { return s.toStdString(); };
    // Shape: increasing rounds, slot f at place f.
    int vorige = 0;
    for (const TSchemaRonde& ronde : boom.Ronden) {
        if (ronde.Ronde <= vorige || ronde.Tekst != QStringLiteral("Ronde %1").arg(ronde.Ronde))
            return "rondevolgorde " + std::to_string(ronde.Ronde);
        vorige = ronde.Ronde;
        for (std::size_t v = 0; v < ronde.Velden.size(); ++v) {
            if (!ronde.Velden[v].Tekst.startsWith(QStringLiteral("Veld %1: ").arg(v + 1)))
                return "slottekst " + tekst(ronde.Velden[v].Tekst);
            if (!ronde.Velden[v].Wedstrijd && ronde.Velden[v].Tekst != QStringLiteral("Veld %1: Geen wedstrijd").arg(v + 1))
                return "leeg slot " + tekst(ronde.Velden[v].Tekst);
        }
    }
    // Same matches.
    std::map<QString, int> telling;
    for (const TLos& w : Lees(model, gebouwd))
        ++telling[w.Tekst];
    for (const TLos& w : lijst)
        --telling[w.Tekst];
    for (const auto& [t, n] : telling) {
        if (n != 0)
            return "andere wedstrijden: " + tekst(t);
    }
    for (const TLos& w : lijst) {
        if (!Bruikbaar(model, w.Veld, w.Ronde))
            return "onbruikbaar vak " + tekst(w.Tekst);
    }
    // Teams: once per round, with rest.
    std::map<int, std::vector<int>> rondenVan;
    for (const TLos& w : lijst) {
        if (w.A >= 0) {
            rondenVan[w.A].push_back(w.Ronde);
            rondenVan[w.B].push_back(w.Ronde);
        }
    }
    for (auto& [team, ronden] : rondenVan) {
        std::sort(ronden.begin(), ronden.end());
        const int rust = model.PouleLijst()[std::size_t(PouleVan(model, model.TeamLijst()[std::size_t(team)].get()))]
                             ->Details->MinimaleRust;
        for (std::size_t i = 1; i < ronden.size(); ++i) {
            if (ronden[i] - ronden[i - 1] <= rust || ronden[i] == ronden[i - 1])
                return "rust van team " + std::to_string(team);
        }
    }
    // Phases.
    const int aantal = int(model.PouleLijst().size());
    for (int p = 0; p < aantal; ++p) {
        int heenMax = 0, terugMin = 1000, eigenMax = 0, kruisMin = 1000, kruisMax = 0, plaatsMin = 1000;
        const int q = Partner(model, p);
        for (const TLos& w : lijst) {
            if (w.A >= 0 && w.Poule == p)
                (w.Fase == 0 ? heenMax = std::max(heenMax, w.Ronde) : terugMin = std::min(terugMin, w.Ronde));
            if (w.A >= 0 && (w.Poule == p || w.Poule == q))
                eigenMax = std::max(eigenMax, w.Ronde);
            if (w.A < 0 && w.Poule == p) {
                kruisMin = std::min(kruisMin, w.Ronde);
                if (w.Fase == 2)
                    kruisMax = std::max(kruisMax, w.Ronde);
                else
                    plaatsMin = std::min(plaatsMin, w.Ronde);
            }
        }
        if (terugMin < heenMax)
            return "returnwedstrijd te vroeg in poule " + std::to_string(p);
        if (kruisMin <= eigenMax)
            return "kruiswedstrijd te vroeg bij poule " + std::to_string(p);
        if (plaatsMin <= kruisMax)
            return "plaatsingswedstrijd te vroeg bij poule " + std::to_string(p);
    }
    // Finals on field 1.
    std::map<int, bool> finaleOp1;
    for (const TLos& w : lijst) {
        if (w.Finale)
            finaleOp1[w.Ronde] = finaleOp1[w.Ronde] || w.Veld == 1;
    }
    for (const auto& [ronde, op1] : finaleOp1) {
        if (!op1 && Bruikbaar(model, 1, ronde))
            return "finale niet op veld 1 in ronde " + std::to_string(ronde);
    }
    // Played matches in place.
    if (vorig && uitslagen) {
        for (const TLos& w : Lees(model, *vorig)) {
            if (!uitslagen->Zoek(w.Tekst, w.Keer))
                continue;
            const auto plek = std::find_if(lijst.begin(), lijst.end(), [&](const TLos& n) {
                return n.Tekst == w.Tekst && n.Keer == w.Keer;
            });
            if (plek == lijst.end() || plek->Ronde != w.Ronde || plek->Veld != w.Veld)
                return "gespeelde wedstrijd verplaatst: " + tekst(w.Tekst);
        }
    }
    return {};
}

// Back-to-back matches of a schedule: a team in rounds r and r + 1.
inline int AchterElkaar(const std::vector<TLos>& lijst)
{
    std::map<int, std::vector<int>> rondenVan;
    for (const TLos& w : lijst) {
        if (w.A >= 0) {
            rondenVan[w.A].push_back(w.Ronde);
            rondenVan[w.B].push_back(w.Ronde);
        }
    }
    int totaal = 0;
    for (auto& [team, ronden] : rondenVan) {
        std::sort(ronden.begin(), ronden.end());
        for (std::size_t i = 1; i < ronden.size(); ++i)
            totaal += ronden[i] - ronden[i - 1] == 1 ? 1 : 0;
    }
    return totaal;
}

// The exact optimum (fewest rounds, then fewest back-to-back matches) of the matches of a
// schedule, by branch and bound over the rounds: each round takes a set of the matches whose
// phase allows them, within the round's usable fields, each team once, with its rest.
class TExacteOplosser
{
public:
    struct TOptimum
    {
        bool Bewezen = false;
        int Ronden = 0;
        int AchterElkaar = 0;
    };

    TExacteOplosser(const ToernooiModel& model, const TSchemaBoom& gebouwd, std::int64_t knopen)
        : m_model(model), m_limiet(knopen)
    {
        m_lijst = Lees(model, gebouwd);
        m_teams = int(model.TeamLijst().size());
        for (const TLos& w : m_lijst)
            m_bouwerRonden = std::max(m_bouwerRonden, w.Ronde);
        m_bouwerB = AchterElkaar(m_lijst);
        m_rust.assign(std::size_t(m_teams), 0);
        for (const auto& poule : model.PouleLijst()) {
            for (const TTeamDetails* team : poule->Teams)
                m_rust[std::size_t(model.TeamIndex(team))] = poule->Details->MinimaleRust;
        }
    }

    TOptimum Los()
    {
        for (int ronden = 1; ronden <= m_bouwerRonden; ++ronden) {
            m_ronden = ronden;
            // At the builder's rounds its schedule is known to fit: only fewer back-to-back
            // matches are sought.
            m_beste = ronden == m_bouwerRonden ? m_bouwerB : 1 << 30;
            m_gevonden = ronden == m_bouwerRonden;
            m_knopen = 0;
            m_ronde.assign(m_lijst.size(), 0);
            m_laatste.assign(std::size_t(m_teams), -1000);
            m_over.assign(std::size_t(m_teams), 0);
            for (const TLos& w : m_lijst) {
                if (w.A >= 0) {
                    ++m_over[std::size_t(w.A)];
                    ++m_over[std::size_t(w.B)];
                }
            }
            m_geplaatst = 0;
            Ronde(1, 0);
            if (m_knopen > m_limiet)
                return {};
            if (m_gevonden)
                return {true, ronden, m_beste};
        }
        return {};
    }

private:
    bool Mag(std::size_t i, int ronde) const
    {
        const TLos& w = m_lijst[i];
        if (w.A >= 0) {
            for (const int t : {w.A, w.B}) {
                if (ronde - m_laatste[std::size_t(t)] <= m_rust[std::size_t(t)] || m_laatste[std::size_t(t)] == ronde)
                    return false;
            }
        }
        // Every match of an earlier phase of the same poule or pair placed in an earlier
        // round (a return match: not in a later one).
        for (std::size_t j = 0; j < m_lijst.size(); ++j) {
            const TLos& v = m_lijst[j];
            // A return match may share its round with the last first meetings: Kies checks it.
            if (!Eerder(v, w) || w.Fase == 1)
                continue;
            if (m_ronde[j] == 0 || m_ronde[j] >= ronde)
                return false;
        }
        return true;
    }

    // Whether v must come before w.
    bool Eerder(const TLos& v, const TLos& w) const
    {
        if (w.A >= 0)
            return w.Fase == 1 && v.A >= 0 && v.Poule == w.Poule && v.Fase == 0;
        if (v.A >= 0)
            return v.Poule == w.Poule || v.Poule == Partner(m_model, w.Poule);
        return v.Poule == w.Poule && v.Fase == 2 && w.Fase == 3;
    }

    // A lower bound of the back-to-back matches still to come, and whether the rest fits at all.
    bool Haalbaar(int ronde, int b) const
    {
        const int over = int(m_lijst.size()) - m_geplaatst;
        int ruimte = 0;
        for (int r = ronde; r <= m_ronden; ++r)
            for (int v = 1; v <= m_model.AantalVelden(); ++v)
                ruimte += Bruikbaar(m_model, v, r) ? 1 : 0;
        if (over > ruimte)
            return false;
        int grens = b;
        for (int t = 0; t < m_teams; ++t) {
            const int g = m_over[std::size_t(t)];
            if (g == 0)
                continue;
            const int vanaf = std::max(ronde, m_laatste[std::size_t(t)] + 1 + m_rust[std::size_t(t)]);
            const int venster = m_ronden - vanaf + 1;
            if ((g - 1) * (m_rust[std::size_t(t)] + 1) + 1 > venster)
                return false;
            grens += std::max(0, 2 * g - 1 - venster);
        }
        return grens < m_beste;
    }

    void Ronde(int ronde, int b)
    {
        if (++m_knopen > m_limiet)
            return;
        if (m_geplaatst == int(m_lijst.size())) {
            if (b < m_beste) {
                m_beste = b;
                m_gevonden = true;
            }
            return;
        }
        if (ronde > m_ronden || !Haalbaar(ronde, b))
            return;
        // First meetings before return matches, so a return match sees the round's choice.
        std::vector<std::size_t> kandidaten;
        for (const int fase : {0, 1, 2, 3}) {
            for (std::size_t i = 0; i < m_lijst.size(); ++i) {
                if (m_lijst[i].Fase == fase && m_ronde[i] == 0 && Mag(i, ronde))
                    kandidaten.push_back(i);
            }
        }
        int velden = 0;
        for (int v = 1; v <= m_model.AantalVelden(); ++v)
            velden += Bruikbaar(m_model, v, ronde) ? 1 : 0;
        std::vector<std::size_t> keuze;
        std::vector<char> bezet(std::size_t(m_teams), 0);
        Kies(ronde, b, kandidaten, 0, velden, keuze, bezet);
    }

    void Kies(int ronde, int b, const std::vector<std::size_t>& kandidaten, std::size_t k, int velden,
              std::vector<std::size_t>& keuze, std::vector<char>& bezet)
    {
        if (m_knopen > m_limiet)
            return;
        if (k == kandidaten.size() || int(keuze.size()) == velden) {
            // Place the chosen set, go to the next round.
            int erbij = 0;
            std::vector<int> oudLaatste;
            for (const std::size_t i : keuze) {
                const TLos& w = m_lijst[i];
                m_ronde[i] = ronde;
                ++m_geplaatst;
                if (w.A >= 0) {
                    for (const int t : {w.A, w.B}) {
                        oudLaatste.push_back(m_laatste[std::size_t(t)]);
                        erbij += m_laatste[std::size_t(t)] == ronde - 1 ? 1 : 0;
                        m_laatste[std::size_t(t)] = ronde;
                        --m_over[std::size_t(t)];
                    }
                }
            }
            Ronde(ronde + 1, b + erbij);
            std::size_t o = oudLaatste.size();
            for (auto it = keuze.rbegin(); it != keuze.rend(); ++it) {
                const TLos& w = m_lijst[*it];
                m_ronde[*it] = 0;
                --m_geplaatst;
                if (w.A >= 0) {
                    for (const int t : {w.B, w.A}) {
                        m_laatste[std::size_t(t)] = oudLaatste[--o];
                        ++m_over[std::size_t(t)];
                    }
                }
            }
            return;
        }
        const std::size_t i = kandidaten[k];
        const TLos& w = m_lijst[i];
        bool heenKlaar = true;
        if (w.Fase == 1) {
            for (std::size_t j = 0; j < m_lijst.size(); ++j) {
                if (Eerder(m_lijst[j], w) && m_ronde[j] == 0 &&
                    std::find(keuze.begin(), keuze.end(), j) == keuze.end())
                    heenKlaar = false;
            }
        }
        if (heenKlaar && (w.A < 0 || (!bezet[std::size_t(w.A)] && !bezet[std::size_t(w.B)]))) {
            keuze.push_back(i);
            if (w.A >= 0)
                bezet[std::size_t(w.A)] = bezet[std::size_t(w.B)] = 1;
            Kies(ronde, b, kandidaten, k + 1, velden, keuze, bezet);
            if (w.A >= 0)
                bezet[std::size_t(w.A)] = bezet[std::size_t(w.B)] = 0;
            keuze.pop_back();
        }
        Kies(ronde, b, kandidaten, k + 1, velden, keuze, bezet);
    }

    const ToernooiModel& m_model;
    std::int64_t m_limiet;
    std::vector<TLos> m_lijst;
    int m_teams = 0;
    int m_bouwerRonden = 0;
    int m_bouwerB = 0;
    std::vector<int> m_rust;
    int m_ronden = 0;
    int m_beste = 0;
    bool m_gevonden = false;
    std::int64_t m_knopen = 0;
    std::vector<int> m_ronde;
    std::vector<int> m_laatste;
    std::vector<int> m_over;
    int m_geplaatst = 0;
};

} // namespace VerbeterTestHulp
