#pragma once

#include "LezerControle.h"
#include "core/model/Invoertekst.h"
#include "core/uitwisseling/TeamImport.h"

#include <QStringList>

// What must hold for any team list: the preview and applying it return, every accepted row
// adds its one team, no name holds a control character, and the tournament with the new
// teams survives a save and a load: the teams read back are the teams applied, with their
// details and poules. The list is imported into a small tournament that already has teams
// and a poule, so that the refusals of names that exist are met too. Returns an empty text
// when all holds, otherwise what went wrong.
namespace ImportControle {

// Every team with its details and its poule, one text per team, in the team list's order.
inline QStringList Teams(const ToernooiModel& model)
{
    QStringList teams;
    for (const auto& team : model.TeamLijst()) {
        const TPoule* poule = model.PouleVanTeam(team.get());
        teams.append(QStringList{team->TeamNaam, team->ClubNaam, team->ClubAdres,
                                 team->ClubPostcodePlaats, team->ClubTelefoon, team->ClubFax,
                                 team->BegeleiderNaam, team->BegeleiderAdres,
                                 team->BegeleiderPostcodePlaats, team->BegeleiderTelefoon,
                                 team->BegeleiderFax,
                                 poule ? poule->Details->PouleNaam : QString()}
                         .join(u'|'));
    }
    return teams;
}

inline QString Controleer(QByteArrayView invoer)
{
    ToernooiModel model;
    (void)model.VoegTeamToe(QStringLiteral("Ajax E1"));
    (void)model.VoegTeamToe(QStringLiteral("Poule B"));
    (void)model.VoegPouleToe(QStringLiteral("Poule A"));
    model.ZetTeamsInPoule(0, {model.TeamLijst().front().get()});

    const TImportVoorbeeld voorbeeld = TeamImport::Voorbeeld(model, invoer);
    const std::size_t voor = model.TeamLijst().size();
    TeamImport::Pas(model, voorbeeld);
    if (model.TeamLijst().size() - voor != std::size_t(voorbeeld.AantalGeaccepteerd()))
        return QStringLiteral("niet elke geaccepteerde regel gaf één team");
    for (const TImportRij& rij : voorbeeld.Rijen) {
        if (rij.Geaccepteerd && Invoertekst::HeeftStuurtekens(rij.Team.TeamNaam))
            return QStringLiteral("een stuurteken in een geaccepteerde naam");
    }
    for (const QString& team : Teams(model)) {
        if (Invoertekst::HeeftStuurtekens(team))
            return QStringLiteral("een stuurteken in het toernooi");
    }
    model.ZetGewijzigd(false);
    if (QString fout = LezerControle::ControleerModel(model); !fout.isEmpty())
        return fout;

    const QDateTime moment(QDate(2000, 1, 1), QTime(12, 0), QTimeZone::utc());
    ToernooiModel gelezen;
    ToernooiLezer::LeesToernooiBytes(gelezen,
                                     ToernooiSchrijver::ToernooiBytes(model, moment, QLocale::c()));
    if (Teams(gelezen) != Teams(model))
        return QStringLiteral("na opslaan en laden andere teams dan toegevoegd");
    return {};
}

} // namespace ImportControle
