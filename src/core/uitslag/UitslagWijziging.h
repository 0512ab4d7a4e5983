#pragma once

#include "core/uitslag/TUitslag.h"

#include <functional>
#include <optional>

class TUitslagen;
class TVraagsteller;
class TWedstrijdDag;

// Changes of the match day that may give already played cross matches other teams (a
// corrected poule result, a lot order, the points): the organiser is asked first, naming
// those matches. "Annuleren" changes nothing; going on keeps their results with the teams
// that played them, lapsed, so they never count for other teams.
namespace UitslagWijziging {

// Enters or removes (none) the result of a match of the match day. False when the organiser
// called it off.
bool ZetUitslag(TWedstrijdDag& dag, TVraagsteller& vragen, int wedstrijd,
                const std::optional<TUitslag>& uitslag);

// Applies a change of the points or the lot orders to a copy of the results; wijziging
// returns false when it changes nothing. False when nothing changed or it was called off.
bool Wijzig(TWedstrijdDag& dag, TVraagsteller& vragen,
            const std::function<bool(TUitslagen&)>& wijziging,
            QStringView naam = u"uitslagen wijzigen");

} // namespace UitslagWijziging
