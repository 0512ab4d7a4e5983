#include "core/scheidsrechters/Behouden.h"

#include "core/scheidsrechters/ScheidsrechterRegels.h"
#include "core/scheidsrechters/TScheidsOpzet.h"

#include <QHash>

TScheidsUitkomst BehoudToewijzing(const TScheidsOpzet& opzet)
{
    QHash<std::pair<QString, int>, QString> oud;
    for (const TScheidsToewijzing& t : opzet.Regels().Toewijzingen)
        oud.insert({t.Tekst, t.Keer}, t.Naam);

    TScheidsUitkomst uitkomst;
    QHash<std::pair<int, int>, int> bezet; // referee and round: the match it has there
    const auto& wedstrijden = opzet.Wedstrijden();
    for (std::size_t m = 0; m < wedstrijden.size(); ++m) {
        const auto& w = wedstrijden[m];
        const QString naam = oud.value({w.Tekst, w.Keer});
        if (naam.isEmpty())
            continue;
        TScheidsToewijzing t{w.Ronde, w.Veld, w.Keer, w.Tekst, naam};
        const int f = opzet.Fluiter(naam);
        std::optional<TScheidsBreuk> breuk;
        if (f < 0)
            breuk = TScheidsBreuk{QStringLiteral("%1 is geen scheidsrechter van dit toernooi").arg(naam)};
        else if (auto hard = ScheidsrechterRegels::Hard(opzet, f, int(m)))
            breuk = std::move(hard);
        else if (const int ander = bezet.value({f, w.Ronde}, -1); ander >= 0)
            breuk = ScheidsrechterRegels::AlBezet(opzet, f, ander);
        if (breuk) {
            uitkomst.Open.append(std::move(t));
            uitkomst.Redenen.append(breuk->Tekst);
            continue;
        }
        bezet.insert({f, w.Ronde}, int(m));
        uitkomst.Toewijzingen.append(std::move(t));
    }
    return uitkomst;
}

TScheidsUitkomst BehoudToewijzing(const ToernooiModel& model, const TSchemaBoom& nieuw,
                                  const TScheidsrechters& scheidsrechters)
{
    return BehoudToewijzing(TScheidsOpzet(model, nieuw, scheidsrechters));
}
