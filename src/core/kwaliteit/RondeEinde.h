#pragma once

#include <QString>

class VeldenEnRonden;

// When a round ends, read from its header the way the schedule view reads it: the day text
// and the part of the time range after " - ". Both are empty for a round whose header carries
// no day and time (rounds past 99) and for a round outside the table.
struct TRondeEinde
{
    QString Dag;
    QString Tijd;

    friend bool operator==(const TRondeEinde&, const TRondeEinde&) = default;
};

[[nodiscard]] TRondeEinde RondeEinde(const VeldenEnRonden& velden, int ronde);
