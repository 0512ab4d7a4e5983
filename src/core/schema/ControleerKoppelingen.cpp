#include "core/schema/ControleerKoppelingen.h"

#include "core/model/PouleTitel.h"

#include <QSet>
#include <vector>

QStringList ControleerKoppelingen(const ToernooiModel& model)
{
    const auto& poules = model.PouleLijst();
    const int aantal = int(poules.size());
    // Which poules come first with their name, worked out once rather than per link.
    std::vector<bool> eersteMetNaam(std::size_t(aantal), false);
    {
        QSet<QString> gezien;
        gezien.reserve(aantal);
        for (int p = 0; p < aantal; ++p) {
            const QString& naam = poules[std::size_t(p)]->Details->PouleNaam;
            if (!gezien.contains(naam)) {
                gezien.insert(naam);
                eersteMetNaam[std::size_t(p)] = true;
            }
        }
    }
    const std::vector<int> partners = ToernooiModel::PartnerIndexen(poules);
    QStringList problemen;
    for (int p = 0; p < aantal; ++p) {
        const TPouleDetails& poule = *poules[std::size_t(p)]->Details;
        const int q = partners[std::size_t(p)];
        if (q < 0)
            continue;
        const QString naam = poule.PouleNaam;
        const TPouleDetails& partner = *poules[std::size_t(q)]->Details;
        const QString partnerNaam = partner.PouleNaam;
        if (&partner == &poule) {
            problemen.append(PouleTitel(naam) +
                             QStringLiteral(" is aan zichzelf gekoppeld als kruispoule."));
            continue;
        }
        // The builder finds a partner by its name, so the name must lead to that poule.
        if (!eersteMetNaam[std::size_t(q)]) {
            problemen.append(QStringLiteral("Er zijn meerdere poules met de naam ") + partnerNaam +
                             QStringLiteral("; kruispoule van ") +
                             PouleTitel(naam, QStringLiteral("poule")) +
                             QStringLiteral(" is niet eenduidig."));
            continue;
        }
        if (partners[std::size_t(q)] != p) {
            problemen.append(PouleTitel(naam) +
                             QStringLiteral(" is gekoppeld aan kruispoule ") + partnerNaam +
                             QStringLiteral(", maar ") + partnerNaam +
                             QStringLiteral(" niet aan ") + naam + u'.');
            continue;
        }
        // A mutual pair is reported once, from its first poule.
        if (q > p && partner.KruisPouleCompetitieType != poule.KruisPouleCompetitieType) {
            problemen.append(PouleTitel(naam) + QStringLiteral(" en kruispoule ") +
                             partnerNaam +
                             QStringLiteral(" hebben een verschillend soort kruiswedstrijden "
                                            "(enkele en dubbele wedstrijden)."));
        }
    }
    return problemen;
}
