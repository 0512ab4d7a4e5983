#pragma once

#include "core/model/TScheidsrechters.h"

#include <QByteArray>

class TWedstrijdDag;
class ToernooiModel;
struct TSchemaBoom;

// The schedule as one self-contained web page (HTML5, UTF-8): no external resources, so it
// works from disk, offline and on a phone, and prints on A4. It shows the tournament's name
// and date, the schedule per day and round, a box to pick a team (also from the address:
// "#team=NAAM") that then shows only its matches and its poule's, and the poule division;
// with a match day that has results, also the scores and the standings. With an assignment of
// referees to this schedule, every match names its referee, and a team chosen in the box also
// shows the matches it referees and its duties ("Fluiten: ronde 3, veld 2").
namespace HtmlSchema {

[[nodiscard]] QByteArray Schrijf(const ToernooiModel& model, const TSchemaBoom& boom,
                                 const TWedstrijdDag* dag = nullptr,
                                 const QList<TScheidsToewijzing>& toewijzingen = {});

} // namespace HtmlSchema
