#include "core/afdruk/PrintOpdrachten.h"

#include <algorithm>

namespace PrintOpdrachten {

QList<TOpdracht> StelOp(const TKeuzes& keuzes, const QStringList& teams,
                        const QString& toernooiNaam)
{
    QList<TOpdracht> opdrachten;
    if (keuzes.VolSchema)
        opdrachten.append({QStringLiteral("Rondoplan. Schema. ") + toernooiNaam, TSoort::Schema, 0});
    if (keuzes.Poules)
        opdrachten.append({QStringLiteral("Rondoplan. Poules. ") + toernooiNaam, TSoort::Poules, 0});
    if (keuzes.PerTeam) {
        QList<int> gekozen = keuzes.GeselecteerdeTeams;
        std::sort(gekozen.begin(), gekozen.end());
        gekozen.erase(std::unique(gekozen.begin(), gekozen.end()), gekozen.end());
        for (int positie : std::as_const(gekozen)) {
            if (positie < 0 || positie >= teams.size())
                continue;
            opdrachten.append({QStringLiteral("Rondoplan. Team ") + teams.at(positie)
                                   + QStringLiteral(". ") + toernooiNaam,
                               TSoort::Schema, positie + 1});
        }
    }
    if (keuzes.Scheidsrechterbriefjes)
        opdrachten.append({QStringLiteral("Rondoplan. Scheidsrechterbriefjes. ") + toernooiNaam,
                           TSoort::Briefjes, 0});
    if (keuzes.Scheidsrechters)
        opdrachten.append({QStringLiteral("Rondoplan. Scheidsrechters. ") + toernooiNaam,
                           TSoort::Scheidsrechters, 0});
    if (keuzes.Uitslagen)
        opdrachten.append({QStringLiteral("Rondoplan. Uitslagen. ") + toernooiNaam, TSoort::Uitslagen, 0});
    return opdrachten;
}

TOpdracht KwaliteitOpdracht(const QString& toernooiNaam)
{
    return {QStringLiteral("Rondoplan. Kwaliteit. ") + toernooiNaam, TSoort::Kwaliteit, 0};
}

QString PdfNaam(const QString& titel)
{
    QString naam = titel;
    naam.replace(u'/', u'_');
    return naam + QStringLiteral(".pdf");
}

} // namespace PrintOpdrachten
