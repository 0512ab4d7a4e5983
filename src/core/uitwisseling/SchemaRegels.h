#pragma once

#include <QList>
#include <QString>

class TWedstrijdDag;
class VeldenEnRonden;
struct TSchemaBoom;

// One slot of a built schedule, taken apart as the schedule view reads it: the day and times
// from the round header, the match from the slot text.
struct TSchemaRegel
{
    QString Dag;      // day number as text; empty when the header carries none
    int Ronde = 0;
    QString Begin;    // "uu:mm", or empty
    QString Eind;
    int Veld = 0;
    QString Wedstrijd; // the slot text after "Veld f: "; empty for an empty slot
    QString Poule;     // the poule, or for a cross match its placement or crossing prefix
    QString Team1;     // a team or, for a cross match, its side as written
    QString Team2;
    // With a match day: 1 or 2 for the first or second match with this text; the score
    // ("g1-g2", see ScoreTekst) once entered.
    int Keer = 1;
    QString Uitslag;
    bool IsKruis = false;

    [[nodiscard]] bool IsLeeg() const { return Wedstrijd.isEmpty(); }
};

namespace SchemaRegels {

// Every slot of every round entry in order, empty slots included. With a match day of the
// same schedule the sides of a cross match are the teams its results already know, and
// every match carries its score; Wedstrijd stays the text as built.
[[nodiscard]] QList<TSchemaRegel> Lees(const TSchemaBoom& boom, const VeldenEnRonden& velden,
                                       const TWedstrijdDag* dag = nullptr);

} // namespace SchemaRegels
