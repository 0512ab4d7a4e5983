#include "core/uitslag/IngevuldSchema.h"

#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/TWedstrijdDag.h"

TSchemaBoom IngevuldSchema(const TSchemaBoom& boom, const TWedstrijdDag& dag)
{
    TSchemaBoom ingevuld = boom;
    const auto& wedstrijden = dag.Wedstrijden();
    for (std::size_t i = 0; i < wedstrijden.size(); ++i) {
        const TDagWedstrijd& w = wedstrijden[i];
        if (!w.IsKruis())
            continue;
        if (std::size_t(w.Ronde) >= ingevuld.Ronden.size()
            || std::size_t(w.Veld) >= ingevuld.Ronden[std::size_t(w.Ronde)].Velden.size())
            continue;
        QString& tekst = ingevuld.Ronden[std::size_t(w.Ronde)].Velden[std::size_t(w.Veld)].Tekst;
        const qsizetype begin = tekst.size() - w.Tekst.size();
        if (begin >= 0 && QStringView(tekst).sliced(begin) == w.Tekst)
            tekst = tekst.left(begin) + dag.IngevuldeTekst(int(i));
    }
    return ingevuld;
}
