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

enum class TStartOptie { Geen, Hulp, Versie };

// "-h" or "--help", or "--version", as the one and only argument asks for a text instead of a
// window. Anything else is (part of) a file name as before; a file called "--help" opens as
// "./--help".
[[nodiscard]] TStartOptie Optie(const QStringList& argumenten);

} // namespace StartArgumenten
