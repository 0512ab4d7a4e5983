#pragma once

#include <QString>
#include <QStringList>

// The command line of the desktop program names one tournament file, possibly split over
// several arguments by the shell (a name with spaces that was not quoted).
namespace StartArgumenten {

// The arguments in their order, separated by single spaces.
[[nodiscard]] QString VoegSamen(const QStringList& argumenten);

// The file to open at start: the joined arguments in their own letter case, or empty when
// there are none or when they name the program itself ("RONDOPLAN.EXE" in any letter case).
[[nodiscard]] QString StartBestand(const QStringList& argumenten);

} // namespace StartArgumenten
