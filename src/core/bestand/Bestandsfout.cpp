#include "core/bestand/Bestandsfout.h"

#include <cerrno>
#include <utility>

namespace Bestandsfout {

namespace {

struct TFoutNaam
{
    int Fout;
    const char* Tekst;
};

constexpr TFoutNaam ErrnoTeksten[] = {
    {EPERM, "Bewerking niet toegestaan"},
    {ENOENT, "Bestand of map bestaat niet"},
    {EIO, "Invoer-/uitvoerfout"},
    {ENXIO, "Apparaat of adres bestaat niet"},
    {ENOMEM, "Onvoldoende geheugen"},
    {EACCES, "Toegang geweigerd"},
    {EBUSY, "Apparaat of bron is bezet"},
    {EEXIST, "Bestand bestaat al"},
    {EXDEV, "Verplaatsen naar een ander bestandssysteem is niet mogelijk"},
    {ENODEV, "Apparaat bestaat niet"},
    {ENOTDIR, "Een deel van het pad is geen map"},
    {EISDIR, "Is een map"},
    {EINVAL, "Ongeldig argument"},
    {ENFILE, "Te veel geopende bestanden in het systeem"},
    {EMFILE, "Te veel geopende bestanden"},
    {ETXTBSY, "Bestand is in gebruik"},
    {EFBIG, "Bestand is te groot"},
    {ENOSPC, "Schijf vol"},
    {ESPIPE, "Ongeldige positie in het bestand"},
    {EROFS, "Het bestandssysteem is alleen-lezen"},
    {EMLINK, "Te veel koppelingen"},
    {EPIPE, "De verbinding is verbroken"},
    {ENAMETOOLONG, "Bestandsnaam is te lang"},
    {ENOTEMPTY, "Map is niet leeg"},
    {ELOOP, "Te veel niveaus van symbolische koppelingen"},
    {EAGAIN, "Bron is tijdelijk niet beschikbaar"},
    {EINTR, "Onderbroken"},
    {EDQUOT, "Schijfquotum overschreden"},
    {ESTALE, "Verouderde bestandsverwijzing"},
    {ETIMEDOUT, "Tijd verstreken"},
};

// Texts of Qt's own file classes, in the wording of Qt 6.
constexpr std::pair<const char*, const char*> QtTeksten[] = {
    {"file to open is a directory", "Het te openen bestand is een map"},
    {"Filename refers to a directory", "De bestandsnaam verwijst naar een map"},
    {"No file name specified", "Geen bestandsnaam opgegeven"},
    {"Writing canceled by application", "Het schrijven is afgebroken"},
    {"Unknown error", "Onbekende fout"},
};

QString SoortTekst(QFileDevice::FileError soort)
{
    switch (soort) {
    case QFileDevice::ReadError:
        return QStringLiteral("Fout bij het lezen");
    case QFileDevice::WriteError:
        return QStringLiteral("Fout bij het schrijven");
    case QFileDevice::ResourceError:
        return QStringLiteral("Onvoldoende ruimte of geheugen");
    case QFileDevice::OpenError:
        return QStringLiteral("Het bestand kon niet geopend worden");
    case QFileDevice::AbortError:
        return QStringLiteral("De bewerking is afgebroken");
    case QFileDevice::TimeOutError:
        return QStringLiteral("Tijd verstreken");
    case QFileDevice::RemoveError:
        return QStringLiteral("Het bestand kon niet verwijderd worden");
    case QFileDevice::RenameError:
        return QStringLiteral("Het bestand kon niet hernoemd worden");
    case QFileDevice::PositionError:
        return QStringLiteral("Ongeldige positie in het bestand");
    case QFileDevice::ResizeError:
        return QStringLiteral("De grootte van het bestand kon niet aangepast worden");
    case QFileDevice::PermissionsError:
        return QStringLiteral("Toegang geweigerd");
    case QFileDevice::CopyError:
        return QStringLiteral("Het bestand kon niet gekopieerd worden");
    case QFileDevice::FatalError:
    case QFileDevice::UnspecifiedError:
    case QFileDevice::NoError:
        break;
    }
    return QStringLiteral("Onbekende fout");
}

} // namespace

QString VanErrno(int fout)
{
    for (const TFoutNaam& naam : ErrnoTeksten) {
        if (naam.Fout == fout)
            return QString::fromUtf8(naam.Tekst);
    }
    return QStringLiteral("Systeemfout %1").arg(fout);
}

QString Tekst(QFileDevice::FileError soort, const QString& systeemTekst)
{
    // Qt puts the C library's text for errno into errorString(), in the language of the
    // process's locale; comparing with that same text finds the error number back.
    for (const TFoutNaam& naam : ErrnoTeksten) {
        if (systeemTekst == qt_error_string(naam.Fout))
            return QString::fromUtf8(naam.Tekst);
    }
    for (const auto& [engels, nederlands] : QtTeksten) {
        if (systeemTekst.compare(QLatin1StringView(engels), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(nederlands);
    }
    // "Existing file %1 is not writable" of QSaveFile.
    if (systeemTekst.startsWith(QLatin1StringView("Existing file ")) &&
        systeemTekst.endsWith(QLatin1StringView(" is not writable")))
        return QStringLiteral("Het bestaande bestand is niet schrijfbaar");
    return SoortTekst(soort);
}

QString Tekst(const QFileDevice& bestand)
{
    return Tekst(bestand.error(), bestand.errorString());
}

} // namespace Bestandsfout
