#pragma once

#include "core/model/TDagDeel.h"
#include "core/model/TUitloop.h"

#include <QString>
#include <QStringList>
#include <vector>

// The field usage table: rows are rounds, columns are fields, both counted from 1. Column 0
// carries the round headers with their clock times, row 0 the field headers. A cell reads
// "Wedstrijd" when the field may be used in that round and is empty otherwise.
//
// Rows and columns 1..299 are written at creation. Cells outside what was ever written read
// as empty, so the table answers for any position without growing.
class VeldenEnRonden
{
public:
    static constexpr int OpgeslagenRijen = 299;
    static constexpr int OpgeslagenKolommen = 299;
    // Rounds 1..99 plus the header row; this never changes.
    static constexpr int GetoondeRijen = 100;
    // Room for every column "Reset alle velden." can reach: 300 + 300 fields plus one.
    static constexpr int MaxKolommen = 602;

    VeldenEnRonden();

    [[nodiscard]] QString Cel(int kolom, int rij) const;
    [[nodiscard]] bool Beschikbaar(int veld, int ronde) const;
    [[nodiscard]] QString RondeKop(int ronde) const { return Cel(0, ronde); }

    // The shown extent: the header column plus one column per field.
    [[nodiscard]] int KolomAantal() const { return m_kolomAantal; }
    [[nodiscard]] int RijAantal() const { return GetoondeRijen; }
    void ZetKolomAantal(int aantal);

    // Sets the cell of a field and round to "Wedstrijd" or empty; header cells are not touched.
    void ZetBeschikbaar(int veld, int ronde, bool beschikbaar);

    // Turns a usable cell into an unusable one and back. Returns false for header cells.
    bool Wissel(int kolom, int rij);

    // Writes "Wedstrijd" into columns 1..KolomAantal() of rows 1..299.
    void ResetAlleVelden();
    // Writes "Wedstrijd" into every column that any number of fields can show, rows 1..299:
    // what a load needs, so that no unavailable cell of an earlier, wider tournament survives.
    void ResetAlleCellen();

    // Rewrites the headers of rounds 1..99 from the day parts (or the defaults 09:00 - 17:00
    // when none are given), the match duration and the pause. Returns false when a day-part
    // time cannot be read as numbers; the headers written up to then stay. A delay moves the
    // clock times of its round and of the later rounds of the same day, nothing else.
    bool VulRondeKoppen(const TDagTijden* dagDelen, int duur, int pauze, int delenPerDag,
                        const TUitloop& uitloop = {});
    // The rounds that fall in the tournament's own day parts, as the last VulRondeKoppen
    // found them; the headers after them go on with further days from 09:00 to 17:00, and
    // rounds after the last header have no day or time at all.
    [[nodiscard]] int GeplandeRonden() const { return m_geplandeRonden; }

    friend bool operator==(const VeldenEnRonden&, const VeldenEnRonden&) = default;

private:
    [[nodiscard]] bool InOpslag(int kolom, int rij) const;
    void MaakBeschikbaar(int totKolom);

    QStringList m_rondeKoppen; // index = row, 0..299
    QStringList m_veldKoppen;  // index = column, 0..299
    std::vector<bool> m_cellen; // MaxKolommen x (OpgeslagenRijen + 1), row-major by column
    int m_kolomAantal = 2;
    int m_geplandeRonden = GetoondeRijen - 1;
};
