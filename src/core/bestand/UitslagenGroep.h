#pragma once

#include "core/bestand/ToernooiSleutel.h"

#include <QString>
#include <QStringView>

class TUitslagen;

// The match day's group of the tournament file: "Punten=" when the points differ from 3,1,0,
// the "Loting=" lines, the "Uitslag=" lines (a cross match's with "UitslagTeam1=" and
// "UitslagTeam2=" after it), the results set aside ("UitslagVervallen=", with their teams),
// closed by "#". It follows everything else the writer writes and is left out when it would
// be empty, so a tournament without results is saved as before; a reader that does not know
// these keys skips them. The keys are those of ToernooiSleutel from Punten on.
namespace UitslagenGroep {

// The lines of the group, each ending in CR LF; empty when there is nothing to keep.
[[nodiscard]] QString Regels(const TUitslagen& uitslagen);

// One line of the group for the reader: its key (IsUitslagSleutel), its value and the whole
// line as it stood. The line is taken, or kept as it stood when it cannot be read, to be saved
// again unchanged; a key outside the group does nothing.
void LeesRegel(TUitslagen& uitslagen, TToernooiSleutel sleutel, QStringView waarde,
               QStringView regel);

} // namespace UitslagenGroep
