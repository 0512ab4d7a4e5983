#pragma once

#include <QString>

// Readers of a round header "Dag d, Ronde r (uu:mm - uu:mm)" as the schedule view and the
// printouts take it apart.
namespace RondeKop {

// The characters before the first ",", less their first four ("Dag "); empty without ",".
[[nodiscard]] QString DagTekst(const QString& kop);

// The 13 characters right after the first "(", or the first 13 when there is no "(".
[[nodiscard]] QString TijdBereik(const QString& kop);

} // namespace RondeKop
