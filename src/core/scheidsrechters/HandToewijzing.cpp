#include "core/scheidsrechters/HandToewijzing.h"

TScheidsWijziging WijzigScheidsrechter(const ToernooiModel& model, const TSchemaBoom& schema,
                                       const TScheidsrechters& regels, const QList<TScheidsToewijzing>& huidig,
                                       const TScheidsToewijzing& nieuw)
{
    TScheidsrechters naHuidig = regels;
    naHuidig.Toewijzingen = huidig;
    TScheidsWijziging wijziging;
    wijziging.Breuk = ControleerScheidsrechter(model, schema, naHuidig, nieuw);
    for (const TScheidsToewijzing& t : huidig) {
        if (t.Tekst != nieuw.Tekst || t.Keer != nieuw.Keer)
            wijziging.Toewijzingen.append(t);
    }
    if (!nieuw.Naam.isEmpty())
        wijziging.Toewijzingen.append(nieuw);
    SorteerToewijzingen(wijziging.Toewijzingen);
    return wijziging;
}
