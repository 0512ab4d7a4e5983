#include "core/herstel/HerstelAanbod.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/herstel/HerstelBestand.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

#include <algorithm>
#include <new>

namespace HerstelAanbod {

namespace {

QString Tijd(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("d-M-yyyy 'om' HH:mm"));
}

// What a copy is called in messages and in the name of a copy kept aside.
QString Basis(const HerstelBestand::TGelezen& gelezen, const QString& toernooiNaam)
{
    if (!gelezen.ToernooiPad.isEmpty())
        return QFileInfo(gelezen.ToernooiPad).completeBaseName();
    QString naam = toernooiNaam.trimmed();
    naam.replace(u'/', u'-');
    return naam.isEmpty() || naam.startsWith(u'.') ? QStringLiteral("naamloos toernooi") : naam;
}

// True when the copy holds a tournament; its name in toernooiNaam. A trial model, so the
// tournament on screen is not touched before the organiser said Ja.
bool IsLeesbaar(const QByteArray& bytes, QString& toernooiNaam)
{
    try {
        ToernooiModel proef;
        if (!ToernooiLezer::LeesToernooiBytes(proef, bytes))
            return false;
        toernooiNaam = proef.ToernooiNaam();
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

QString Vraag(const HerstelBestand::TGelezen& gelezen, const QString& toernooiNaam,
              const QDateTime& moment, const QString& apart)
{
    const QString wat = gelezen.ToernooiPad.isEmpty()
                            ? QStringLiteral("het toernooi \"%1\", dat nog geen bestand had,").arg(toernooiNaam)
                            : QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(gelezen.ToernooiPad));
    return QStringLiteral("Rondoplan is niet netjes afgesloten. Er is een herstelkopie van %1 "
                          "met wijzigingen van %2 die niet zijn opgeslagen.\n\n"
                          "Ja: de wijzigingen worden geladen; ze zijn nog niet opgeslagen.\n"
                          "Nee: de kopie wordt apart bewaard als \"%3\".")
        .arg(wat, Tijd(moment), QDir::toNativeSeparators(apart));
}

} // namespace

std::vector<TKopie> Zoek(const QString& map)
{
    std::vector<TKopie> kopieen;
    const QFileInfoList bestanden =
        QDir(map).entryInfoList({QStringLiteral("herstel-*.trn")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& info : bestanden)
        if (HerstelBestand::IsHerstelNaam(info.fileName()))
            kopieen.push_back({info.absoluteFilePath(), info.lastModified()});
    std::stable_sort(kopieen.begin(), kopieen.end(),
                     [](const TKopie& a, const TKopie& b) { return a.Moment > b.Moment; });
    return kopieen;
}

bool BiedAan(const QString& map, TVraagsteller& vraagsteller, const Laad& laad)
{
    bool geladen = false;
    QStringList later;
    auto zetApart = [&](const QString& pad, const QString& basis) {
        QString nieuw;
        const QString fout = HerstelBestand::ZetApart(pad, basis, nieuw);
        if (!fout.isEmpty())
            vraagsteller.Melding(QStringLiteral("Fout"),
                                 QStringLiteral("De herstelkopie \"%1\" kon niet apart gezet worden:\n%2")
                                     .arg(QDir::toNativeSeparators(pad), fout));
        return nieuw;
    };

    for (const TKopie& kopie : Zoek(map)) {
        // Held by another running instance of the program: its work, not a crash. A lock
        // left by a process that is gone counts as free.
        QLockFile slot(HerstelBestand::SlotNaam(kopie.Pad));
        slot.setStaleLockTime(0);
        if (!slot.tryLock(0))
            continue;
        HerstelBestand::TGelezen gelezen;
        QString fout = HerstelBestand::Lees(kopie.Pad, gelezen);
        QString toernooiNaam;
        if (fout.isEmpty() && !IsLeesbaar(gelezen.ToernooiBytes, toernooiNaam))
            fout = QStringLiteral("Er staat geen toernooi in.");
        const QString basis = Basis(gelezen, toernooiNaam);
        if (!fout.isEmpty()) {
            const QString nieuw = zetApart(kopie.Pad, basis);
            if (!nieuw.isEmpty())
                vraagsteller.Melding(
                    QStringLiteral("Fout"),
                    QStringLiteral("De herstelkopie \"%1\" kon niet gelezen worden:\n%2\n\n"
                                   "Het bestand is apart gezet als \"%3\".")
                        .arg(QDir::toNativeSeparators(kopie.Pad), fout, QDir::toNativeSeparators(nieuw)));
            continue;
        }
        // Saved after the copy was written: the copy is older than what the file holds.
        const QFileInfo toernooi(gelezen.ToernooiPad);
        if (!gelezen.ToernooiPad.isEmpty() && toernooi.exists() && toernooi.lastModified() >= kopie.Moment) {
            (void)zetApart(kopie.Pad, basis);
            continue;
        }
        if (geladen) {
            if (const QString nieuw = zetApart(kopie.Pad, basis); !nieuw.isEmpty())
                later << QDir::toNativeSeparators(nieuw);
            continue;
        }
        const QString apart = HerstelBestand::ApartNaam(QFileInfo(kopie.Pad).absolutePath(), basis, kopie.Moment);
        if (vraagsteller.VraagJaNee(QStringLiteral("Herstellen?"), Vraag(gelezen, toernooiNaam, kopie.Moment, apart)) &&
            laad(gelezen.ToernooiBytes, gelezen.ToernooiPad)) {
            geladen = true;
            continue;
        }
        (void)zetApart(kopie.Pad, basis);
    }
    if (!later.isEmpty())
        vraagsteller.Melding(QStringLiteral("Herstellen?"),
                             QStringLiteral("Er waren nog meer herstelkopieën. Ze zijn apart gezet en "
                                            "kunnen met \"Laden\" geopend worden:\n") +
                                 later.join(u'\n'));
    return geladen;
}

} // namespace HerstelAanbod
