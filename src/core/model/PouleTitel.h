#pragma once

#include <QString>

// A poule's name with the word "Poule" before it, "Poule A" (or, mid-sentence, "poule A"
// with woord "poule"). A name that already starts with that word in any letter case
// ("Poule A", "poule 3") stands alone, so nothing reads "Poule Poule A".
[[nodiscard]] QString PouleTitel(const QString& pouleNaam, const QString& woord = QStringLiteral("Poule"));
