#pragma once

#include "core/model/TLettertype.h"
#include "core/model/TScheidsrechters.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct TSchemaBoom;
class VeldenEnRonden;

// The text of the schedule window: one line per slot of the schedule, grouped by round with
// the round label and time range in a left column (a round of one slot has its time range
// on the blank line below it), day lines, the tournament name and date
// above and the print date below. Lines marked "--- Volgende pagina ---" stand where the
// printed schedule breaks to a new page. Every character has a font: the line's own font,
// or the highlight font where the chosen team and its poule are marked.
class SchemaWeergave
{
public:
    // Width of a text in a font on the screen, used to pad the label column with blanks.
    using BreedteMeter = std::function<int(const QString& tekst, const TLettertype& font)>;

    struct Invoer
    {
        const TSchemaBoom* Schema = nullptr;
        const VeldenEnRonden* Velden = nullptr;
        QString ToernooiNaam;
        QString StartDatum;
        QString PrintDatum;
        int AantalVelden = 1;
        int LinesPerPage = 1;
        TLettertypen Fonts;
        BreedteMeter SchermBreedte;
        // The referees of the matches; with any, each match line ends in its referee, in a
        // column of its own.
        QList<TScheidsToewijzing> Scheidsrechters;
    };

    // A range of one line drawn in the highlight font.
    struct Markering
    {
        int Regel = 0;
        int Begin = 0;
        int Lengte = 0;

        friend bool operator==(const Markering&, const Markering&) = default;
    };

    static const QString VolgendePagina;

    // Rewrites every line and counts the pages; the marking is cleared.
    void FillView(const Invoer& invoer);
    // Marks the first occurrence of the team, and of its poule, in every line that holds the
    // name followed by a blank. An empty team name clears all marking.
    void MarkVetTeam(const QString& team, const QString& poule);

    // Takes a new text or highlight font without refilling: the lines, their padding and the
    // page markers stay as the last fill made them.
    void ZetTekstFonts(const TLettertype& textFont, const TLettertype& vetTeamFont);

    [[nodiscard]] const QStringList& Regels() const { return m_regels; }
    [[nodiscard]] int PageCount() const { return m_pageCount; }
    // The font of a line where it is not marked.
    [[nodiscard]] TLettertype RegelLettertype(int regel) const;
    [[nodiscard]] const std::vector<Markering>& Markeringen() const { return m_markeringen; }
    [[nodiscard]] const TLettertypen& Fonts() const { return m_fonts; }
    // The slot a line shows as (round, field), both from 1; nothing for any other line.
    [[nodiscard]] std::optional<std::pair<int, int>> Vak(int regel) const;

private:
    void MarkeerNaam(const QString& naam);
    [[nodiscard]] QString Uitgelijnd(const QString& prefix, int kolomBreedte,
                                     const BreedteMeter& meter);

    QStringList m_regels;
    QHash<int, std::pair<int, int>> m_vakken; // line -> (round, field)
    std::vector<Markering> m_markeringen;
    TLettertypen m_fonts;
    int m_pageCount = 1;
    QHash<QString, QString> m_uitgelijnd;
};
