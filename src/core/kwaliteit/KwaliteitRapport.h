#pragma once

#include <QString>

struct TSchemaKwaliteit;

// The quality report as TAB-separated lines, each ended by "\n": "Rondes" and R, "Ondergrens"
// and B, "Einde" with the day text and end time, a header line, and one line per team.
[[nodiscard]] QString KwaliteitRapport(const TSchemaKwaliteit& kwaliteit);
