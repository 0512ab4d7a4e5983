#pragma once

#include "core/model/TPouleDetails.h"

#include <memory>
#include <vector>

struct TTeamDetails;

// One entry of the poule tree: the poule's record, which the entry owns, and its teams in the
// order they were put into it. The team records belong to the team list.
struct TPoule
{
    explicit TPoule(const QString& naam) : Details(std::make_unique<TPouleDetails>(naam)) {}

    std::unique_ptr<TPouleDetails> Details;
    std::vector<TTeamDetails*> Teams;
};
