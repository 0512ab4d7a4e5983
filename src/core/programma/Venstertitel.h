#pragma once

#include <QString>

// The caption of the main window: "Rondoplan (" + name + ")" for a named tournament,
// "Rondoplan" otherwise.
[[nodiscard]] QString Venstertitel(const QString& toernooiNaam);
