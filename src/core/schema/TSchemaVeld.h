#pragma once

#include "core/model/TWedstrijdDetails.h"

#include <QString>
#include <optional>

// One slot entry of the schedule tree: "Veld " + field + ": " + the match text or
// "Geen wedstrijd", and for a match its record.
struct TSchemaVeld
{
    QString Tekst;
    std::optional<TWedstrijdDetails> Wedstrijd;

    friend bool operator==(const TSchemaVeld&, const TSchemaVeld&) = default;
};
