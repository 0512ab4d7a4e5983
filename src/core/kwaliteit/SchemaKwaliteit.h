#pragma once

#include "core/kwaliteit/Ondergrens.h"
#include "core/kwaliteit/RondeEinde.h"

#include <QString>
#include <span>
#include <vector>

class ToernooiModel;
struct TSchemaBoom;
struct TTeamDetails;

// How one team of a poule fares in a built schedule; only its own poule matches count, since
// cross matches name no team.
struct TTeamKwaliteit
{
    const TTeamDetails* Team = nullptr;
    QString PouleNaam;
    int Wedstrijden = 0;
    // First and last round with a match; 0 without matches.
    int Eerste = 0;
    int Laatste = 0;
    // How often two of its matches fall in consecutive rounds.
    int AchterElkaar = 0;
    // The most rounds without a match between two consecutive matches.
    int LangsteWacht = 0;
    // The most consecutive rounds it plays in.
    int LangsteReeks = 0;
    // Distinct fields, as the slots stand after the finals moved to field 1.
    int Velden = 0;
};

// What a built schedule achieves against what any schedule could.
struct TSchemaKwaliteit
{
    // The last round that holds a match.
    int Ronden = 0;
    TOndergrens Ondergrens;
    // Day and end time of the last round with a match.
    TRondeEinde Einde;
    // Every team that is in a poule, in the order of the team list.
    std::vector<TTeamKwaliteit> Teams;

    [[nodiscard]] int AchterElkaarTotaal() const;
    // The back-to-back matches the counting bound forces, summed over the teams (see
    // GedwongenAchterElkaar): what no schedule of this many rounds can avoid.
    [[nodiscard]] int AchterElkaarOndergrens() const;
    [[nodiscard]] int LangsteWacht() const;
    // Teams that play three or more rounds in a row.
    [[nodiscard]] int TeamsDrieOpRij() const;
};

// Back-to-back matches, longest wait and longest run of one team, from the rounds of its
// matches in increasing order.
struct TWachtCijfers
{
    int AchterElkaar = 0;
    int LangsteWacht = 0;
    int LangsteReeks = 0;
};
[[nodiscard]] TWachtCijfers TelWachten(std::span<const int> ronden);

// A team with g matches in R rounds needs 2g - 1 rounds to play none of them back to back,
// so at least max(0, 2g - 1 - R) of them are.
[[nodiscard]] int GedwongenAchterElkaar(int wedstrijden, int ronden);

// Measures the schedule built from the model, reading its field usage table for the times.
[[nodiscard]] TSchemaKwaliteit MeetKwaliteit(const ToernooiModel& model, const TSchemaBoom& boom);
