#pragma once

#include "core/scheidsrechters/Toewijzen.h"

class TScheidsOpzet;
class ToernooiModel;
struct TSchemaBoom;

// The assignment of the settings carried over to a changed schedule (built again, improved, a
// match moved): every match keeps its referee (found by text and Keer, wherever it stands now)
// while that still keeps the rules that always hold and one match a round, in schedule order;
// the others are listed as open with the referee they had and the reason.
[[nodiscard]] TScheidsUitkomst BehoudToewijzing(const TScheidsOpzet& opzet);
[[nodiscard]] TScheidsUitkomst BehoudToewijzing(const ToernooiModel& model, const TSchemaBoom& nieuw,
                                                const TScheidsrechters& scheidsrechters);
