#include "model/Tijdnotatie.h"

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
