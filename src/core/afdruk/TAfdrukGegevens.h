#pragma once

#include "core/afdruk/TPaginaMaten.h"
#include "core/model/TLettertype.h"
#include "core/model/TScheidsrechters.h"

#include <QString>
#include <QStringList>
#include <vector>

struct TSchemaBoom;
class TWedstrijdDag;
struct TSchemaKwaliteit;
class VeldenEnRonden;

// One poule as the poule overview prints it.
struct TPouleBlok
{
    QString Naam;
    QStringList Teams;
};

// Everything a printed document shows besides the canvas: texts, fonts, metrics, the
// schedule with its round headers, the poules, and the team to highlight.
struct TAfdrukGegevens
{
    QString ToernooiNaam;
    QString StartDatum;
    QString PrintDatum;
    TLettertypen Fonts;
    TPaginaMaten Maten;
    // The page total printed after " van ".
    int PageCount = 1;
    int AantalVelden = 1;
    const TSchemaBoom* Schema = nullptr;
    const VeldenEnRonden* Velden = nullptr;
    std::vector<TPouleBlok> Poules;
    // The highlighted team and its poule; no highlighting when the team is empty.
    QString VetTeam;
    QString VetPoule;
    // The match day of the schedule, for the results printout.
    const TWedstrijdDag* Dag = nullptr;
    // The quality report a quality printout shows.
    const TSchemaKwaliteit* Kwaliteit = nullptr;
    // The referee of each match of the schedule, for the referee notes, the schedules and the
    // referees printout; none when empty.
    QList<TScheidsToewijzing> Scheidsrechters;
    // The referees in the order of the referee list (the teams that referee, then the named
    // ones), for the referees printout.
    QStringList ScheidsrechterNamen;
};
