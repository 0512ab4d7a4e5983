#include "core/scheidsrechters/ScheidsrechterLijst.h"

#include "core/scheidsrechters/TScheidsOpzet.h"

#include <QHash>

QString ScheidsrechterLijst(const TScheidsOpzet& opzet, const QList<TScheidsToewijzing>& toewijzingen)
{
    QHash<std::pair<QString, int>, const TScheidsToewijzing*> vanWedstrijd;
    for (const TScheidsToewijzing& t : toewijzingen)
        vanWedstrijd.insert({t.Tekst, t.Keer}, &t);

    QStringList namen;
    QHash<QString, qsizetype> plek;
    for (const auto& f : opzet.Fluiters()) {
        if (!plek.contains(f.Naam))
            plek.insert(f.Naam, namen.size());
        namen.append(f.Naam);
    }
    QList<int> aantallen(namen.size(), 0);

    QString tekst;
    for (const auto& w : opzet.Wedstrijden()) {
        QString naam;
        if (const TScheidsToewijzing* t = vanWedstrijd.value({w.Tekst, w.Keer}); t && t->Ronde == w.Ronde
                                                                                 && t->Veld == w.Veld)
            naam = t->Naam;
        tekst += QString::number(w.Ronde) + u'\t' + QString::number(w.Veld) + u'\t' + w.Tekst + u'\t' + naam
                 + u'\n';
        if (naam.isEmpty())
            continue;
        auto i = plek.constFind(naam);
        if (i == plek.cend()) {
            i = plek.insert(naam, namen.size());
            namen.append(naam);
            aantallen.append(0);
        }
        ++aantallen[*i];
    }
    tekst += u'\n';
    for (qsizetype i = 0; i < namen.size(); ++i)
        tekst += namen[i] + u'\t' + QString::number(aantallen[i]) + u'\n';
    return tekst;
}
