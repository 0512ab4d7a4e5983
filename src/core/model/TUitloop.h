#pragma once

#include <QList>

// A delay on the match day: from round Ronde on, the rounds of that round's day start Minuten
// minutes later than the day parts say. Only the clock times move; every round keeps its day,
// its matches and its fields.
struct TUitloopRegel
{
    int Ronde = 0;
    int Minuten = 0;
    friend bool operator==(const TUitloopRegel&, const TUitloopRegel&) = default;
};

// A delay can start in any round that has clock times (1..99) and lasts up to ten hours.
inline constexpr int MaxUitloopRonde = 99;
inline constexpr int MaxUitloopMinuten = 600;

// Ordered by round, at most one entry a round, every entry a delay of at least one minute.
using TUitloop = QList<TUitloopRegel>;
