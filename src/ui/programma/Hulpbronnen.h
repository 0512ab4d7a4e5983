#pragma once

#include <QString>

// Where the program finds its picture and help document. Installed, they live in
// share/rondoplan next to the bin directory of the program; the build tree copies them to
// the same place, so both run the same way.
namespace Hulpbronnen {

// The full path of a resource file, or empty when it is nowhere to be found.
[[nodiscard]] QString Pad(const QString& naam);

[[nodiscard]] QString StartAfbeelding();
[[nodiscard]] QString HelpDocument();

} // namespace Hulpbronnen
