#include "core/verbeteren/VeldVerdeling.h"

#include "core/verbeteren/Toeval.h"

#include <algorithm>
#include <map>

namespace {

// Per team how often it plays on each field: few fields per team, so a short list.
class TVeldTelling
{
public:
    explicit TVeldTelling(int aantalTeams) : m_tellingen(std::size_t(aantalTeams)) {}

    // The change of the repeats when team t gets (+1) or loses (-1) a match on the field.
    int Wijzig(int t, int veld, int teken)
    {
        if (t < 0)
            return 0;
        auto& lijst = m_tellingen[std::size_t(t)];
        auto plek = std::find_if(lijst.begin(), lijst.end(), [veld](const auto& p) { return p.first == veld; });
        if (plek == lijst.end())
            plek = lijst.insert(lijst.end(), {veld, 0});
        const int voor = std::max(0, plek->second - 1);
        plek->second += teken;
        return std::max(0, plek->second - 1) - voor;
    }

    [[nodiscard]] int Telling(int t, int veld) const
    {
        if (t < 0)
            return 0;
        for (const auto& [v, n] : m_tellingen[std::size_t(t)]) {
            if (v == veld)
                return n;
        }
        return 0;
    }

private:
    std::vector<std::vector<std::pair<int, int>>> m_tellingen;
};

struct TRondePlekken
{
    std::vector<int> Velden;     // the free usable fields of the round
    std::vector<int> Bezetting;  // per free field: the match on it, or -1
};

} // namespace

bool VerdeelVelden(std::vector<TVeldWedstrijd>& wedstrijden, int aantalVelden, int aantalTeams,
                   const std::function<bool(int veld, int ronde)>& bruikbaar, std::int64_t stappen)
{
    std::map<int, std::vector<int>> perRonde;
    for (int w = 0; w < int(wedstrijden.size()); ++w)
        perRonde[wedstrijden[std::size_t(w)].Ronde].push_back(w);

    std::vector<int> veld(wedstrijden.size(), 0);
    TVeldTelling telling(aantalTeams);
    std::vector<TRondePlekken> plekken;
    for (const auto& [ronde, lijst] : perRonde) {
        std::vector<char> bezet(std::size_t(aantalVelden) + 1, 0);
        bool finaleOpVeld1 = false;
        for (const int w : lijst) {
            const TVeldWedstrijd& wedstrijd = wedstrijden[std::size_t(w)];
            if (!wedstrijd.Vast)
                continue;
            veld[std::size_t(w)] = wedstrijd.Veld;
            if (wedstrijd.Veld >= 1 && wedstrijd.Veld <= aantalVelden)
                bezet[std::size_t(wedstrijd.Veld)] = 1;
            finaleOpVeld1 = finaleOpVeld1 || (wedstrijd.Finale && wedstrijd.Veld == 1);
        }
        TRondePlekken rondePlekken;
        for (int v = 1; v <= aantalVelden; ++v) {
            if (!bezet[std::size_t(v)] && bruikbaar(v, ronde))
                rondePlekken.Velden.push_back(v);
        }
        std::vector<int> vrij;
        for (const int w : lijst) {
            if (!wedstrijden[std::size_t(w)].Vast)
                vrij.push_back(w);
        }
        if (vrij.size() > rondePlekken.Velden.size())
            return false;
        // A final takes field 1 when it may; it stays out of the swaps below.
        if (!finaleOpVeld1 && !rondePlekken.Velden.empty() && rondePlekken.Velden.front() == 1) {
            const auto finale = std::find_if(vrij.begin(), vrij.end(),
                                             [&](int w) { return wedstrijden[std::size_t(w)].Finale; });
            if (finale != vrij.end()) {
                veld[std::size_t(*finale)] = 1;
                vrij.erase(finale);
                rondePlekken.Velden.erase(rondePlekken.Velden.begin());
            }
        }
        // The others take, one by one, the free field their teams played least on so far.
        rondePlekken.Bezetting.assign(rondePlekken.Velden.size(), -1);
        for (const int w : vrij) {
            const TVeldWedstrijd& wedstrijd = wedstrijden[std::size_t(w)];
            std::size_t beste = rondePlekken.Velden.size();
            int besteTelling = 0;
            for (std::size_t i = 0; i < rondePlekken.Velden.size(); ++i) {
                if (rondePlekken.Bezetting[i] >= 0)
                    continue;
                const int v = rondePlekken.Velden[i];
                const int n = telling.Telling(wedstrijd.TeamA, v) + telling.Telling(wedstrijd.TeamB, v);
                if (beste == rondePlekken.Velden.size() || n < besteTelling) {
                    beste = i;
                    besteTelling = n;
                }
            }
            rondePlekken.Bezetting[beste] = w;
            veld[std::size_t(w)] = rondePlekken.Velden[beste];
        }
        for (const int w : lijst) {
            telling.Wijzig(wedstrijden[std::size_t(w)].TeamA, veld[std::size_t(w)], 1);
            telling.Wijzig(wedstrijden[std::size_t(w)].TeamB, veld[std::size_t(w)], 1);
        }
        if (rondePlekken.Velden.size() >= 2 && !vrij.empty())
            plekken.push_back(std::move(rondePlekken));
    }

    // Swaps within a round (a match with another or with a free field) that give no more
    // repeats; equal ones are taken too, so the search can wander.
    auto verplaats = [&](int w, int van, int naar) {
        if (w < 0)
            return 0;
        const TVeldWedstrijd& wedstrijd = wedstrijden[std::size_t(w)];
        int verschil = 0;
        for (const int t : {wedstrijd.TeamA, wedstrijd.TeamB}) {
            verschil += telling.Wijzig(t, van, -1);
            verschil += telling.Wijzig(t, naar, 1);
        }
        veld[std::size_t(w)] = naar;
        return verschil;
    };
    TToeval toeval(0x5EED0F1E1D5ULL);
    for (std::int64_t stap = 0; stap < stappen && !plekken.empty(); ++stap) {
        TRondePlekken& ronde = plekken[std::size_t(toeval.Onder(int(plekken.size())))];
        const int n = int(ronde.Velden.size());
        const int i = toeval.Onder(n);
        const int j = toeval.Onder(n);
        const int a = ronde.Bezetting[std::size_t(i)];
        const int b = ronde.Bezetting[std::size_t(j)];
        if (i == j || (a < 0 && b < 0))
            continue;
        const int vi = ronde.Velden[std::size_t(i)];
        const int vj = ronde.Velden[std::size_t(j)];
        const int verschil = verplaats(a, vi, vj) + verplaats(b, vj, vi);
        if (verschil > 0) {
            verplaats(a, vj, vi);
            verplaats(b, vi, vj);
            continue;
        }
        std::swap(ronde.Bezetting[std::size_t(i)], ronde.Bezetting[std::size_t(j)]);
    }
    for (std::size_t w = 0; w < wedstrijden.size(); ++w)
        wedstrijden[w].Veld = veld[w];
    return true;
}

int VeldHerhalingen(const std::vector<TVeldWedstrijd>& wedstrijden, int aantalTeams)
{
    TVeldTelling telling(aantalTeams);
    int herhalingen = 0;
    for (const TVeldWedstrijd& w : wedstrijden) {
        herhalingen += telling.Wijzig(w.TeamA, w.Veld, 1);
        herhalingen += telling.Wijzig(w.TeamB, w.Veld, 1);
    }
    return herhalingen;
}
