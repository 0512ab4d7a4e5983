#pragma once

#include "core/model/TScheidsrechters.h"

#include <QByteArray>
#include <QList>
#include <QString>

class TWedstrijdDag;
class VeldenEnRonden;
struct TSchemaBoom;

// The schedule as a spreadsheet list: a header row and one row per slot, empty slots
// included, separated by semicolons and encoded as UTF-8 with a byte-order mark, so that a
// Dutch spreadsheet program opens it with the right columns and characters.
namespace CsvSchema {

// A value quoted as RFC 4180 asks when it holds the separator, a quote or a line break; a
// value that starts with "=", "+", "-", "@", a TAB or a CR gets a leading "'", so that a
// spreadsheet program shows it as text and never runs it as a formula.
[[nodiscard]] QString Veld(const QString& waarde, QChar scheiding = u';');

// With a match day: cross matches name the teams the results know, and a played match has
// its goals as plain numbers in Thuis (Team 1) and Uit (Team 2), so that a spreadsheet does
// not read "3-1" as a date; Beslissing names the side that won a level match after
// penalties ("B wint na strafschoppen"). With an assignment of referees to this schedule in
// which at least one match has a referee, a last column Scheidsrechter names each match's
// referee (empty for a match without one); without, the list is as it always was.
[[nodiscard]] QByteArray Schrijf(const TSchemaBoom& boom, const VeldenEnRonden& velden,
                                 const TWedstrijdDag* dag = nullptr,
                                 const QList<TScheidsToewijzing>& toewijzingen = {});

} // namespace CsvSchema
