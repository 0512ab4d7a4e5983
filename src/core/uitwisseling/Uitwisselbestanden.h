#pragma once

#include <QByteArray>
#include <QString>

class ToernooiModel;

// The file side of import and export, for callers without windows: each returns an empty
// text on success, otherwise the Dutch message, which names the file and, where it helps,
// the line.
namespace Uitwisselbestanden {

// Reads a team list and adds every accepted row. Refused rows do not stop the import; each
// is reported as one line in meldingen ("BESTAND, regel N: reden").
[[nodiscard]] QString Importeer(ToernooiModel& model, const QString& pad, QString& meldingen);

// Writes the bytes whole or not at all.
[[nodiscard]] QString Schrijf(const QString& pad, const QByteArray& inhoud);

} // namespace Uitwisselbestanden
