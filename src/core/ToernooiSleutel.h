#pragma once

#include <QString>

// The keys of the tournament file that must be equal to a whole key. Font keys are matched
// by parts instead (".LETTERTYPE." and the rest), so they are not in this list.
enum class TToernooiSleutel
{
    Geen,
    ToernooiNaam,
    StartDatum,
    AantalDagen,
    DelenPerDagen,
    GewoneVelden,
    SpecialeVelden,
    BeginTijd,
    EindTijd,
    DuurWedstrijd,
    Pauze,
    GeenWedstrijd,
    PouleNaam,
    CompetitieType,
    KruisPoule,
    KruisPouleCompetitieType,
    MinimaleRust,
    TeamNaam,
    ClubNaam,
    ClubAdres,
    ClubPostcodePlaats,
    ClubTelefoon,
    ClubFax,
    BegeleiderNaam,
    BegeleiderAdres,
    BegeleiderPostcodePlaats,
    BegeleiderTelefoon,
    BegeleiderFax,
};

// The key of an upper-cased key text; Geen when it names none.
[[nodiscard]] TToernooiSleutel ZoekToernooiSleutel(const QString& hoofdSleutel);
