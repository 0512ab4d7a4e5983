#pragma once

struct TTeamDetails;
struct TPouleDetails;

// One scheduled match. For a cross match both team references are null and both poule
// references name the poule the builder chose. The record owns nothing it refers to.
struct TWedstrijdDetails
{
    TTeamDetails* Team1 = nullptr;
    TPouleDetails* Poule1 = nullptr;
    TTeamDetails* Team2 = nullptr;
    TPouleDetails* Poule2 = nullptr;

    friend bool operator==(const TWedstrijdDetails&, const TWedstrijdDetails&) = default;
};
