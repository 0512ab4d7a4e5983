#include "core/scheidsrechters/Toewijzen.h"

#include "core/scheidsrechters/MaxStroom.h"
#include "core/scheidsrechters/ScheidsrechterRegels.h"
#include "core/scheidsrechters/TScheidsOpzet.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>

namespace {

// Costs are small (a few preferences of weight 10), so a byte holds one: the table has one for
// every referee and match.
constexpr int Verboden = std::numeric_limits<std::int8_t>::min();
// The weights of the preferences against one pair of rounds on duty in a row.
constexpr int VoorkeurGewicht = 10;
constexpr int OpEenRijGewicht = 3;
// Rounds of improvement at most, and tries of a change at most: each round that improves
// nothing ends it sooner; the bound on the tries keeps the largest tournaments quick, and, being
// a count, keeps the result the same on every run.
constexpr int MaxRondes = 40;
constexpr long long MaxPogingen = 20'000'000;

// What a referee costs on a match by the preferences; Verboden where a rule that always holds
// forbids it.
std::vector<std::int8_t> Kosten(const TScheidsOpzet& opzet)
{
    const auto& fluiters = opzet.Fluiters();
    const auto& wedstrijden = opzet.Wedstrijden();
    const auto& teams = opzet.Teams();
    const TScheidsrechters& regels = opzet.Regels();
    std::vector<std::int8_t> kosten(fluiters.size() * wedstrijden.size(), std::int8_t(Verboden));
    for (std::size_t f = 0; f < fluiters.size(); ++f) {
        const int team = fluiters[f].Team;
        for (std::size_t m = 0; m < wedstrijden.size(); ++m) {
            if (ScheidsrechterRegels::HardeRegel(opzet, int(f), int(m)) != ScheidsrechterRegels::TRegel::Geen)
                continue;
            int k = 0;
            const auto& w = wedstrijden[m];
            if (team >= 0) {
                if (regels.Rust == TScheidsRust::NietErvoorOfErna)
                    k += VoorkeurGewicht * (int(opzet.Bezet(team, w.Ronde - 1)) + int(opzet.Bezet(team, w.Ronde + 1)));
                if (regels.Rust == TScheidsRust::BlijftOpVeld && opzet.VeldVan(team, w.Ronde - 1) == w.Veld)
                    k -= VoorkeurGewicht;
                const int club = teams[std::size_t(team)].Club;
                if (regels.NietEigenClub && !w.Kruis && club >= 0) {
                    for (const int t : {w.Team1, w.Team2}) {
                        if (t >= 0 && teams[std::size_t(t)].Club == club) {
                            k += VoorkeurGewicht;
                            break;
                        }
                    }
                }
            }
            kosten[f * wedstrijden.size() + m] = std::int8_t(k);
        }
    }
    return kosten;
}

class TToewijzer
{
public:
    explicit TToewijzer(const TScheidsOpzet& opzet)
        : m_opzet(opzet), F(int(opzet.Fluiters().size())), M(int(opzet.Wedstrijden().size())),
          R(opzet.Ronden() + 1), m_kosten(Kosten(opzet)), m_fluiter(std::size_t(M), -1),
          m_aantal(std::size_t(F), 0), m_dienst(std::size_t(F) * std::size_t(R), -1), m_taken(std::size_t(F))
    {
    }

    void Verdeel();
    void Verbeter();
    [[nodiscard]] TScheidsUitkomst Uitkomst() const;

private:
    [[nodiscard]] int Kost(int f, int m) const { return m_kosten[std::size_t(f) * std::size_t(M) + std::size_t(m)]; }
    [[nodiscard]] int Ronde(int m) const { return m_opzet.Wedstrijden()[std::size_t(m)].Ronde; }
    int& Dienst(int f, int r) { return m_dienst[std::size_t(f) * std::size_t(R) + std::size_t(r)]; }
    [[nodiscard]] bool HeeftDienst(int f, int r) const
    {
        return r >= 0 && r < R && m_dienst[std::size_t(f) * std::size_t(R) + std::size_t(r)] >= 0;
    }
    // The rounds on duty right next to round r.
    [[nodiscard]] int Buren(int f, int r) const { return int(HeeftDienst(f, r - 1)) + int(HeeftDienst(f, r + 1)); }
    void Geef(int m, int f);
    void Neem(int m);
    bool VerbeterWedstrijd(int m);

    const TScheidsOpzet& m_opzet;
    const int F;
    const int M;
    const int R;
    std::vector<std::int8_t> m_kosten;
    std::vector<int> m_minsteKost;          // per match, over the referees that may have it
    long long m_pogingen = 0;
    std::vector<int> m_fluiter;             // per match, -1 without
    std::vector<int> m_aantal;              // per referee
    std::vector<int> m_dienst;              // per referee and round: the match, or -1
    std::vector<std::vector<int>> m_taken;  // per referee its matches
};

void TToewijzer::Geef(int m, int f)
{
    m_fluiter[std::size_t(m)] = f;
    ++m_aantal[std::size_t(f)];
    Dienst(f, Ronde(m)) = m;
    m_taken[std::size_t(f)].push_back(m);
}

void TToewijzer::Neem(int m)
{
    const int f = m_fluiter[std::size_t(m)];
    m_fluiter[std::size_t(m)] = -1;
    --m_aantal[std::size_t(f)];
    Dienst(f, Ronde(m)) = -1;
    auto& taken = m_taken[std::size_t(f)];
    taken.erase(std::find(taken.begin(), taken.end(), m));
}

// The matches of one round that exactly the same referees may have form a class; the flow
// network is source -> referee (its number of matches) -> referee in a round (one) -> class of
// that round -> sink (as many as the class has matches). The referees' capacities are raised
// together one step at a time, each step filled as far as it goes: every referee gets as many
// matches as the others where it can, and the last step fills every match that can be filled.
// Within a class any of its referees may have any of its matches: they are paired cheapest
// first.
void TToewijzer::Verdeel()
{
    std::vector<int> klasseRonde;
    std::vector<std::vector<int>> klasseLeden;
    {
        std::map<std::pair<int, std::vector<char>>, int> gezien;
        std::pair<int, std::vector<char>> sleutel{0, std::vector<char>(std::size_t(F))};
        for (int m = 0; m < M; ++m) {
            sleutel.first = Ronde(m);
            for (int f = 0; f < F; ++f)
                sleutel.second[std::size_t(f)] = Kost(f, m) != Verboden;
            const auto [plek, nieuw] = gezien.try_emplace(sleutel, int(klasseLeden.size()));
            if (nieuw) {
                klasseRonde.push_back(Ronde(m));
                klasseLeden.emplace_back();
            }
            klasseLeden[std::size_t(plek->second)].push_back(m);
        }
    }
    const int K = int(klasseLeden.size());

    const int bron = 0;
    const int put = 1;
    MaxStroom netwerk(2 + F + K);
    std::vector<int> bronRanden;
    bronRanden.reserve(std::size_t(F));
    for (int f = 0; f < F; ++f)
        bronRanden.push_back(netwerk.VoegToe(bron, 2 + f, 0));
    struct TKeuze
    {
        int Rand;
        int Fluiter;
        int Klasse;
    };
    std::vector<TKeuze> keuzes;
    std::vector<int> rondeKnoop(std::size_t(R), -1);
    for (int f = 0; f < F; ++f) {
        std::fill(rondeKnoop.begin(), rondeKnoop.end(), -1);
        for (int k = 0; k < K; ++k) {
            if (Kost(f, klasseLeden[std::size_t(k)].front()) == Verboden)
                continue;
            int& knoop = rondeKnoop[std::size_t(klasseRonde[std::size_t(k)])];
            if (knoop < 0) {
                knoop = netwerk.VoegKnoopToe();
                netwerk.VoegToe(2 + f, knoop, 1);
            }
            keuzes.push_back({netwerk.VoegToe(knoop, 2 + F + k, 1), f, k});
        }
    }
    for (int k = 0; k < K; ++k)
        netwerk.VoegToe(2 + F + k, put, int(klasseLeden[std::size_t(k)].size()));

    for (int stap = 1; stap <= M; ++stap) {
        for (const int rand : bronRanden)
            netwerk.ZetCapaciteit(rand, stap);
        netwerk.Vul(bron, put);
        const bool vol = std::any_of(bronRanden.begin(), bronRanden.end(),
                                     [&](int rand) { return netwerk.Stroom(rand) == stap; });
        if (!vol)
            break;
    }

    std::vector<std::vector<int>> klasseFluiters(static_cast<std::size_t>(K));
    for (const TKeuze& keuze : keuzes) {
        if (netwerk.Stroom(keuze.Rand) > 0)
            klasseFluiters[std::size_t(keuze.Klasse)].push_back(keuze.Fluiter);
    }
    for (int k = 0; k < K; ++k) {
        std::vector<int>& fluiters = klasseFluiters[std::size_t(k)];
        for (const int m : klasseLeden[std::size_t(k)]) {
            if (fluiters.empty())
                break;
            const auto goedkoopst = std::min_element(fluiters.begin(), fluiters.end(),
                                                     [&](int a, int b) { return Kost(a, m) < Kost(b, m); });
            Geef(m, *goedkoopst);
            fluiters.erase(goedkoopst);
        }
    }
}

// One improving change for match m, if there is one: another referee takes it (when that one
// has fewer matches, so the spread stays), or two referees exchange it for one of the other's.
bool TToewijzer::VerbeterWedstrijd(int m)
{
    const int a = m_fluiter[std::size_t(m)];
    if (a < 0)
        return false;
    const int r = Ronde(m);
    // Nothing to gain from this side: the cheapest referee it can have, alone in its rounds.
    if (Kost(a, m) == m_minsteKost[std::size_t(m)] && Buren(a, r) == 0)
        return false;
    for (int b = 0; b < F; ++b) {
        ++m_pogingen;
        if (b == a || Kost(b, m) == Verboden)
            continue;
        if (const int m2 = Dienst(b, r); m2 >= 0) {
            // Both on duty in this round: exchange the two matches.
            if (Kost(a, m2) == Verboden)
                continue;
            if (Kost(b, m) + Kost(a, m2) - Kost(a, m) - Kost(b, m2) < 0) {
                Neem(m);
                Neem(m2);
                Geef(m, b);
                Geef(m2, a);
                return true;
            }
            continue;
        }
        if (m_aantal[std::size_t(a)] > m_aantal[std::size_t(b)]) {
            const int verschil = Kost(b, m) - Kost(a, m) + OpEenRijGewicht * (Buren(b, r) - Buren(a, r));
            if (verschil < 0) {
                Neem(m);
                Geef(m, b);
                return true;
            }
        }
        // a takes a match of b in a round in which a is free, b takes m.
        for (const int m2 : m_taken[std::size_t(b)]) {
            const int r2 = Ronde(m2);
            if (HeeftDienst(a, r2) || Kost(a, m2) == Verboden)
                continue;
            const int naast = std::abs(r - r2) == 1 ? 1 : 0;
            const int rijA = Buren(a, r2) - Buren(a, r) - naast;
            const int rijB = Buren(b, r) - Buren(b, r2) - naast;
            const int verschil =
                Kost(b, m) + Kost(a, m2) - Kost(a, m) - Kost(b, m2) + OpEenRijGewicht * (rijA + rijB);
            if (verschil < 0) {
                Neem(m);
                Neem(m2);
                Geef(m, b);
                Geef(m2, a);
                return true;
            }
        }
    }
    return false;
}

void TToewijzer::Verbeter()
{
    m_minsteKost.assign(std::size_t(M), 0);
    for (int m = 0; m < M; ++m) {
        int minste = std::numeric_limits<int>::max();
        for (int f = 0; f < F; ++f) {
            if (Kost(f, m) != Verboden)
                minste = std::min(minste, Kost(f, m));
        }
        m_minsteKost[std::size_t(m)] = minste;
    }
    for (int ronde = 0; ronde < MaxRondes && m_pogingen < MaxPogingen; ++ronde) {
        bool beter = false;
        for (int m = 0; m < M && m_pogingen < MaxPogingen; ++m)
            beter = VerbeterWedstrijd(m) || beter;
        if (!beter)
            break;
    }
}

TScheidsUitkomst TToewijzer::Uitkomst() const
{
    TScheidsUitkomst uitkomst;
    const auto& wedstrijden = m_opzet.Wedstrijden();
    for (int m = 0; m < M; ++m) {
        const auto& w = wedstrijden[std::size_t(m)];
        TScheidsToewijzing t{w.Ronde, w.Veld, w.Keer, w.Tekst, {}};
        if (const int f = m_fluiter[std::size_t(m)]; f >= 0) {
            t.Naam = m_opzet.Fluiters()[std::size_t(f)].Naam;
            uitkomst.Toewijzingen.append(std::move(t));
            continue;
        }
        bool mag = false;
        for (int f = 0; f < F && !mag; ++f)
            mag = Kost(f, m) != Verboden;
        uitkomst.Redenen.append(mag ? QStringLiteral("elke scheidsrechter die deze wedstrijd mag fluiten, fluit al in ronde %1")
                                          .arg(w.Ronde)
                                    : QStringLiteral("geen scheidsrechter mag deze wedstrijd fluiten"));
        uitkomst.Open.append(std::move(t));
    }
    return uitkomst;
}

} // namespace

TScheidsUitkomst Toewijzen(const TScheidsOpzet& opzet)
{
    TToewijzer toewijzer(opzet);
    toewijzer.Verdeel();
    toewijzer.Verbeter();
    return toewijzer.Uitkomst();
}

TScheidsUitkomst Toewijzen(const ToernooiModel& model, const TSchemaBoom& schema, const TScheidsrechters& scheidsrechters)
{
    return Toewijzen(TScheidsOpzet(model, schema, scheidsrechters));
}
