#include "core/kwaliteit/RondeEinde.h"

#include "core/model/RondeKop.h"
#include "core/model/VeldenEnRonden.h"

TRondeEinde RondeEinde(const VeldenEnRonden& velden, int ronde)
{
    if (ronde < 1)
        return {};
    const QString kop = velden.RondeKop(ronde);
    const QString bereik = RondeKop::TijdBereik(kop);
    const QString scheiding = QStringLiteral(" - ");
    const qsizetype streep = bereik.indexOf(scheiding);
    return {RondeKop::DagTekst(kop),
            streep < 0 ? QString() : bereik.mid(streep + scheiding.size())};
}
