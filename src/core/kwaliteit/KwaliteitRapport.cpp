#include "core/kwaliteit/KwaliteitRapport.h"

#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/model/TTeamDetails.h"

#include <QStringList>

QString KwaliteitRapport(const TSchemaKwaliteit& kwaliteit)
{
    QStringList regels;
    regels << QStringLiteral("Rondes\t") + QString::number(kwaliteit.Ronden);
    regels << QStringLiteral("Ondergrens\t") + QString::number(kwaliteit.Ondergrens.Ronden);
    regels << QStringLiteral("Einde\t") + kwaliteit.Einde.Dag + u'\t' + kwaliteit.Einde.Tijd;
    regels << QStringLiteral("Team\tPoule\tWedstrijden\tEerste\tLaatste\tAchterElkaar\t"
                             "LangsteWacht\tVelden");
    for (const TTeamKwaliteit& team : kwaliteit.Teams) {
        regels << QStringList{team.Team->TeamNaam,
                              team.PouleNaam,
                              QString::number(team.Wedstrijden),
                              QString::number(team.Eerste),
                              QString::number(team.Laatste),
                              QString::number(team.AchterElkaar),
                              QString::number(team.LangsteWacht),
                              QString::number(team.Velden)}
                      .join(u'\t');
    }
    return regels.join(u'\n') + u'\n';
}
