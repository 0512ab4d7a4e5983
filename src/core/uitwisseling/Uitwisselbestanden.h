#pragma once

#include <QByteArray>
#include <QString>

class ToernooiModel;

// The file side of import and export, for callers with and without windows: each returns an
// empty text on success, otherwise the Dutch message, which names the file and, where it
// helps, the line.
namespace Uitwisselbestanden {

// A team list is a few hundred kilobytes at most; a larger file is no team list.
constexpr qint64 MaxLijstGrootte = 8 * 1024 * 1024;

// Reads a team list whole. A pipe, a device, a folder and a file over MaxLijstGrootte are
// refused before reading.
[[nodiscard]] QString LeesLijst(const QString& pad, QByteArray& bytes);

// Reads a team list and adds every accepted row. Refused rows do not stop the import; each
// is reported as one line in meldingen ("BESTAND, regel N: reden"), as is a guessed encoding.
[[nodiscard]] QString Importeer(ToernooiModel& model, const QString& pad, QString& meldingen);

// Refuses an export onto the tournament file itself, also through another name or a link.
[[nodiscard]] QString ControleerDoel(const QString& doel, const QString& toernooi);

// Writes the bytes whole or not at all: on failure a file already at the path stays byte
// for byte as it was.
[[nodiscard]] QString Schrijf(const QString& pad, const QByteArray& inhoud);

} // namespace Uitwisselbestanden
