#pragma once

#include "core/afdruk/TAfdrukGegevens.h"

class ToernooiModel;

// Gathers from the tournament what a printed document shows: texts, fonts, field count, the
// schedule with the round headers, the poules with their teams and the referees of the
// matches. The metrics, the page total and the highlighted team are the caller's.
[[nodiscard]] TAfdrukGegevens AfdrukInhoud(const ToernooiModel& model, const TSchemaBoom& schema,
                                           const TPaginaMaten& maten, const QString& printDatum);

// The highlighted team's name and poule for a position in the team list (from 1); none for 0.
void ZetVetTeam(TAfdrukGegevens& gegevens, const ToernooiModel& model, int vetTeamIndex);
