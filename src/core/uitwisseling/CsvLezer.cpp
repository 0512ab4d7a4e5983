#include "core/uitwisseling/CsvLezer.h"

#include "core/bestand/Tekstcodering.h"

#include <QStringDecoder>

namespace CsvLezer {

namespace {

// True when the bytes hold at least one well-formed UTF-8 sequence of two or more bytes: text
// that was meant as UTF-8, even when a stray byte makes the whole invalid.
bool HeeftUtf8Reeks(QByteArrayView bytes)
{
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int lengte = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3
                         : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        if (lengte == 0 || i + lengte > bytes.size())
            continue;
        if (Tekstcodering::IsGeldigeUtf8(bytes.sliced(i, lengte)))
            return true;
    }
    return false;
}

} // namespace

QString Decodeer(QByteArrayView bytes, bool* geraden)
{
    if (geraden)
        *geraden = false;
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        QString tekst = decoder(bytes.sliced(2));
        if (geraden)
            *geraden = decoder.hasError();
        return tekst;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (Tekstcodering::IsGeldigeUtf8(bytes))
        return QString::fromUtf8(bytes);
    if (geraden)
        *geraden = HeeftUtf8Reeks(bytes);
    return Tekstcodering::VanWindows1252(bytes);
}

QChar HerkenScheidingsteken(const QString& tekst)
{
    qsizetype puntkomma = 0;
    qsizetype komma = 0;
    bool tussenAanhalingstekens = false;
    for (const QChar c : tekst) {
        if (c == u'"')
            tussenAanhalingstekens = !tussenAanhalingstekens;
        else if (tussenAanhalingstekens)
            continue;
        else if (c == u'\n' || c == u'\r')
            break;
        else if (c == u'\t')
            return u'\t';
        else if (c == u';')
            ++puntkomma;
        else if (c == u',')
            ++komma;
    }
    return komma > puntkomma ? QChar(u',') : QChar(u';');
}

namespace {

bool IsLeeg(const QStringList& waarden)
{
    for (const QString& w : waarden) {
        if (!w.trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

TCsvInhoud Lees(const QString& tekst)
{
    TCsvInhoud inhoud;
    inhoud.Scheidingsteken = HerkenScheidingsteken(tekst);
    const QChar scheiding = inhoud.Scheidingsteken;

    int regel = 1;
    TCsvRij rij{regel, {}};
    QString waarde;
    bool gequote = false;   // inside a quoted value
    int quoteRegel = 0;
    const qsizetype n = tekst.size();

    auto sluitRij = [&] {
        rij.Waarden.append(waarde.trimmed());
        waarde.clear();
        if (!IsLeeg(rij.Waarden))
            inhoud.Rijen.append(rij);
        rij = TCsvRij{regel, {}};
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (gequote) {
            if (c == u'"') {
                if (i + 1 < n && tekst.at(i + 1) == u'"') {
                    waarde += u'"';
                    ++i;
                } else {
                    gequote = false;
                }
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
                    ++i;
                ++regel;
                waarde += u' ';
            } else {
                waarde += c;
            }
        } else if (c == u'"' && waarde.trimmed().isEmpty()) {
            waarde.clear();
            gequote = true;
            quoteRegel = regel;
        } else if (c == scheiding) {
            rij.Waarden.append(waarde.trimmed());
            waarde.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
                ++i;
            ++regel;
            sluitRij();
        } else {
            waarde += c;
        }
    }
    if (gequote) {
        inhoud.Fout = QStringLiteral("Aanhalingsteken zonder sluitend aanhalingsteken.");
        inhoud.FoutRegel = quoteRegel;
        inhoud.Rijen.clear();
        return inhoud;
    }
    sluitRij();
    return inhoud;
}

} // namespace CsvLezer
