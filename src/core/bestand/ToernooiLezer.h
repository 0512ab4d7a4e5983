#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

class ToernooiModel;

// The lenient reader of the tournament file: it reads line by line, recognises keys in any
// letter case, ignores what it does not recognise and gives a number it cannot read a fixed
// default per key. It works on a whole file that has already been read: reading
// cannot fail any more at that point, so the model is only touched once the file is in
// memory (the caller, ToernooiBestand, reports a file that cannot be opened or read and then
// leaves the tournament as it was).
//
// The lines themselves are applied by ToernooiRegelLezer; keys, numbers and letter case as in
// ToernooiSleutel.
//
// Hostile input is taken calmly: any bytes, any size; time and memory grow in proportion to
// the input.
namespace ToernooiLezer {

// False when the text has lines other than comments and empty lines but not one key the
// reader knows: a photo, a document, anything but a tournament file.
[[nodiscard]] bool IsToernooiTekst(QStringView tekst);

// Replaces the tournament of the model by the one in the text: poules and teams replaced,
// field usage reset and then the file's unavailable cells applied, settings and fonts
// overwritten by the lines present (through the model's own change operations with their
// follow-ups), partners resolved after the last line, round headers rebuilt once, the first
// team and poule made current, Gewijzigd cleared.
//
// Line splitting: a line ends at LF; a CR anywhere is dropped; a Ctrl-Z ends the input.
// A text that is no tournament file (IsToernooiTekst) is refused: false, nothing changed.
bool LeesToernooi(ToernooiModel& model, QStringView tekst);

// The bytes of a whole file: decoded (Tekstcodering::DecodeerBestand, which also stops at a
// Ctrl-Z) and then read as above.
bool LeesToernooiBytes(ToernooiModel& model, QByteArrayView bytes);

} // namespace ToernooiLezer
