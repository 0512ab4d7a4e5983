#pragma once

#include <QStringList>

class QMimeData;

// The teams dragged from the team list to the poule tree travel as their names.
namespace TeamSleepGegevens {

inline constexpr char MimeType[] = "application/x-rondoplan-teams";

[[nodiscard]] QMimeData* Maak(const QStringList& namen);
// The names carried, or empty when the data did not come from the team list.
[[nodiscard]] QStringList Lees(const QMimeData* gegevens);

} // namespace TeamSleepGegevens
