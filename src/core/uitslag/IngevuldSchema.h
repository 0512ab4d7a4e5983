#pragma once

struct TSchemaBoom;
class TWedstrijdDag;

// A copy of the schedule in which every match text names the teams the results already
// know in place of its placeholders ("Nummer 2 A", "Winnaar Kr. AB1"); the printouts of the
// schedule and the referee notes read it like the schedule itself.
[[nodiscard]] TSchemaBoom IngevuldSchema(const TSchemaBoom& boom, const TWedstrijdDag& dag);
