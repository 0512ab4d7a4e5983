#pragma once

#include "core/schema/TSchemaRonde.h"

#include <QHash>
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

    // The match text of a slot: its text after "Veld f: ".
    [[nodiscard]] static QString WedstrijdTekst(const QString& slot);

    // Every match in schedule order, as doe(round index, slot index, record, match text,
    // Keer): Keer is 1 for the first match with that text and 2 for the second (a full
    // competition names a pair twice alike), which is how the results name a match.
    template <typename Doe> void VoorElkeWedstrijd(Doe doe) const
    {
        QHash<QString, int> keren;
        for (std::size_t r = 0; r < Ronden.size(); ++r) {
            for (std::size_t v = 0; v < Ronden[r].Velden.size(); ++v) {
                const TSchemaVeld& veld = Ronden[r].Velden[v];
                if (!veld.Wedstrijd)
                    continue;
                const QString tekst = WedstrijdTekst(veld.Tekst);
                const int keer = ++keren[tekst];
                doe(r, v, *veld.Wedstrijd, tekst, keer);
            }
        }
    }

    friend bool operator==(const TSchemaBoom&, const TSchemaBoom&) = default;
};
