#include "core/model/RondeKop.h"

namespace RondeKop {

QString DagTekst(const QString& kop)
{
    const qsizetype komma = kop.indexOf(u',');
    if (komma < 0)
        return {};
    return kop.left(komma).mid(4);
}

QString TijdBereik(const QString& kop)
{
    const qsizetype haak = kop.indexOf(u'(');
    if (haak < 0)
        return kop.left(13);
    return kop.mid(haak + 1, 13);
}

} // namespace RondeKop
