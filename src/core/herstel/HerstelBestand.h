#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The recovery file of one tournament: its name in the data folder and its contents.
//
// One recovery file per tournament file, named from a hash of the file's absolute path
// ("herstel-" + 16 hex digits + ".trn"), so that the copies of two tournaments never meet. The
// file holds one comment line naming the tournament file (percent-encoded, so that the line is
// plain ASCII whatever the encoding of the rest), followed by exactly the bytes that saving the
// tournament writes. A reader that knows nothing of recovery skips the comment line, so a copy
// kept aside opens with "&Laden" like any tournament file.
namespace HerstelBestand {

// The name of the recovery file of a tournament file (empty: a tournament without a file).
[[nodiscard]] QString Naam(const QString& toernooiPad);
// The lock file beside a recovery file, held by the program that writes it: a copy whose lock
// is held by a running program is no copy left by a crash.
[[nodiscard]] QString SlotNaam(const QString& pad);
// True for a name that Naam gives, and no other.
[[nodiscard]] bool IsHerstelNaam(const QString& bestandsnaam);

// The contents: the comment line, then the tournament bytes.
[[nodiscard]] QByteArray Inhoud(const QString& toernooiPad, const QByteArray& toernooiBytes);

struct TGelezen
{
    QString ToernooiPad; // empty for a tournament that had no file
    QByteArray ToernooiBytes;
};
// Reads a recovery file whole; the Dutch error text, or empty on success.
[[nodiscard]] QString Lees(const QString& pad, TGelezen& gelezen);

// A free name in the folder for a copy kept aside: "<basis> hersteld 2026-12-09 14.03.trn",
// with " (2)", " (3)", ... before the extension when that name is taken.
[[nodiscard]] QString ApartNaam(const QString& map, const QString& basis, const QDateTime& moment);

// Renames the recovery file to a free name of ApartNaam beside it; the Dutch error text, or
// empty with the new path in nieuwPad. Nothing is ever overwritten.
[[nodiscard]] QString ZetApart(const QString& pad, const QString& basis, QString& nieuwPad);

} // namespace HerstelBestand
