#include "core/model/Tijdnotatie.h"

#include <QRegularExpression>

namespace Tijdnotatie {

namespace {

// The number formed by the digits among the given characters, 0 when there are none.
int CijfersAlsGetal(QStringView deel)
{
    int waarde = 0;
    for (QChar c : deel) {
        if (c >= u'0' && c <= u'9')
            waarde = waarde * 10 + (c.unicode() - u'0');
    }
    return waarde;
}

QString TweeCijfers(int waarde)
{
    return QStringLiteral("%1").arg(waarde, 2, 10, QLatin1Char('0'));
}

} // namespace

QString NormaliseerTijd(const QString& tekst)
{
    QString s = tekst;
    while (s.count(u':') > 1)
        s.remove(s.indexOf(u':'), 1);

    QString schoon;
    schoon.reserve(s.size());
    for (QChar c : std::as_const(s)) {
        if ((c >= u'0' && c <= u'9') || c == u':')
            schoon.append(c);
    }
    s = schoon;

    if (s.isEmpty())
        s = QStringLiteral("00:00");
    if (s.at(0) == u':')
        s.prepend(u'0');
    if (s.size() >= 2 && s.at(1) == u':')
        s.prepend(u'0');
    if (s.size() < 3)
        s.append(u':');
    else if (s.at(2) != u':')
        s.insert(2, u':');
    s.truncate(5);
    while (s.size() < 5)
        s.append(u'0');

    int uur = CijfersAlsGetal(QStringView(s).mid(0, 2));
    int minuut = CijfersAlsGetal(QStringView(s).mid(3, 2));
    while (uur > 23)
        uur -= 24;
    while (minuut > 59)
        minuut -= 60;
    return TweeCijfers(uur) + u':' + TweeCijfers(minuut);
}

std::optional<QString> LeesGetypteTijd(const QString& tekst)
{
    // Hours and minutes apart by a colon, point, comma or "u"/"h", or written together;
    // one or two digits alone are a whole hour.
    static const QRegularExpression vorm(QStringLiteral(
        "^(?:([0-9]{1,2})\\s*[:.,uUhH]\\s*([0-9]{2})|([0-9]{1,2})([0-9]{2})|([0-9]{1,2})\\s*[uUhH]?)$"));
    const QRegularExpressionMatch m = vorm.match(tekst.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    int uur = 0;
    int minuut = 0;
    if (m.hasCaptured(1)) {
        uur = m.captured(1).toInt();
        minuut = m.captured(2).toInt();
    } else if (m.hasCaptured(3)) {
        uur = m.captured(3).toInt();
        minuut = m.captured(4).toInt();
    } else {
        uur = m.captured(5).toInt();
    }
    if (uur > 23 || minuut > 59)
        return std::nullopt;
    return TweeCijfers(uur) + u':' + TweeCijfers(minuut);
}

QString UurTekst(int uur)
{
    return TweeCijfers(uur) + QStringLiteral(":00");
}

TDagTijden StandaardDagDelen(int aantalDagen, int delenPerDag)
{
    TDagTijden delen;
    const int aantal = aantalDagen * delenPerDag;
    delen.reserve(aantal);
    int uur = 9;
    for (int rij = 1; rij <= aantal; ++rij) {
        TDagDeel deel;
        deel.Begin = UurTekst(uur);
        uur += 8 / delenPerDag;
        deel.Eind = UurTekst(uur);
        delen.append(deel);
        if (rij % delenPerDag == 0)
            uur = 9;
    }
    return delen;
}

} // namespace Tijdnotatie
