#pragma once

#include "core/model/TKruisWedstrijd.h"
#include "core/model/ToernooiModel.h"

#include <QString>
#include <vector>

// Which matches every poule owes and how a placed match is booked and written: the working
// counters on the poule and team records, the phases of a poule, the balancing weights, and
// the texts of poule matches and cross matches. Where and when a match is played is decided
// by TSchemaBouwer.
//
// Poules are addressed by their index in the poule tree (their link position is index + 1),
// teams by their index inside their poule. The generator writes only the builder's working
// fields of the records; the links must have passed ControleerKoppelingen.
class TWedstrijdGenerator
{
public:
    static constexpr int Nooit = -999;
    static constexpr double VolledigeVoortgang = 1000.0;

    explicit TWedstrijdGenerator(const ToernooiModel::PouleLijstType& poules);

    // Resets every working field and computes the counts and weights of all poules.
    void BereidVoor();

    [[nodiscard]] int AantalPoules() const { return int(m_poules.size()); }
    [[nodiscard]] TPouleDetails& Poule(int p) const { return *m_poules[std::size_t(p)]->Details; }
    [[nodiscard]] const std::vector<TTeamDetails*>& Teams(int p) const
    {
        return m_poules[std::size_t(p)]->Teams;
    }
    // Index of the partner poule, or -1 without partner (KruisPoule 0 or -1).
    [[nodiscard]] int Partner(int p) const { return m_partner[std::size_t(p)]; }
    [[nodiscard]] int OpenPoules() const { return m_openPoules; }

    // True when teams a and b of poule p may not meet (again) in the current half. Counts the
    // meetings kept alongside the opponent lists, so it answers as PaarKlaar on the records.
    [[nodiscard]] bool PaarKlaar(int p, int a, int b) const;
    // The same from the records alone: how often b occurs among the opponents of a.
    [[nodiscard]] static bool PaarKlaar(const TTeamDetails& a, const TTeamDetails& b);

    // Books the match of teams a and b of poule p (a before b) in the round; returns its text.
    QString BoekPouleWedstrijd(int p, int a, int b, int ronde);
    // Books the next cross match of poule p (the chosen one) and its partner q; returns what it
    // is, with its sides and its text.
    TKruisWedstrijd BoekKruisWedstrijd(int p, int q, int ronde);

    // The letter of a poule in cross-match texts: the character with code 64 + position.
    [[nodiscard]] static QString PouleLetter(int positie);

private:
    void BoekTeam(TTeamDetails& team, TTeamDetails* tegenstander, int ronde);
    void EindeEigenCompetitie(int p, int ronde);
    void BoekKruisVoortgang(int p, bool gelijkOneven, int ronde);
    [[nodiscard]] TKruisWedstrijd VolgendeKruis(int p, int q) const;

    std::vector<TPoule*> m_poules;
    std::vector<int> m_partner;
    // Per poule an n x n table: how often team i has met team j so far.
    std::vector<std::vector<int>> m_ontmoetingen;
    int m_openPoules = 0;
};
