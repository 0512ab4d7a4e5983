#pragma once

#include <QList>
#include <QString>

// The record of one team. Owned by the team list of ToernooiModel; every other structure
// (poule tree, matches, the builder's opponent lists) refers to it.
struct TTeamDetails
{
    explicit TTeamDetails(const QString& naam) : TeamNaam(naam), ClubNaam(naam) {}

    QString TeamNaam;
    QString ClubNaam;
    QString ClubAdres;
    QString ClubPostcodePlaats;
    QString ClubTelefoon;
    QString ClubFax;
    QString BegeleiderNaam;
    QString BegeleiderAdres;
    QString BegeleiderPostcodePlaats;
    QString BegeleiderTelefoon;
    QString BegeleiderFax;

    // Working fields of the schedule builder; the editor and the file never touch them.
    quint8 Fase = 0;
    int LaatsteRonde = 0;
    int WedstrijdenInHelft = 0;
    int Gespeeld = 0;
    int WedstrijdenPerHelft = 0;
    QList<TTeamDetails*> Tegenstanders;
};

// The fields the organiser edits and the file holds, the name first; the builder's working
// fields are not among them.
inline constexpr QString TTeamDetails::*TeamVelden[] = {
    &TTeamDetails::TeamNaam,           &TTeamDetails::ClubNaam,
    &TTeamDetails::ClubAdres,          &TTeamDetails::ClubPostcodePlaats,
    &TTeamDetails::ClubTelefoon,       &TTeamDetails::ClubFax,
    &TTeamDetails::BegeleiderNaam,     &TTeamDetails::BegeleiderAdres,
    &TTeamDetails::BegeleiderPostcodePlaats, &TTeamDetails::BegeleiderTelefoon,
    &TTeamDetails::BegeleiderFax,
};
