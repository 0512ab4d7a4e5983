#pragma once

#include "core/model/TLettertype.h"

#include <QColor>
#include <QFont>

// Between the tournament's font descriptions and Qt's fonts and colours. A system-scheme
// colour (top bit set) is taken from the application palette; other values are RGB with red
// in the lowest byte.
namespace LettertypeOmzetting {

[[nodiscard]] QFont NaarQFont(const TLettertype& lettertype);
[[nodiscard]] QColor NaarQColor(qint32 kleur);
// A font chosen in Qt's font dialog, keeping the colour, which that dialog does not choose.
[[nodiscard]] TLettertype VanQFont(const QFont& font, qint32 kleur);
// The file value of a colour chosen as RGB.
[[nodiscard]] qint32 VanQColor(const QColor& kleur);

} // namespace LettertypeOmzetting
