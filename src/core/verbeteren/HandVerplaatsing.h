#pragma once

#include "core/schema/TSchemaBoom.h"

#include <QString>

class ToernooiModel;
class TUitslagen;

// One slot of the schedule: a round and a field, both counted from 1.
struct TVak
{
    int Ronde = 0;
    int Veld = 0;

    friend bool operator==(const TVak&, const TVak&) = default;
};

// A move by hand: the new tree, or the Dutch reason it is refused (then Schema is empty).
struct TVerplaatsUitkomst
{
    TSchemaBoom Schema;
    QString Reden;

    [[nodiscard]] bool Gelukt() const { return Reden.isEmpty(); }
};

// Moves the match in slot van to the empty usable slot naar. Refused when van holds no match,
// naar is not empty, the match is played, or the move breaks a rule of Regelcontrole that the
// schedule did not break before (the reason is the first such rule). The new tree is shaped
// as the builder's; nothing is changed in place.
[[nodiscard]] TVerplaatsUitkomst VerplaatsWedstrijd(const ToernooiModel& model, const TSchemaBoom& schema,
                                                    const TUitslagen& uitslagen, TVak van, TVak naar);

// Swaps the contents of two slots (two matches, or a match and an empty slot), refused as above.
[[nodiscard]] TVerplaatsUitkomst WisselVakken(const ToernooiModel& model, const TSchemaBoom& schema,
                                              const TUitslagen& uitslagen, TVak a, TVak b);
