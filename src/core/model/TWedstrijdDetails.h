#pragma once

#include "core/model/TKruisWedstrijd.h"

#include <optional>

struct TTeamDetails;
struct TPouleDetails;

// One scheduled match. For a cross match both team references are null, both poule
// references name the poule the builder chose, and Kruis says what the match is and what its
// sides are. The record owns nothing it refers to.
struct TWedstrijdDetails
{
    TTeamDetails* Team1 = nullptr;
    TPouleDetails* Poule1 = nullptr;
    TTeamDetails* Team2 = nullptr;
    TPouleDetails* Poule2 = nullptr;
    std::optional<TKruisWedstrijd> Kruis{};

    friend bool operator==(const TWedstrijdDetails&, const TWedstrijdDetails&) = default;
};
