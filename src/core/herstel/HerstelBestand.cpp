#include "core/herstel/HerstelBestand.h"

#include "core/bestand/BestandOpslag.h"
#include "core/bestand/Bestandsfout.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace HerstelBestand {

namespace {

constexpr QByteArrayView Kop = "# Herstelkopie van: ";
constexpr QByteArrayView RegelEinde = "\r\n";
// Kept readable in the comment line; anything else, a CR, LF or '%' included, is encoded.
constexpr QByteArrayView Leesbaar = " /()[]{}+,;:=@!$&'~*";

} // namespace

QString Naam(const QString& toernooiPad)
{
    const QString absoluut = toernooiPad.isEmpty() ? QString() : QFileInfo(toernooiPad).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(absoluut.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("herstel-") + QString::fromLatin1(hash.toHex().left(16)) + QStringLiteral(".trn");
}

QString SlotNaam(const QString& pad)
{
    return pad + QStringLiteral(".lock");
}

bool IsHerstelNaam(const QString& bestandsnaam)
{
    static const QRegularExpression patroon(QStringLiteral("^herstel-[0-9a-f]{16}\\.trn$"));
    return patroon.match(bestandsnaam).hasMatch();
}

QByteArray Inhoud(const QString& toernooiPad, const QByteArray& toernooiBytes)
{
    const QString absoluut = toernooiPad.isEmpty() ? QString() : QFileInfo(toernooiPad).absoluteFilePath();
    QByteArray inhoud;
    inhoud.reserve(toernooiBytes.size() + absoluut.size() * 3 + 32);
    inhoud += Kop;
    inhoud += QUrl::toPercentEncoding(absoluut, Leesbaar.toByteArray());
    inhoud += RegelEinde;
    inhoud += toernooiBytes;
    return inhoud;
}

QString Lees(const QString& pad, TGelezen& gelezen)
{
    gelezen = {};
    QByteArray bytes;
    if (QString fout = BestandOpslag::LeesAlles(pad, bytes); !fout.isEmpty())
        return fout;
    const qsizetype einde = bytes.indexOf(RegelEinde);
    if (!bytes.startsWith(Kop) || einde < 0)
        return QStringLiteral("Het bestand is geen herstelkopie (de eerste regel ontbreekt).");
    gelezen.ToernooiPad = QUrl::fromPercentEncoding(bytes.mid(Kop.size(), einde - Kop.size()));
    gelezen.ToernooiBytes = bytes.mid(einde + RegelEinde.size());
    return {};
}

QString ApartNaam(const QString& map, const QString& basis, const QDateTime& moment)
{
    const QString stam = basis + QStringLiteral(" hersteld ") +
                         moment.toString(QStringLiteral("yyyy-MM-dd HH.mm"));
    const QDir folder(map);
    QString naam = folder.filePath(stam + QStringLiteral(".trn"));
    for (int volgnummer = 2; QFileInfo::exists(naam); ++volgnummer)
        naam = folder.filePath(stam + QStringLiteral(" (%1).trn").arg(volgnummer));
    return naam;
}

QString ZetApart(const QString& pad, const QString& basis, QString& nieuwPad)
{
    const QFileInfo info(pad);
    nieuwPad = ApartNaam(info.absolutePath(), basis, info.lastModified());
    QFile bestand(pad);
    // rename() never replaces an existing file, so a copy that appeared meanwhile stays too.
    if (bestand.rename(nieuwPad))
        return {};
    nieuwPad.clear();
    return Bestandsfout::Tekst(bestand);
}

} // namespace HerstelBestand
