#pragma once

#include "core/schema/TSchemaBoom.h"

#include <QString>
#include <vector>

class ToernooiModel;
class TUitslagen;

// A schedule read as the rules see it: every match with its teams, its kind and where it
// stands, the teams with their rest, and the groups of matches that must keep their order
// (first meetings before return matches, own matches before cross matches, crossing matches
// before placement matches). The rule check, the improver and the moves by hand all read a
// schedule through this, so they agree on what a match is.
struct TOpzetWedstrijd
{
    enum class TSoort {
        Eigen,     // a match of a half competition
        Heen,      // the first meeting of a pair in a full competition
        Terug,     // the return match of that pair
        Kruising,  // a cross match of the crossing phase (before the placement matches)
        Plaatsing, // a placement match
    };

    TSchemaVeld Inhoud; // the slot entry as it stood: its text and record, carried along
    QString Tekst;     // the match text (after "Veld f: ")
    int Keer = 1;      // 1 for the first match with this text in schedule order, 2 for the second
    int TeamA = -1;    // indices into TSchemaOpzet::Teams; -1 for a cross match
    int TeamB = -1;
    int Poule = -1;    // index in the poule tree: the own poule, or the chosen poule of a cross match
    int Paar = -1;     // for a cross match: the pair's first poule (the lower index)
    TSoort Soort = TSoort::Eigen;
    bool Finale = false; // the placement match of places 1 and 2
    bool Gespeeld = false;
    int Ronde = 0;
    int Veld = 0;      // the field, counted from 1
};

struct TOpzetTeam
{
    const TTeamDetails* Team = nullptr;
    int Poule = -1;
    int Rust = 0; // MinimaleRust of its poule, at least 0
};

// Every match of Voor stands before every match of Na: in an earlier round (Strikt) or in
// an earlier or the same round.
struct TOpzetGroep
{
    std::vector<int> Voor;
    std::vector<int> Na;
    bool Strikt = true;
    enum class TReden { Terug, Kruis, Plaatsing } Reden = TReden::Kruis;
    int Poule = -1; // the poule (return matches) or the pair's first poule
};

struct TSchemaOpzet
{
    std::vector<TOpzetWedstrijd> Wedstrijden; // in schedule order
    std::vector<TOpzetTeam> Teams;
    std::vector<TOpzetGroep> Groepen;
    int AantalVelden = 0;
    int LaatsteRonde = 0; // the last round that holds a match
    // Why the schedule cannot be read as one of this tournament (a record naming a team or
    // poule the tournament does not have, a pair named three times); empty when it can.
    QString Fout;

    // Whether a match may stand on the field in the round: one of the tournament's fields,
    // rounds 1..299, and a cell "Wedstrijd" in the field usage table.
    [[nodiscard]] static bool Bruikbaar(const ToernooiModel& model, int veld, int ronde);
};

// Reads the schedule against the tournament; a match is played when the results hold one for
// its text and Keer.
[[nodiscard]] TSchemaOpzet MaakOpzet(const ToernooiModel& model, const TSchemaBoom& schema,
                                     const TUitslagen& uitslagen);

// One match at its new place, for MaakSchemaBoom.
struct TGeplaatsteWedstrijd
{
    int Ronde = 0;
    int Veld = 0;
    TSchemaVeld Inhoud; // the text after "Veld f: " is kept, the head is written anew
};

// The schedule tree of these matches, shaped as the builder shapes its own: round entries
// "Ronde N" from round 1 to the last round with a match, one slot entry per field ("Veld f: "
// + the match text, or "Geen wedstrijd"), the last round ending at its last match, followed by
// the unusable slots up to the next usable one, as the builder's cursor leaves them.
[[nodiscard]] TSchemaBoom MaakSchemaBoom(const ToernooiModel& model,
                                         const std::vector<TGeplaatsteWedstrijd>& wedstrijden);
