#pragma once

#include "core/model/Tijdstempel.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

class QIODevice;
class ToernooiModel;
struct TLettertype;

// The writer of the tournament file: the groups in their fixed order, lines ending in CR LF, the
// "GeenWedstrijd=" range of the shown extent plus two, style lists with their leading commas,
// "KruisPoule=" by name. The moment and the locale of the header line are arguments, so a test can
// compare whole files; the program passes the current local time and Tijdstempel::Locale() (short
// date, a blank, long time).
namespace ToernooiSchrijver {

// "fsBold" then ",fsItalic", ",fsUnderline", ",fsStrikeOut" as the font has them.
[[nodiscard]] QString StijlLijst(const TLettertype& lettertype);

// "# Bewaard op: " + short date + " " + long time + "."
[[nodiscard]] QString KopRegel(const QDateTime& moment, const QLocale& locale);

// The whole file as text, every line ending in CR LF.
[[nodiscard]] QString ToernooiTekst(const ToernooiModel& model, const QDateTime& moment,
                                    const QLocale& locale = Tijdstempel::Locale());

// The whole file as bytes: Windows-1252, or UTF-8 when a character does not fit
// (Tekstcodering::CodeerBestand).
[[nodiscard]] QByteArray ToernooiBytes(const ToernooiModel& model, const QDateTime& moment,
                                       const QLocale& locale = Tijdstempel::Locale());

// Writes bytes to an open device until all are written. False when the device refuses; its
// errorString() names the error.
[[nodiscard]] bool SchrijfAlles(QIODevice& doel, const QByteArray& bytes);

// ToernooiBytes written to an open device.
[[nodiscard]] bool SchrijfToernooi(QIODevice& doel, const ToernooiModel& model,
                                   const QDateTime& moment,
                                   const QLocale& locale = Tijdstempel::Locale());

} // namespace ToernooiSchrijver
