#pragma once

#include "core/schema/TSchemaVeld.h"

#include <QString>
#include <vector>

// One round entry of the schedule tree: "Ronde " + number, with one slot entry per field in
// field order (the last round of a schedule may hold fewer, or none).
struct TSchemaRonde
{
    int Ronde = 0;
    QString Tekst;
    std::vector<TSchemaVeld> Velden;

    friend bool operator==(const TSchemaRonde&, const TSchemaRonde&) = default;
};
