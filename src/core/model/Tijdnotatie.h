#pragma once

#include "core/model/TDagDeel.h"

#include <QString>
#include <optional>

namespace Tijdnotatie {

// Brings a typed or stored day-part time into the form "uu:mm": stray characters dropped,
// hours folded below 24 and minutes below 60. A position without digits reads as 0.
[[nodiscard]] QString NormaliseerTijd(const QString& tekst);

// A time as the organiser types it: "9:30", "9.30", "9u30", "930", "0930" or "9" (a whole
// hour), with blanks around it allowed. The answer is "uu:mm", or nothing when the text is
// not a time of day (hours 0 to 23, minutes 0 to 59, written with two digits).
[[nodiscard]] std::optional<QString> LeesGetypteTijd(const QString& tekst);

// A whole hour as "uu:00".
[[nodiscard]] QString UurTekst(int uur);

// The default day parts for the given number of days and parts per day: each day starts at
// 09:00 and every part lasts 8 / partsPerDay hours (integer division).
[[nodiscard]] TDagTijden StandaardDagDelen(int aantalDagen, int delenPerDag);

} // namespace Tijdnotatie
