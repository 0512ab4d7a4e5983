#include "core/model/Invoertekst.h"

#include <algorithm>

namespace Invoertekst {

namespace {

bool IsStuurteken(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

bool WordtSpatie(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\t' || u == u'\n' || u == u'\v' || u == u'\f' || u == u'\r' || u == 0x85
           || u == 0x2028 || u == 0x2029;
}

// A half of a surrogate pair without its other half is no character; UTF-8 cannot hold it.
bool IsLosseHelft(QStringView tekst, qsizetype i)
{
    const QChar c = tekst[i];
    if (c.isHighSurrogate())
        return i + 1 >= tekst.size() || !tekst[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !tekst[i - 1].isHighSurrogate();
    return false;
}

} // namespace

bool HeeftStuurtekens(QStringView tekst)
{
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (IsStuurteken(tekst[i]) || IsLosseHelft(tekst, i))
            return true;
    }
    return false;
}

QString ZonderStuurtekens(const QString& tekst)
{
    if (!HeeftStuurtekens(tekst))
        return tekst;
    QString schoon;
    schoon.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (IsLosseHelft(tekst, i))
            schoon += QChar(QChar::ReplacementCharacter);
        else if (!IsStuurteken(c))
            schoon += c;
        else if (WordtSpatie(c))
            schoon += u' ';
    }
    return schoon;
}

} // namespace Invoertekst
