#pragma once

#include <QList>
#include <QString>

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

    [[nodiscard]] bool IsLeeg() const { return Wedstrijd.isEmpty(); }
};

namespace SchemaRegels {

// Every slot of every round entry in order, empty slots included.
[[nodiscard]] QList<TSchemaRegel> Lees(const TSchemaBoom& boom, const VeldenEnRonden& velden);

} // namespace SchemaRegels
