#include "core/bestand/BestandOpslag.h"

#include "core/bestand/Bestandsfout.h"
#include "core/bestand/ToernooiSchrijver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace BestandOpslag {

namespace {

std::unique_ptr<QSaveFile> Maak(const QString& pad, const BestandMaker& maker)
{
    return maker ? maker(pad) : std::make_unique<QSaveFile>(pad);
}

// Writes every byte into the temporary file of the save file and pushes it to the disk, so
// that an error of a full disk shows here and not only, unnoticed, inside commit(). On
// failure the temporary file is removed and the error returned.
QString SchrijfKlaar(QSaveFile& bestand, const QByteArray& bytes)
{
    // A direct write would leave a half-written file behind on failure.
    bestand.setDirectWriteFallback(false);
    if (!bestand.open(QIODevice::WriteOnly))
        return Bestandsfout::Tekst(bestand);
    QString fout;
    if (!ToernooiSchrijver::SchrijfAlles(bestand, bytes) || !bestand.flush() ||
        bestand.error() != QFileDevice::NoError) {
        fout = Bestandsfout::Tekst(bestand);
    } else if (::fsync(bestand.handle()) != 0 && errno != EINVAL) {
        // EINVAL: a file that cannot be synced, where nothing waits to be written either.
        fout = Bestandsfout::VanErrno(errno);
    }
    if (!fout.isEmpty())
        bestand.cancelWriting();
    return fout;
}

QString TeGroot(qint64 maxGrootte)
{
    return QStringLiteral("Het bestand is groter dan %1 MB").arg(maxGrootte / (1024 * 1024));
}

QString LegVast(QSaveFile& bestand)
{
    return bestand.commit() ? QString() : Bestandsfout::Tekst(bestand);
}

} // namespace

QString BackupNaam(const QString& pad)
{
    const QString naam = QFileInfo(pad).fileName();
    const qsizetype punt = naam.lastIndexOf(u'.');
    const QString basis = punt < 0 ? pad : pad.left(pad.size() - (naam.size() - punt));
    return basis + QStringLiteral(".bak");
}

QString Bewaar(const QString& pad, const QByteArray& bytes, const QString& backup,
               const BestandMaker& maker)
{
    // A file the program would refuse to open again is no save at all.
    if (bytes.size() > MaxLeesGrootte)
        return QStringLiteral("Er is niets bewaard: het bestand zou groter worden dan %1 MB, "
                              "en zo'n groot bestand kan niet meer geopend worden")
            .arg(MaxLeesGrootte / (1024 * 1024));
    std::unique_ptr<QSaveFile> kopie;
    if (!backup.isEmpty()) {
        QByteArray vorige;
        QString fout = LeesAlles(pad, vorige);
        if (fout.isEmpty()) {
            kopie = Maak(backup, maker);
            fout = SchrijfKlaar(*kopie, vorige);
        }
        if (!fout.isEmpty())
            return QStringLiteral("De backup \"%1\" kon niet gemaakt worden: %2").arg(backup, fout);
    }
    const std::unique_ptr<QSaveFile> bestand = Maak(pad, maker);
    QString fout = SchrijfKlaar(*bestand, bytes);
    if (!fout.isEmpty()) {
        if (kopie)
            kopie->cancelWriting();
        return fout;
    }
    // Both are complete on the disk; only the renames are left.
    if (kopie) {
        fout = LegVast(*kopie);
        if (!fout.isEmpty()) {
            bestand->cancelWriting();
            return QStringLiteral("De backup \"%1\" kon niet gemaakt worden: %2").arg(backup, fout);
        }
    }
    return LegVast(*bestand);
}

QString LeesAlles(const QString& pad, QByteArray& bytes, qint64 maxGrootte)
{
    bytes.clear();
    // Checked before opening: opening a pipe blocks until someone writes to it, and a device
    // such as /dev/zero never ends.
    const QFileInfo info(pad);
    if (info.exists() && info.isDir())
        return Bestandsfout::VanErrno(EISDIR);
    if (info.exists() && !info.isFile())
        return QStringLiteral("Geen gewoon bestand (maar een apparaat, pijp of socket)");
    if (info.size() > maxGrootte)
        return TeGroot(maxGrootte);
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return Bestandsfout::Tekst(bestand);
    bytes.reserve(qsizetype(std::min(info.size(), maxGrootte)));
    // Read in pieces, so that a file that grows while it is read, or reports no size (as
    // in /proc), is still bounded.
    constexpr qint64 Stuk = 1 << 16;
    while (true) {
        const QByteArray stuk = bestand.read(Stuk);
        if (bestand.error() != QFileDevice::NoError) {
            bytes.clear();
            return Bestandsfout::Tekst(bestand);
        }
        if (stuk.isEmpty())
            return {};
        bytes += stuk;
        if (bytes.size() > maxGrootte) {
            bytes.clear();
            return TeGroot(maxGrootte);
        }
    }
}

bool IsZelfdeBestand(const QString& een, const QString& ander)
{
    struct stat a{};
    struct stat b{};
    if (::stat(QFile::encodeName(een).constData(), &a) == 0
        && ::stat(QFile::encodeName(ander).constData(), &b) == 0)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    // A file yet to be made: its folder followed through links, and its name.
    const auto naam = [](const QString& pad) {
        const QFileInfo info(pad);
        const QString map = QFileInfo(info.absolutePath()).canonicalFilePath();
        return (map.isEmpty() ? info.absolutePath() : map) + u'/' + info.fileName();
    };
    return naam(een) == naam(ander);
}

} // namespace BestandOpslag
