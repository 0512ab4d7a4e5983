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

// Teams in no poule are stored after the poules under the team keys with "Los" before them
// ("LosTeamNaam=", "LosClubNaam=", ...), keys a reader of the poules and teams alone does not
// know and skips. The team key an upper-cased "LOS..." key stands for (TeamNaam to
// BegeleiderFax); Geen for any other key.
[[nodiscard]] TToernooiSleutel ZoekLosTeamSleutel(const QString& hoofdSleutel);

// True when the reader does something with the upper-cased key: an exact key, a font key or
// a key of a team in no poule.
[[nodiscard]] bool IsBekendeSleutel(const QString& hoofdSleutel);
