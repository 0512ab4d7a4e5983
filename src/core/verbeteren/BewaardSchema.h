#pragma once

#include "core/model/TSchemaIndeling.h"
#include "core/schema/TSchemaBoom.h"

#include <QString>
#include <optional>

class ToernooiModel;

// The kept schedule of a tournament and the tree it stands for. The builder's schedule names
// the matches; the kept places say where they stand.
namespace BewaardSchema {

// Where every match of the tree stands, in schedule order.
[[nodiscard]] TSchemaIndeling Indeling(const TSchemaBoom& schema);

// The builder's tree with its matches at the kept places, shaped as the builder shapes its
// own: only when the kept places name exactly the tree's matches (each text as often), keep
// the order of equal texts (so every result stays on its match) and keep every rule of a
// schedule. Otherwise nothing, with the reason in Dutch in reden.
[[nodiscard]] std::optional<TSchemaBoom> PasToe(const ToernooiModel& model, const TSchemaBoom& eigen,
                                                const TSchemaIndeling& indeling, QString* reden = nullptr);

} // namespace BewaardSchema
