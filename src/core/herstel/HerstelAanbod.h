#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

class TVraagsteller;

// At start: the recovery copies that a crash left behind in the data folder, offered to the
// organiser one by one with the question "Herstellen?".
//
// A copy is offered when its tournament file is older than it, is missing, or when the
// tournament had no file. Ja loads it (through the caller) as unsaved changes, and the copy
// stays where it is until the tournament is saved or the program ends cleanly. Nee, a copy that
// cannot be read, a copy older than its tournament file and the copies after the one loaded
// are kept aside under a dated name in the same folder: a copy is never deleted here.
namespace HerstelAanbod {

struct TKopie
{
    QString Pad;
    QDateTime Moment; // when it was written last
};

// The recovery files in the folder, newest first.
[[nodiscard]] std::vector<TKopie> Zoek(const QString& map);

// Loads the recovered tournament bytes, belonging to toernooiPad (empty: no file), as unsaved
// changes; false when that failed (the caller has reported why).
using Laad = std::function<bool(const QByteArray& toernooiBytes, const QString& toernooiPad)>;

// Offers the copies of the folder; true when one was loaded.
bool BiedAan(const QString& map, TVraagsteller& vraagsteller, const Laad& laad);

} // namespace HerstelAanbod
