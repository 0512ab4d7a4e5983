#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The date and time that stamp a saved file ("# Bewaard op: ") and a printout ("Geprint op
// "): the moment in the short date format and the long time format of a locale.
namespace Tijdstempel {

// The locale whose formats are used: the system's, unless that is the C or POSIX locale,
// which has no formats of its own (only English month names); then the Dutch one.
[[nodiscard]] QLocale Locale(const QLocale& systeem = QLocale::system());

// Short date, a blank, long time, both of the given locale.
[[nodiscard]] QString DatumTijd(const QDateTime& moment, const QLocale& locale = Locale());

} // namespace Tijdstempel
