#pragma once

#include "core/model/ToernooiModel.h"

#include <QStringList>

// The cross-poule links a build can finish with: every poule with a partner (KruisPoule > 0)
// names an existing other poule that names it back, with the same kind of cross matches.
// A one-sided link or a pair of differing kinds ends its own matches in phases that never
// meet, so such a pair would never finish. Returns one Dutch line per problem, empty when
// every link is sound.
[[nodiscard]] QStringList ControleerKoppelingen(const ToernooiModel& model);
