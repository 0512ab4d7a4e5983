#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The character encodings of the tournament file. Existing files are in Windows-1252, the
// ANSI code page they were always written in; UTF-8 is used only when a character would
// otherwise be lost. Qt 6.4's QStringConverter has no
// Windows-1252, so the codec is here.
//
// Windows-1252 is Latin-1 except for 0x80..0x9F. The five bytes that code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same number, as
// Windows itself converts them, so that every byte sequence decodes and encodes back to
// itself.
namespace Tekstcodering {

[[nodiscard]] QString VanWindows1252(QByteArrayView bytes);

// True when every character of the text has a Windows-1252 byte.
[[nodiscard]] bool PastInWindows1252(QStringView tekst);
// Characters without a Windows-1252 byte become "?"; check PastInWindows1252 first.
[[nodiscard]] QByteArray NaarWindows1252(QStringView tekst);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no truncated
// sequence.
[[nodiscard]] bool IsGeldigeUtf8(QByteArrayView bytes);

// The bytes of a tournament file for a text: Windows-1252 when every character fits in it
// and the result cannot be mistaken for UTF-8 by the reader; otherwise UTF-8 without a
// byte-order mark. (Windows-1252 bytes that happen to form valid UTF-8, such as the two
// characters "Ã©", would be read back as "é", so such a text is written as UTF-8.)
[[nodiscard]] QByteArray CodeerBestand(QStringView tekst);

// The text of a tournament file: the input ends at the first Ctrl-Z (code 26); what remains
// is read as UTF-8 when it is valid UTF-8 (a leading byte-order mark dropped) and as
// Windows-1252 otherwise. Bytes that start with a UTF-16 byte-order mark (little or big
// endian) are read as UTF-16, up to the first Ctrl-Z character.
[[nodiscard]] QString DecodeerBestand(QByteArrayView bytes);

} // namespace Tekstcodering
