#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The fields of the matches once their rounds are settled. A played match keeps its field; in
// a round with a final whose field 1 is usable and free, a final takes field 1; the others go
// to the round's free usable fields so that every team plays on as many different fields as
// it can (fewest repeats of a team on the same field). Deterministic: own seeded generator,
// a bounded number of steps.
struct TVeldWedstrijd
{
    int Ronde = 0;
    int Veld = 0; // for a played match: its field; set for every match by VerdeelVelden
    int TeamA = -1;
    int TeamB = -1;
    bool Vast = false;
    bool Finale = false;
};

// bruikbaar(veld, ronde) says whether a match may stand there. Every round must have room for
// its matches. Returns false (and changes nothing) when some round has not.
bool VerdeelVelden(std::vector<TVeldWedstrijd>& wedstrijden, int aantalVelden, int aantalTeams,
                   const std::function<bool(int veld, int ronde)>& bruikbaar, std::int64_t stappen);

// How often a team plays on a field it already played on, summed over the teams: the number
// of its matches minus its distinct fields.
[[nodiscard]] int VeldHerhalingen(const std::vector<TVeldWedstrijd>& wedstrijden, int aantalTeams);
