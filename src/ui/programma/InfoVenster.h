#pragma once

#include <QString>

class QWidget;

// The window "Info" of the menu "Help": what the program is and which version runs.
namespace InfoVenster {

// Its text, rich text with the version from the build.
[[nodiscard]] QString Tekst();

// Shows it modally over ouder.
void Toon(QWidget* ouder);

} // namespace InfoVenster
