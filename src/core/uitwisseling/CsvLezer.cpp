#include "uitwisseling/CsvLezer.h"

#include "bestand/Tekstcodering.h"

namespace CsvLezer {

QString Decodeer(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (Tekstcodering::IsGeldigeUtf8(bytes))
        return QString::fromUtf8(bytes);
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
