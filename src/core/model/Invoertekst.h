#pragma once

#include <QString>
#include <QStringView>

// Names and other texts as they come in: typed, pasted or imported from a list. The
// tournament file holds one value a line and ends at a Ctrl-Z, so a line break or a Ctrl-Z in
// a name would split or cut off the file when it is read back; no other control character
// belongs in a name either.
namespace Invoertekst {

// True when the text holds a control character (U+0000..U+001F, U+007F..U+009F) or a
// Unicode line or paragraph separator.
[[nodiscard]] bool HeeftStuurtekens(QStringView tekst);

// The text without control characters: a TAB, a line break and a Unicode line or paragraph
// separator become a space, every other control character is left out.
[[nodiscard]] QString ZonderStuurtekens(const QString& tekst);

} // namespace Invoertekst
