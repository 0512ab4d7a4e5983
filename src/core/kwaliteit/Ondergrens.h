#pragma once

#include <QtGlobal>

class ToernooiModel;

// The fewest rounds any schedule of the tournament needs, whatever the builder does. It is the
// largest of three bounds:
// - capacity: the first round T by which the available cells of rounds 1..T number at least
//   all matches the tournament owes (own matches, and once per linked pair its cross matches);
// - per poule: a team plays at most once in any MinimaleRust + 1 consecutive rounds, so a poule
//   of n teams plays at most n/2 matches in such a stretch;
// - per linked pair: the cross matches start one round after the later own competition at the
//   earliest, and the placement matches of double cross matches one round after the crossings.
// Poules of fewer than two teams and links that are not mutual add nothing, so the bound can
// be computed on every edit, before the input is complete.
struct TOndergrens
{
    // The bound B: the largest of the three below.
    int Ronden = 0;
    // The first round by which there are enough cells; GeenPlaats when rounds 1..299 are short.
    int Capaciteit = 0;
    int PouleGrens = 0;
    int KoppelingGrens = 0;
    qint64 Wedstrijden = 0;
    // Available cells counted up to Capaciteit (all of rounds 1..299 when they fall short).
    qint64 Plaatsen = 0;

    // The capacity of a tournament that does not fit: one round past the table's last.
    static constexpr int GeenPlaats = 300;

    [[nodiscard]] bool PastNiet() const { return Capaciteit >= GeenPlaats; }
};

[[nodiscard]] TOndergrens BerekenOndergrens(const ToernooiModel& model);

// The parts, for a poule of n teams: own matches M, and (r+1)·⌈M / ⌊n/2⌋⌉ − r rounds.
[[nodiscard]] qint64 EigenWedstrijden(int teams, bool heleCompetitie);
[[nodiscard]] int PouleRonden(int teams, qint64 wedstrijden, int rust);
// Cross matches of a linked pair of nP and nQ teams.
[[nodiscard]] int KruisWedstrijden(int teamsP, int teamsQ, bool dubbel);
