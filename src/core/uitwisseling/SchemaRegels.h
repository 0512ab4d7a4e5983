#pragma once

#include "core/model/TScheidsrechters.h"
#include "core/uitslag/TUitslag.h"

#include <QList>
#include <QString>
#include <optional>

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
    // ("g1-g2", see ScoreTekst) and the result it comes from once entered.
    int Keer = 1;
    QString Uitslag;
    std::optional<TUitslag> Resultaat;
    bool IsKruis = false;
    // The match's referee from the assignment given; empty when it has none.
    QString Scheidsrechter;

    [[nodiscard]] bool IsLeeg() const { return Wedstrijd.isEmpty(); }
};

namespace SchemaRegels {

// Every slot of every round entry in order, empty slots included. With a match day of the
// same schedule the sides of a cross match are the teams its results already know, and
// every match carries its score; Wedstrijd stays the text as built. With an assignment of
// referees to this schedule, every match carries its referee.
[[nodiscard]] QList<TSchemaRegel> Lees(const TSchemaBoom& boom, const VeldenEnRonden& velden,
                                       const TWedstrijdDag* dag = nullptr,
                                       const QList<TScheidsToewijzing>& toewijzingen = {});

// Whether any line has a referee: only then do the exports show referees at all.
[[nodiscard]] bool HeeftScheidsrechters(const QList<TSchemaRegel>& regels);

// The side a decision after a level score made the winner, by its name as the line writes
// it; empty when there was no such decision.
[[nodiscard]] QString WinnaarNaStrafschoppen(const TSchemaRegel& regel);

// The score for people: "3-1", or "1-1, B wint na strafschoppen"; empty without a result.
[[nodiscard]] QString UitslagZin(const TSchemaRegel& regel);

} // namespace SchemaRegels
