#pragma once

#include "core/model/TUitloop.h"

#include <QString>
#include <QStringView>

// The delays of the match day in the tournament file: one "Uitloop=" line per delay,
// "<round>,<minutes>", closed by "#". The group follows the kept schedule's group and is left
// out when there is no delay, so such a tournament is saved as before; a reader that does not
// know the key skips it and shows the day parts' own times.
namespace UitloopGroep {

// The lines of the group, each ending in CR LF; empty without delays.
[[nodiscard]] QString Regels(const TUitloop& uitloop);

// Reads the value of one "Uitloop=" line; a value that cannot be read is left out.
void LeesRegel(TUitloop& uitloop, QStringView waarde);

} // namespace UitloopGroep
