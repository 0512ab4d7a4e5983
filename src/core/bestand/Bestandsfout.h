#pragma once

#include <QFileDevice>
#include <QString>

// Dutch texts for the errors of files, for the messages that report them. The platform and Qt
// give their error texts in English ("No space left on device", "file to open is a
// directory"); an organiser reads Dutch. Every file error reported to the organiser goes
// through here.
namespace Bestandsfout {

// The Dutch text of a C library error number, starting with a capital, without a full stop.
[[nodiscard]] QString VanErrno(int fout);

// The Dutch text of the error a file device reports: its error text when that is a known
// system or Qt text, otherwise a description of its error kind.
[[nodiscard]] QString Tekst(const QFileDevice& bestand);
[[nodiscard]] QString Tekst(QFileDevice::FileError soort, const QString& systeemTekst);

} // namespace Bestandsfout
