#pragma once

#include "core/model/TScheidsrechters.h"
#include "core/scheidsrechters/ScheidsrechterRegels.h"

#include <QList>
#include <optional>

class ToernooiModel;
struct TSchemaBoom;

// A referee changed by hand: the assignment as it would be, and the first rule that change
// breaks (nothing when it breaks none).
struct TScheidsWijziging
{
    QList<TScheidsToewijzing> Toewijzingen;
    std::optional<TScheidsBreuk> Breuk;
};

// The match of nieuw (round, field, Keer, text) gets the referee nieuw.Naam, or none when the
// name is empty, in the assignment huidig as it stands on the schedule; every other match keeps
// its referee. The rules are the settings' own, checked against huidig.
[[nodiscard]] TScheidsWijziging WijzigScheidsrechter(const ToernooiModel& model, const TSchemaBoom& schema,
                                                     const TScheidsrechters& regels,
                                                     const QList<TScheidsToewijzing>& huidig,
                                                     const TScheidsToewijzing& nieuw);
