#pragma once

#include "model/TDagDeel.h"

#include <QString>

namespace Tijdnotatie {

// Brings a typed or stored day-part time into the form "uu:mm": stray characters dropped,
// hours folded below 24 and minutes below 60. A position without digits reads as 0.
[[nodiscard]] QString NormaliseerTijd(const QString& tekst);

// A whole hour as "uu:00".
[[nodiscard]] QString UurTekst(int uur);

// The default day parts for the given number of days and parts per day: each day starts at
// 09:00 and every part lasts 8 / partsPerDay hours (integer division).
[[nodiscard]] TDagTijden StandaardDagDelen(int aantalDagen, int delenPerDag);

} // namespace Tijdnotatie
