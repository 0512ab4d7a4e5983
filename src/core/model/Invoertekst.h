#pragma once

#include <QString>
#include <QStringView>

// Names and other texts as they come in: typed, pasted or imported from a list. The
// tournament file holds one value a line and ends at a Ctrl-Z, so a line break or a Ctrl-Z in
// a name would split or cut off the file when it is read back; no other control character
// belongs in a name either.
namespace Invoertekst {

// True when the text holds a control character (U+0000..U+001F, U+007F..U+009F), a Unicode
// line or paragraph separator, or half a surrogate pair (which no file encoding can hold).
[[nodiscard]] bool HeeftStuurtekens(QStringView tekst);

// The text without control characters: a TAB, a line break and a Unicode line or paragraph
// separator become a space, every other control character is left out, and half a surrogate
// pair becomes the replacement character U+FFFD.
[[nodiscard]] QString ZonderStuurtekens(const QString& tekst);

} // namespace Invoertekst
