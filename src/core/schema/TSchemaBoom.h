#pragma once

#include "schema/TSchemaRonde.h"

#include <QString>
#include <vector>

class VeldenEnRonden;

// The schedule a build produces: its round entries in round order. The view, the printouts
// and the command-line tool read only the texts; the match records refer to the records of
// the tournament model the schedule was built from.
struct TSchemaBoom
{
    std::vector<TSchemaRonde> Ronden;

    [[nodiscard]] bool Leeg() const { return Ronden.empty(); }

    // The tree as text lines, each ended by "\n": a round entry's text on its own line,
    // followed by its slot entries indented by two spaces. With a table, each round line
    // carries a TAB and the header of that round's row.
    [[nodiscard]] QString AlsTekst(const VeldenEnRonden* rondeKoppen = nullptr) const;

    friend bool operator==(const TSchemaBoom&, const TSchemaBoom&) = default;
};
