#pragma once

#include <QString>
#include <QStringView>

struct TSchemaIndeling;

// The kept schedule's group of the tournament file: one "SchemaPlek=" line per match,
// "<round>,<field>,<Keer>,<match text>", closed by "#". It follows the results group and is
// left out when the schedule is the builder's own, so such a tournament is saved as before; a
// reader that does not know the key skips it and builds its own schedule.
namespace SchemaGroep {

// The lines of the group, each ending in CR LF; empty when nothing is kept.
[[nodiscard]] QString Regels(const TSchemaIndeling& indeling);

// Reads the value of one "SchemaPlek=" line into the indeling; a value that cannot be read is
// left out, and the kept schedule then no longer fits the tournament.
void LeesRegel(TSchemaIndeling& indeling, QStringView waarde);

} // namespace SchemaGroep
