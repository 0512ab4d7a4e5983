#include "ToernooiLezer.h"

#include "Tekstcodering.h"
#include "ToernooiRegelLezer.h"

#include <limits>

namespace ToernooiLezer {

std::optional<int> LeesGetal(QStringView waarde)
{
    qsizetype i = 0;
    while (i < waarde.size() && waarde[i] == u' ')
        ++i;
    bool negatief = false;
    if (i < waarde.size() && (waarde[i] == u'+' || waarde[i] == u'-')) {
        negatief = waarde[i] == u'-';
        ++i;
    }
    if (i >= waarde.size())
        return std::nullopt;
    qint64 getal = 0;
    for (; i < waarde.size(); ++i) {
        const char16_t c = waarde[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        getal = getal * 10 + (c - u'0');
        if (getal > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negatief)
        getal = -getal;
    if (getal < std::numeric_limits<int>::min() || getal > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(getal);
}

QString HoofdLetters(QStringView tekst)
{
    QString uit = tekst.toString();
    for (QChar& c : uit) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return uit;
}

void LeesToernooi(ToernooiModel& model, QStringView tekst)
{
    const qsizetype ctrlZ = tekst.indexOf(QChar(26));
    if (ctrlZ >= 0)
        tekst = tekst.first(ctrlZ);

    ToernooiRegelLezer lezer(model);
    lezer.Begin();
    QString regel;
    qsizetype begin = 0;
    while (begin < tekst.size()) {
        qsizetype eind = tekst.indexOf(u'\n', begin);
        if (eind < 0)
            eind = tekst.size();
        QStringView ruw = tekst.sliced(begin, eind - begin);
        if (ruw.contains(u'\r')) {
            regel = ruw.toString();
            regel.remove(u'\r');
            lezer.Regel(regel);
        } else {
            lezer.Regel(ruw);
        }
        begin = eind + 1;
    }
    lezer.Einde();
}

void LeesToernooiBytes(ToernooiModel& model, QByteArrayView bytes)
{
    LeesToernooi(model, Tekstcodering::DecodeerBestand(bytes));
}

} // namespace ToernooiLezer
