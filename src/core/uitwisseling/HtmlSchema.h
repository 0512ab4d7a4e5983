#pragma once

#include <QByteArray>

class TWedstrijdDag;
class ToernooiModel;
struct TSchemaBoom;

// The schedule as one self-contained web page (HTML5, UTF-8): no external resources, so it
// works from disk, offline and on a phone, and prints on A4. It shows the tournament's name
// and date, the schedule per day and round, a box to pick a team (also from the address:
// "#team=NAAM") that then shows only its matches and its poule's, and the poule division;
// with a match day that has results, also the scores and the standings.
namespace HtmlSchema {

[[nodiscard]] QByteArray Schrijf(const ToernooiModel& model, const TSchemaBoom& boom,
                                 const TWedstrijdDag* dag = nullptr);

} // namespace HtmlSchema
