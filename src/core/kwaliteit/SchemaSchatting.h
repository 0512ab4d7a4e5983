#pragma once

#include "core/kwaliteit/Ondergrens.h"
#include "core/kwaliteit/RondeEinde.h"

#include <QString>

class ToernooiModel;

// The estimate shown while the tournament is edited: the fewest rounds any schedule needs and
// the earliest end that allows, or that the field usage table is too small, all without a
// build. Cheap enough to recompute on every change of teams, poules, settings or cells.
struct TSchemaSchatting
{
    TOndergrens Ondergrens;
    // Day and end time of round B; empty when its header carries no time.
    TRondeEinde VroegsteEinde;

    // One line for the organiser; empty while there is nothing to schedule.
    [[nodiscard]] QString Tekst() const;
};

[[nodiscard]] TSchemaSchatting SchatSchema(const ToernooiModel& model);
