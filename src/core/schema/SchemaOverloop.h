#pragma once

#include <QString>

class VeldenEnRonden;
class TUitslagen;
struct TSchemaBoom;

// The line that says a schedule runs past the tournament's own days (its later rounds get
// further days from 09:00 to 17:00, and rounds after the last header no day or time at all);
// empty when every round falls in the tournament's day parts.
[[nodiscard]] QString SchemaOverloop(const TSchemaBoom& boom, const VeldenEnRonden& velden);

// How many matches with a result stand in nieuw in another round or on another field than
// in oud (or no longer in it): what a rebuild would move of the matches already played.
[[nodiscard]] int VerplaatsteGespeeld(const TSchemaBoom& oud, const TSchemaBoom& nieuw,
                                      const TUitslagen& uitslagen);
