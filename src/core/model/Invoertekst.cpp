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

} // namespace

bool HeeftStuurtekens(QStringView tekst)
{
    return std::any_of(tekst.begin(), tekst.end(), IsStuurteken);
}

QString ZonderStuurtekens(const QString& tekst)
{
    if (!HeeftStuurtekens(tekst))
        return tekst;
    QString schoon;
    schoon.reserve(tekst.size());
    for (const QChar c : tekst) {
        if (!IsStuurteken(c))
            schoon += c;
        else if (WordtSpatie(c))
            schoon += u' ';
    }
    return schoon;
}

} // namespace Invoertekst
