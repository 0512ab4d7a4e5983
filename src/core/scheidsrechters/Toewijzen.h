#pragma once

#include "core/model/TScheidsrechters.h"

#include <QList>
#include <QStringList>

class TScheidsOpzet;
class ToernooiModel;
struct TSchemaBoom;

// An assignment: the matches with a referee, in schedule order, and the matches left without
// one, each with the reason in Dutch. For a kept assignment the open match names the referee
// it had.
struct TScheidsUitkomst
{
    QList<TScheidsToewijzing> Toewijzingen;
    QList<TScheidsToewijzing> Open;
    QStringList Redenen; // one per open match
};

// Assigns a referee to every match of the schedule that can have one, by the settings' rules:
// the rules that always hold are never broken and every referee has at most one match a round.
// As many matches as possible get a referee; among those assignments the numbers of matches of
// the referees are spread as evenly as possible (within one of each other wherever the rules
// allow it). Then, without changing any referee's number, the preferences are kept as well as
// it can: no duty just before or after its own match (or the team that just played on the
// field staying on), not its own club, as few rounds on duty in a row as possible.
// Deterministic: integer arithmetic, no clock, no chance.
[[nodiscard]] TScheidsUitkomst Toewijzen(const TScheidsOpzet& opzet);
[[nodiscard]] TScheidsUitkomst Toewijzen(const ToernooiModel& model, const TSchemaBoom& schema,
                                         const TScheidsrechters& scheidsrechters);
