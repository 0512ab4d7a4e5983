#include "BestandOpslag.h"

#include "ToernooiSchrijver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace BestandOpslag {

QString BackupNaam(const QString& pad)
{
    const QString naam = QFileInfo(pad).fileName();
    const qsizetype punt = naam.lastIndexOf(u'.');
    const QString basis = punt < 0 ? pad : pad.left(pad.size() - (naam.size() - punt));
    return basis + QStringLiteral(".bak");
}

QString SchrijfAtomair(const QString& pad, const QByteArray& bytes, const BestandMaker& maker)
{
    std::unique_ptr<QSaveFile> bestand = maker ? maker(pad) : std::make_unique<QSaveFile>(pad);
    // A direct write would leave a half-written file behind on failure.
    bestand->setDirectWriteFallback(false);
    if (!bestand->open(QIODevice::WriteOnly))
        return bestand->errorString();
    if (!ToernooiSchrijver::SchrijfAlles(*bestand, bytes) ||
        bestand->error() != QFileDevice::NoError) {
        const QString fout = bestand->errorString();
        bestand->cancelWriting();
        return fout;
    }
    if (!bestand->commit())
        return bestand->errorString();
    return {};
}

QString MaakBackup(const QString& pad, const QString& backup, const BestandMaker& maker)
{
    QByteArray inhoud;
    const QString fout = LeesAlles(pad, inhoud);
    if (!fout.isEmpty())
        return fout;
    return SchrijfAtomair(backup, inhoud, maker);
}

QString LeesAlles(const QString& pad, QByteArray& bytes)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return bestand.errorString();
    bytes = bestand.readAll();
    if (bestand.error() != QFileDevice::NoError) {
        bytes.clear();
        return bestand.errorString();
    }
    return {};
}

} // namespace BestandOpslag
