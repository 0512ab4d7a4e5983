#pragma once

#include <QString>

class TWedstrijdDag;
struct TUitslag;

// A score as "g1-g2", with a "*" after the goals of the side a decision after a level score
// made the winner.
[[nodiscard]] QString ScoreTekst(const TUitslag& uitslag);

// The standings and the cross matches as text lines ending in "\n", as the command-line tool
// prints them: per poule its heading ("Poule A", see PouleTitel), then one TAB-separated line per team in standings
// order (place, team, played, won, drawn, lost, goals for, goals against, points, and
// "gelijk" when marked), and a blank line; then "Kruiswedstrijden" and per cross match in
// schedule order its text with the known names filled in, a TAB and the score "g1-g2" (a "*"
// after the goals of the side a decision after a level score made the winner), or nothing.
[[nodiscard]] QString StandTekst(const TWedstrijdDag& dag);

// The note of the command-line tool on the results that count for no match of the schedule,
// the rows the results window shows as lapsed ("vervallen"): how many there are, or empty
// when there are none.
[[nodiscard]] QString VervallenMelding(const TWedstrijdDag& dag);
