#pragma once

#include "core/verbeteren/Toeval.h"

#include <compare>
#include <cstdint>
#include <functional>
#include <vector>

// The search for the rounds of the matches (the fields come after, in VeldVerdeling). A
// match's round is free within rounds 1..a last round; played matches stay. What a schedule
// costs, compared in this order:
// - V: broken rules (more matches than free slots in a round, a team twice in a round or
//   with too little rest, matches of an ordered group out of order), 0 for a valid schedule;
// - B: back-to-back matches (a team in rounds r and r + 1);
// - W: the longest wait of any team (rounds without a match between two of its matches);
// - S: the sum of the squares of all waits, which spreads the waits and so helps W down.
//
// The search is late acceptance hill climbing: a step moves one match to another round or
// swaps the rounds of two, and is kept when the cost is not above the current one or the one
// of a fixed number of steps ago. It compares integers only and draws from its own seeded
// generator, so the same problem gives the same answer everywhere.
class TRondeZoeker
{
public:
    struct TWedstrijd
    {
        int TeamA = -1; // -1: a match that names no team (a cross match)
        int TeamB = -1;
        bool Vast = false;
        bool Finale = false;
        int Ronde = 1;
        int Poule = 0; // matches of one poule (or linked pair) may move as a block
    };
    // Every match of Voor in an earlier round than every match of Na (Strikt), or not in a
    // later one.
    struct TGroep
    {
        std::vector<int> Voor;
        std::vector<int> Na;
        bool Strikt = true;
    };
    struct TOpgave
    {
        int Ronden = 0;               // the last round a match may take
        std::vector<int> Ruimte;      // per round 0..Ronden: free slots for the matches that move
        std::vector<char> FinaleMag;  // per round: a final that moves may stand there
        std::vector<TWedstrijd> Wedstrijden;
        std::vector<int> Rust;        // per team
        std::vector<TGroep> Groepen;
    };

    struct TKosten
    {
        std::int64_t V = 0;
        std::int64_t B = 0;
        std::int64_t W = 0;
        std::int64_t S = 0;
        friend auto operator<=>(const TKosten&, const TKosten&) = default;
    };

    // Called now and then with the steps done so far; false stops the search.
    using TMelder = std::function<bool(std::int64_t stappen)>;

    explicit TRondeZoeker(TOpgave opgave, std::uint64_t zaad);

    [[nodiscard]] const TKosten& Kosten() const { return m_kosten; }
    [[nodiscard]] std::vector<int> Ronden() const { return m_ronde; }
    // The last round that holds a match.
    [[nodiscard]] int LaatsteRonde() const;

    // Tries to fit every match into rounds 1..grens: the matches after it go to their
    // cheapest round, then the search runs until no rule is broken or the steps run out.
    // True when it fits; otherwise the state is back as it was.
    bool PasIn(int grens, std::int64_t stappen);

    // Lowers back-to-back matches within the present last round by simulated annealing that
    // passes through schedules breaking rules on the way, in independent runs from the present
    // schedule; ends in the best valid schedule found.
    void VerlaagAchterElkaar(std::int64_t stappen, int keren);

    // Lowers back-to-back matches, then the longest wait, within the present last round and
    // without breaking a rule; stops after the steps or after rust steps without a better
    // schedule. Ends in the best schedule found.
    void Verbeter(std::int64_t stappen, std::int64_t rust);

    void ZetMelder(TMelder melder) { m_melder = std::move(melder); }
    [[nodiscard]] bool Gestopt() const { return m_gestopt; }
    [[nodiscard]] std::int64_t Stappen() const { return m_stappen; }

private:
    struct TLid
    {
        int Groep = 0;
        bool Na = false;
    };

    void Zet(int w, int ronde);
    void TeamBijdrage(int t, int teken);
    [[nodiscard]] std::int64_t Overvol(int ronde) const;
    [[nodiscard]] int KiesRonde(int w, int grens);
    // One step: a move or a swap, kept when aanvaard(new cost) says so, else undone.
    template <typename Aanvaard> bool Stap(int grens, Aanvaard aanvaard);
    template <typename Aanvaard> bool WisselRonden(int a, int b, int poule, Aanvaard aanvaard);
    template <typename Aanvaard> bool Driehoek(int w, int naar, int grens, Aanvaard aanvaard);
    // Simulated annealing on the energy gewichtV * V + gewichtB * B: a step that raises it by
    // d is kept with chance (t / 1024)^d, t falling from warmte to 0 over the steps; klaar
    // stops it early; beter sees every kept cost. Integers only. Returns false when stopped.
    template <typename Beter, typename Klaar>
    bool Gloei(int grens, std::int64_t stappen, std::int64_t gewichtV, std::int64_t gewichtB, int warmte,
               Beter beter, Klaar klaar);
    // Late acceptance over the steps; klaar says when to stop early. Returns false when stopped.
    template <typename Beter, typename Klaar>
    bool Klim(int grens, std::int64_t stappen, Beter beter, Klaar klaar);
    [[nodiscard]] bool Meld();

    TOpgave m_opgave;
    TToeval m_toeval;
    TMelder m_melder;
    bool m_gestopt = false;
    std::int64_t m_stappen = 0;

    std::vector<int> m_ronde;                       // per match
    std::vector<int> m_beweeglijk;                  // the matches that may move
    std::vector<std::vector<int>> m_inRonde;        // per round: the moving matches in it
    std::vector<int> m_plekInRonde;                 // per match: its index in m_inRonde
    std::vector<int> m_aantal;                      // per round: moving matches
    std::vector<int> m_rondenAlgemeen;              // rounds with free slots, increasing
    std::vector<int> m_rondenFinale;                // the same, where a final may stand
    std::vector<std::vector<int>> m_teamRonden;     // per team: rounds of its matches, sorted
    std::vector<std::vector<TLid>> m_leden;         // per match: its groups
    // Per group and side (2g: Voor, 2g + 1: Na) a Fenwick tree over the rounds: how many of
    // its matches stand in rounds up to r, so a move counts its new inversions in log steps.
    std::vector<std::vector<int>> m_telling;
    void Tel(int boom, int ronde, int teken);
    [[nodiscard]] int TotEnMet(int boom, int ronde) const;
    std::vector<std::int64_t> m_wachten;            // how many waits of each length
    int m_langsteWacht = 0;
    std::int64_t m_overvol = 0;
    std::int64_t m_teamFout = 0;
    std::int64_t m_volgordeFout = 0;
    std::int64_t m_achterElkaar = 0;
    std::int64_t m_kwadraten = 0;
    TKosten m_kosten;
};
