#pragma once

#include <QStringList>

class ToernooiModel;
class TUitslagen;
struct TSchemaBoom;

// The rules every schedule of a tournament keeps, whoever made it (the builder, the improver,
// the organiser by hand), as one check:
// - a match only in a usable slot (rounds 1..299, the tournament's fields, a cell
//   "Wedstrijd"), at most one per slot;
// - a team at most once in a round, with at least its poule's MinimaleRust rounds without a
//   match between two of its matches;
// - in a full competition no return match before any first meeting of that poule;
// - the cross matches of a linked pair only in rounds after the last own match of both
//   poules; with double cross matches the placement matches only after the last crossing
//   match;
// - in a round that holds a final and whose field 1 is usable, a final stands on field 1;
// - a match with a result keeps its round and field (against the schedule it was played on).
//
// Returns one Dutch sentence per broken rule, naming team, round and field ("VV Sprinters F1
// speelt al in ronde 5 (veld 2)."), or nothing when every rule is kept. The results say which
// matches are played; vorigSchema is the schedule they were played on (none: not checked).
[[nodiscard]] QStringList ControleerSchema(const ToernooiModel& model, const TSchemaBoom& schema,
                                           const TUitslagen& uitslagen,
                                           const TSchemaBoom* vorigSchema = nullptr);

// Whether schema holds the same matches as verwacht: the same texts, each as often. One Dutch
// sentence per difference, or nothing.
[[nodiscard]] QStringList VergelijkWedstrijden(const TSchemaBoom& verwacht, const TSchemaBoom& schema);
