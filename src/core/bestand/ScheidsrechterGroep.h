#pragma once

#include "core/bestand/ToernooiSleutel.h"
#include "core/model/TScheidsrechters.h"

#include <QString>
#include <QStringView>

// The referees' group of the tournament file, after the kept schedule and closed by "#":
//   ScheidsrechterTeams=Geen|Alle|Poules, one ScheidsrechterPoule= per chosen poule,
//   per named referee Scheidsrechter=<name> and, when it misses rounds,
//   ScheidsrechterAfwezig=<round>,<round>,..., the preferences ScheidsrechterWedstrijden=
//   Alle|EigenPoule|AnderePoules, ScheidsrechterRust=Geen|NietErvoorOfErna|BlijftOpVeld and
//   ScheidsrechterEigenClub=Ja|Nee, then per referee Fluiter=<name> followed by its matches,
//   Fluit=<round>,<field>,<Keer>,<match text>.
// It is left out when the tournament has no referees, so such a tournament is saved as before;
// a reader that does not know the keys skips the group.
namespace ScheidsrechterGroep {

// The lines of the group, each ending in CR LF; empty when there is nothing to keep.
[[nodiscard]] QString Regels(const TScheidsrechters& scheidsrechters);

// The reader's state over the lines of the group: a value that cannot be read takes the key's
// default, or is left out.
class TLezer
{
public:
    // One line of the group (IsScheidsrechterSleutel).
    void Regel(TToernooiSleutel sleutel, QStringView waarde);
    // What was read, its matches in the model's order.
    [[nodiscard]] TScheidsrechters Neem();

private:
    TScheidsrechters m_gelezen;
    QString m_fluiter;
    bool m_heeftFluiter = false;
};

} // namespace ScheidsrechterGroep
