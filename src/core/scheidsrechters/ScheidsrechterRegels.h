#pragma once

#include "core/model/TScheidsrechters.h"

#include <QString>
#include <optional>

class TScheidsOpzet;
class ToernooiModel;
struct TSchemaBoom;

// A broken rule: the Dutch sentence ("SV Duinrand E1 speelt zelf in ronde 4") and whether it
// is a rule that always holds, or a preference the organiser switched on.
struct TScheidsBreuk
{
    QString Tekst;
    bool Altijd = true;
};

namespace ScheidsrechterRegels {

// The rules that always hold, apart from one match per round, each as a code: cheap to ask for
// every referee and match.
enum class TRegel { Geen, Afwezig, SpeeltZelf, KruisVanPoule, KruisTeVroeg, AlleenEigenPoule, GeenEigenPoule };
[[nodiscard]] TRegel HardeRegel(const TScheidsOpzet& opzet, int fluiter, int wedstrijd);

// The rules that always hold for referee f on match w, apart from one match per round: not
// while it plays itself or its poule may play a cross match, a cross match only once its poule
// played all its own matches in earlier rounds, the poules it referees, present in the round.
[[nodiscard]] std::optional<TScheidsBreuk> Hard(const TScheidsOpzet& opzet, int fluiter, int wedstrijd);

// The preferences switched on: no duty in the round just before or after its own match, not a
// match of its own club.
[[nodiscard]] std::optional<TScheidsBreuk> Voorkeur(const TScheidsOpzet& opzet, int fluiter, int wedstrijd);

// "X fluit al een wedstrijd in ronde 4 (veld 2)".
[[nodiscard]] TScheidsBreuk AlBezet(const TScheidsOpzet& opzet, int fluiter, int wedstrijd);

} // namespace ScheidsrechterRegels

// The first rule broken when the match of nieuw (round, field, Keer, text) gets the referee
// nieuw.Naam, next to the other matches of the assignment in the settings; nothing when none is
// broken or the name is empty. The rules that always hold come first, then the preferences.
[[nodiscard]] std::optional<TScheidsBreuk> ControleerScheidsrechter(const ToernooiModel& model,
                                                                    const TSchemaBoom& schema,
                                                                    const TScheidsrechters& scheidsrechters,
                                                                    const TScheidsToewijzing& nieuw);
[[nodiscard]] std::optional<TScheidsBreuk> ControleerScheidsrechter(const TScheidsOpzet& opzet,
                                                                    const TScheidsToewijzing& nieuw);
