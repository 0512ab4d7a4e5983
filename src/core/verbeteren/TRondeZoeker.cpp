#include "core/verbeteren/TRondeZoeker.h"

#include "core/kwaliteit/SchemaKwaliteit.h"

#include <algorithm>

namespace {

// How many steps back the late acceptance looks.
constexpr int Geheugen = 200;

} // namespace

TRondeZoeker::TRondeZoeker(TOpgave opgave, std::uint64_t zaad)
    : m_opgave(std::move(opgave)), m_toeval(zaad)
{
    const int ronden = m_opgave.Ronden;
    const int aantal = int(m_opgave.Wedstrijden.size());
    m_ronde.resize(std::size_t(aantal));
    m_inRonde.resize(std::size_t(ronden) + 1);
    m_plekInRonde.assign(std::size_t(aantal), -1);
    m_aantal.assign(std::size_t(ronden) + 1, 0);
    m_teamRonden.resize(m_opgave.Rust.size());
    m_leden.resize(std::size_t(aantal));
    m_wachten.assign(std::size_t(ronden) + 1, 0);
    for (int r = 1; r <= ronden; ++r) {
        if (m_opgave.Ruimte[std::size_t(r)] <= 0)
            continue;
        m_rondenAlgemeen.push_back(r);
        if (m_opgave.FinaleMag[std::size_t(r)])
            m_rondenFinale.push_back(r);
    }
    for (int w = 0; w < aantal; ++w) {
        const TWedstrijd& wedstrijd = m_opgave.Wedstrijden[std::size_t(w)];
        const int r = wedstrijd.Ronde;
        m_ronde[std::size_t(w)] = r;
        if (!wedstrijd.Vast) {
            m_beweeglijk.push_back(w);
            m_plekInRonde[std::size_t(w)] = int(m_inRonde[std::size_t(r)].size());
            m_inRonde[std::size_t(r)].push_back(w);
            ++m_aantal[std::size_t(r)];
        }
        for (const int t : {wedstrijd.TeamA, wedstrijd.TeamB}) {
            if (t >= 0)
                m_teamRonden[std::size_t(t)].push_back(r);
        }
    }
    for (int r = 1; r <= ronden; ++r)
        m_overvol += Overvol(r);
    for (int t = 0; t < int(m_teamRonden.size()); ++t) {
        std::sort(m_teamRonden[std::size_t(t)].begin(), m_teamRonden[std::size_t(t)].end());
        TeamBijdrage(t, 1);
    }
    m_telling.assign(2 * m_opgave.Groepen.size(), std::vector<int>(std::size_t(ronden) + 1, 0));
    for (int g = 0; g < int(m_opgave.Groepen.size()); ++g) {
        const TGroep& groep = m_opgave.Groepen[std::size_t(g)];
        for (const int a : groep.Voor) {
            m_leden[std::size_t(a)].push_back({g, false});
            Tel(2 * g, m_ronde[std::size_t(a)], 1);
        }
        for (const int b : groep.Na) {
            m_leden[std::size_t(b)].push_back({g, true});
            Tel(2 * g + 1, m_ronde[std::size_t(b)], 1);
            // Voor matches in a later round (or, strict, the same) than this one.
            const int grens = groep.Strikt ? m_ronde[std::size_t(b)] - 1 : m_ronde[std::size_t(b)];
            m_volgordeFout += std::int64_t(groep.Voor.size()) - TotEnMet(2 * g, grens);
        }
    }
    m_kosten = {m_overvol + m_teamFout + m_volgordeFout, m_achterElkaar, m_langsteWacht, m_kwadraten};
}

void TRondeZoeker::Tel(int boom, int ronde, int teken)
{
    std::vector<int>& telling = m_telling[std::size_t(boom)];
    for (int i = ronde; i < int(telling.size()); i += i & -i)
        telling[std::size_t(i)] += teken;
}

int TRondeZoeker::TotEnMet(int boom, int ronde) const
{
    const std::vector<int>& telling = m_telling[std::size_t(boom)];
    int som = 0;
    for (int i = std::min(ronde, int(telling.size()) - 1); i > 0; i -= i & -i)
        som += telling[std::size_t(i)];
    return som;
}

int TRondeZoeker::LaatsteRonde() const
{
    return m_ronde.empty() ? 0 : *std::max_element(m_ronde.begin(), m_ronde.end());
}

std::int64_t TRondeZoeker::Overvol(int ronde) const
{
    return std::max(0, m_aantal[std::size_t(ronde)] - m_opgave.Ruimte[std::size_t(ronde)]);
}

void TRondeZoeker::TeamBijdrage(int t, int teken)
{
    const std::vector<int>& ronden = m_teamRonden[std::size_t(t)];
    const int rust = m_opgave.Rust[std::size_t(t)];
    for (std::size_t i = 1; i < ronden.size(); ++i) {
        const int afstand = ronden[i] - ronden[i - 1];
        if (afstand <= rust)
            m_teamFout += teken * (rust + 1 - afstand);
        if (afstand == 1)
            m_achterElkaar += teken;
        if (afstand >= 1) {
            const int wacht = afstand - 1;
            m_kwadraten += teken * std::int64_t(wacht) * wacht;
            m_wachten[std::size_t(wacht)] += teken;
            if (teken > 0)
                m_langsteWacht = std::max(m_langsteWacht, wacht);
        }
    }
}

void TRondeZoeker::Zet(int w, int ronde)
{
    const int oud = m_ronde[std::size_t(w)];
    if (oud == ronde)
        return;
    const TWedstrijd& wedstrijd = m_opgave.Wedstrijden[std::size_t(w)];

    m_overvol -= Overvol(oud) + Overvol(ronde);
    --m_aantal[std::size_t(oud)];
    ++m_aantal[std::size_t(ronde)];
    m_overvol += Overvol(oud) + Overvol(ronde);

    auto& vanLijst = m_inRonde[std::size_t(oud)];
    const int plek = m_plekInRonde[std::size_t(w)];
    m_plekInRonde[std::size_t(vanLijst.back())] = plek;
    vanLijst[std::size_t(plek)] = vanLijst.back();
    vanLijst.pop_back();
    m_plekInRonde[std::size_t(w)] = int(m_inRonde[std::size_t(ronde)].size());
    m_inRonde[std::size_t(ronde)].push_back(w);

    for (const TLid& lid : m_leden[std::size_t(w)]) {
        const TGroep& groep = m_opgave.Groepen[std::size_t(lid.Groep)];
        const int voor = 2 * lid.Groep;
        const int na = voor + 1;
        const int strikt = groep.Strikt ? 1 : 0;
        if (!lid.Na) {
            // Na matches in a round before this one's (strict: up to and including it).
            auto omgekeerd = [&](int r) { return TotEnMet(na, r - 1 + strikt); };
            m_volgordeFout += omgekeerd(ronde) - omgekeerd(oud);
            Tel(voor, oud, -1);
            Tel(voor, ronde, 1);
        } else {
            // Voor matches in a round after this one's (strict: from it on).
            auto omgekeerd = [&](int r) { return std::int64_t(groep.Voor.size()) - TotEnMet(voor, r - strikt); };
            m_volgordeFout += omgekeerd(ronde) - omgekeerd(oud);
            Tel(na, oud, -1);
            Tel(na, ronde, 1);
        }
    }

    for (const int t : {wedstrijd.TeamA, wedstrijd.TeamB}) {
        if (t < 0)
            continue;
        TeamBijdrage(t, -1);
        std::vector<int>& ronden = m_teamRonden[std::size_t(t)];
        ronden.erase(std::find(ronden.begin(), ronden.end(), oud));
        ronden.insert(std::upper_bound(ronden.begin(), ronden.end(), ronde), ronde);
        TeamBijdrage(t, 1);
    }
    while (m_langsteWacht > 0 && m_wachten[std::size_t(m_langsteWacht)] == 0)
        --m_langsteWacht;

    m_ronde[std::size_t(w)] = ronde;
    m_kosten = {m_overvol + m_teamFout + m_volgordeFout, m_achterElkaar, m_langsteWacht, m_kwadraten};
}

int TRondeZoeker::KiesRonde(int w, int grens)
{
    const auto& ronden = m_opgave.Wedstrijden[std::size_t(w)].Finale ? m_rondenFinale : m_rondenAlgemeen;
    const auto tot = std::upper_bound(ronden.begin(), ronden.end(), grens) - ronden.begin();
    if (tot == 0)
        return -1;
    return ronden[std::size_t(m_toeval.Onder(int(tot)))];
}

template <typename Aanvaard>
bool TRondeZoeker::Stap(int grens, Aanvaard aanvaard)
{
    const int w = m_beweeglijk[std::size_t(m_toeval.Onder(int(m_beweeglijk.size())))];
    const int van = m_ronde[std::size_t(w)];
    const int naar = KiesRonde(w, grens);
    const int soort = m_toeval.Onder(32);
    if (naar < 0 || naar == van)
        return false;
    // Out of 32 steps: 2 swap two whole rounds, 4 swap one poule's matches of two rounds, 4
    // move three matches round a triangle of rounds; the rest move or swap single matches.
    if (soort < 2)
        return WisselRonden(van, naar, -1, aanvaard);
    if (soort < 6)
        return WisselRonden(van, naar, m_opgave.Wedstrijden[std::size_t(w)].Poule, aanvaard);
    if (soort < 10)
        return Driehoek(w, naar, grens, aanvaard);
    const bool wissel = soort % 2 == 0;
    int ander = -1;
    const auto& daar = m_inRonde[std::size_t(naar)];
    if (wissel && !daar.empty()) {
        ander = daar[std::size_t(m_toeval.Onder(int(daar.size())))];
        if (m_opgave.Wedstrijden[std::size_t(ander)].Finale && !m_opgave.FinaleMag[std::size_t(van)])
            ander = -1;
    }
    Zet(w, naar);
    if (ander >= 0)
        Zet(ander, van);
    if (aanvaard(m_kosten))
        return true;
    if (ander >= 0)
        Zet(ander, naar);
    Zet(w, van);
    return false;
}

template <typename Aanvaard>
bool TRondeZoeker::Driehoek(int w, int naar, int grens, Aanvaard aanvaard)
{
    // Three matches in three rounds each take the next one's round: w goes to naar, a match of
    // naar to a third round, and a match of that round to w's round. The rounds keep their
    // number of matches.
    const int van = m_ronde[std::size_t(w)];
    const auto& lijstNaar = m_inRonde[std::size_t(naar)];
    if (lijstNaar.empty())
        return false;
    const int tweede = lijstNaar[std::size_t(m_toeval.Onder(int(lijstNaar.size())))];
    const int derdeRonde = KiesRonde(tweede, grens);
    if (derdeRonde < 0 || derdeRonde == van || derdeRonde == naar)
        return false;
    const auto& lijstDerde = m_inRonde[std::size_t(derdeRonde)];
    if (lijstDerde.empty())
        return false;
    const int derde = lijstDerde[std::size_t(m_toeval.Onder(int(lijstDerde.size())))];
    if (m_opgave.Wedstrijden[std::size_t(derde)].Finale && !m_opgave.FinaleMag[std::size_t(van)])
        return false;
    Zet(w, naar);
    Zet(tweede, derdeRonde);
    Zet(derde, van);
    if (aanvaard(m_kosten))
        return true;
    Zet(derde, derdeRonde);
    Zet(tweede, naar);
    Zet(w, van);
    return false;
}

template <typename Aanvaard>
bool TRondeZoeker::WisselRonden(int a, int b, int poule, Aanvaard aanvaard)
{
    // Every match that moves of round a goes to round b and the other way round; with a
    // poule, only that poule's matches.
    auto uit = [&](int ronde) {
        std::vector<int> lijst;
        for (const int w : m_inRonde[std::size_t(ronde)]) {
            if (poule < 0 || m_opgave.Wedstrijden[std::size_t(w)].Poule == poule)
                lijst.push_back(w);
        }
        return lijst;
    };
    const std::vector<int> uitA = uit(a);
    const std::vector<int> uitB = uit(b);
    // Large blocks cost many moves for one step; they are left to the single moves.
    if (uitA.size() + uitB.size() > 16)
        return false;
    for (const int w : uitA) {
        if (m_opgave.Wedstrijden[std::size_t(w)].Finale && !m_opgave.FinaleMag[std::size_t(b)])
            return false;
    }
    for (const int w : uitB) {
        if (m_opgave.Wedstrijden[std::size_t(w)].Finale && !m_opgave.FinaleMag[std::size_t(a)])
            return false;
    }
    for (const int w : uitA)
        Zet(w, b);
    for (const int w : uitB)
        Zet(w, a);
    if (aanvaard(m_kosten))
        return true;
    for (const int w : uitB)
        Zet(w, b);
    for (const int w : uitA)
        Zet(w, a);
    return false;
}

template <typename Beter, typename Klaar>
bool TRondeZoeker::Gloei(int grens, std::int64_t stappen, std::int64_t gewichtV, std::int64_t gewichtB,
                         int warmte, Beter beter, Klaar klaar)
{
    if (m_beweeglijk.empty() || stappen <= 0)
        return true;
    auto energie = [&](const TKosten& k) { return gewichtV * k.V + gewichtB * k.B; };
    for (std::int64_t i = 0; i < stappen; ++i) {
        if ((m_stappen & 1023) == 0 && !Meld())
            return false;
        ++m_stappen;
        const std::int64_t t = warmte * (stappen - i) / stappen;
        const std::int64_t huidig = energie(m_kosten);
        const bool gehouden = Stap(grens, [&](const TKosten& nieuw) {
            std::int64_t stijging = energie(nieuw) - huidig;
            if (stijging <= 0)
                return true;
            if (stijging > 16)
                return false;
            for (; stijging > 0; --stijging) {
                if (std::int64_t(m_toeval.Onder(1024)) >= t)
                    return false;
            }
            return true;
        });
        if (gehouden)
            beter(m_kosten);
        if (klaar())
            return true;
    }
    return true;
}

bool TRondeZoeker::Meld()
{
    if (m_gestopt || (m_melder && !m_melder(m_stappen)))
        m_gestopt = true;
    return !m_gestopt;
}

template <typename Beter, typename Klaar>
bool TRondeZoeker::Klim(int grens, std::int64_t stappen, Beter beter, Klaar klaar)
{
    if (m_beweeglijk.empty())
        return true;
    std::vector<TKosten> geschiedenis(Geheugen, m_kosten);
    std::size_t v = 0;
    for (std::int64_t i = 0; i < stappen; ++i) {
        if ((m_stappen & 1023) == 0 && !Meld())
            return false;
        ++m_stappen;
        const TKosten huidig = m_kosten;
        const TKosten oud = geschiedenis[v];
        if (Stap(grens, [&](const TKosten& nieuw) { return nieuw <= huidig || nieuw <= oud; }))
            beter(m_kosten);
        geschiedenis[v] = m_kosten;
        v = (v + 1) % geschiedenis.size();
        if (klaar())
            return true;
    }
    return true;
}

bool TRondeZoeker::PasIn(int grens, std::int64_t stappen)
{
    const std::vector<int> terug = m_ronde;
    // The matches after the limit first go to their cheapest round before it.
    for (const int w : m_beweeglijk) {
        if (m_ronde[std::size_t(w)] <= grens)
            continue;
        const auto& ronden = m_opgave.Wedstrijden[std::size_t(w)].Finale ? m_rondenFinale : m_rondenAlgemeen;
        int beste = -1;
        TKosten besteKosten;
        for (const int r : ronden) {
            if (r > grens)
                break;
            Zet(w, r);
            if (beste < 0 || m_kosten < besteKosten) {
                beste = r;
                besteKosten = m_kosten;
            }
        }
        if (beste < 0)
            break;
        Zet(w, beste);
    }
    const bool binnen = std::all_of(m_ronde.begin(), m_ronde.end(), [grens](int r) { return r <= grens; });
    if (binnen && m_kosten.V > 0)
        Gloei(grens, stappen, 1, 0, 10, [](const TKosten&) {}, [this] { return m_kosten.V == 0; });
    if (binnen && m_kosten.V == 0 && !m_gestopt)
        return true;
    for (const int w : m_beweeglijk)
        Zet(w, terug[std::size_t(w)]);
    return false;
}

void TRondeZoeker::VerlaagAchterElkaar(std::int64_t stappen, int keren)
{
    // Independent runs of annealing from the same start, each with a generator of its own;
    // the best valid schedule of all of them stays.
    const int grens = LaatsteRonde();
    const std::vector<int> start = m_ronde;
    const TToeval toeval = m_toeval;
    TKosten beste = m_kosten;
    std::vector<int> besteRonden = m_ronde;
    // No schedule of these rounds has fewer back-to-back matches than the counting bound.
    std::int64_t ondergrens = 0;
    for (const std::vector<int>& ronden : m_teamRonden)
        ondergrens += GedwongenAchterElkaar(int(ronden.size()), grens);
    for (int keer = 0; keer < keren && !m_gestopt && beste.B > ondergrens; ++keer) {
        m_toeval = TToeval(toeval.Afgeleid(std::uint64_t(keer)));
        Gloei(grens, stappen / keren, 2, 1, 250,
              [&](const TKosten& kosten) {
                  if (kosten.V == 0 && kosten < beste) {
                      beste = kosten;
                      besteRonden = m_ronde;
                  }
              },
              [&] { return beste.B <= ondergrens; });
        for (const int w : m_beweeglijk)
            Zet(w, start[std::size_t(w)]);
    }
    for (const int w : m_beweeglijk)
        Zet(w, besteRonden[std::size_t(w)]);
}

void TRondeZoeker::Verbeter(std::int64_t stappen, std::int64_t rust)
{
    const int grens = LaatsteRonde();
    TKosten beste = m_kosten;
    std::vector<int> besteRonden = m_ronde;
    std::int64_t laatsteVerbetering = m_stappen;
    Klim(
        grens, stappen,
        [&](const TKosten& kosten) {
            if (kosten.V == 0 && kosten < beste) {
                beste = kosten;
                besteRonden = m_ronde;
                laatsteVerbetering = m_stappen;
            }
        },
        [&] { return m_stappen - laatsteVerbetering >= rust; });
    for (const int w : m_beweeglijk)
        Zet(w, besteRonden[std::size_t(w)]);
}
