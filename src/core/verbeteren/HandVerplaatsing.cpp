#include "core/verbeteren/HandVerplaatsing.h"

#include "core/verbeteren/Regelcontrole.h"
#include "core/verbeteren/TSchemaOpzet.h"

namespace {

QString Getal(int n)
{
    return QString::number(n);
}

TVerplaatsUitkomst Weiger(const QString& reden)
{
    return {{}, reden};
}

const TOpzetWedstrijd* Op(const TSchemaOpzet& opzet, TVak vak)
{
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden) {
        if (w.Ronde == vak.Ronde && w.Veld == vak.Veld)
            return &w;
    }
    return nullptr;
}

TVerplaatsUitkomst Wissel(const ToernooiModel& model, const TSchemaBoom& schema, const TUitslagen& uitslagen,
                          const TSchemaOpzet& opzet, TVak a, TVak b)
{
    for (const TVak vak : {a, b}) {
        if (const TOpzetWedstrijd* w = Op(opzet, vak); w && w->Gespeeld)
            return Weiger(QStringLiteral("%1 is al gespeeld en blijft in ronde %2 op veld %3.")
                              .arg(w->Tekst, Getal(w->Ronde), Getal(w->Veld)));
    }
    std::vector<TGeplaatsteWedstrijd> geplaatst;
    for (const TOpzetWedstrijd& w : opzet.Wedstrijden) {
        TVak plek{w.Ronde, w.Veld};
        if (plek == a)
            plek = b;
        else if (plek == b)
            plek = a;
        geplaatst.push_back({plek.Ronde, plek.Veld, w.Inhoud});
    }
    TVerplaatsUitkomst uitkomst{MaakSchemaBoom(model, geplaatst), {}};
    // Only what the move breaks counts: a rule the schedule already broke is no reason.
    QStringList eerder = ControleerSchema(model, schema, uitslagen);
    for (const QString& fout : ControleerSchema(model, uitkomst.Schema, uitslagen, &schema)) {
        if (!eerder.removeOne(fout))
            return Weiger(fout);
    }
    return uitkomst;
}

bool Bestaat(TVak vak)
{
    return vak.Ronde >= 1 && vak.Veld >= 1;
}

} // namespace

TVerplaatsUitkomst VerplaatsWedstrijd(const ToernooiModel& model, const TSchemaBoom& schema,
                                      const TUitslagen& uitslagen, TVak van, TVak naar)
{
    const TSchemaOpzet opzet = MaakOpzet(model, schema, uitslagen);
    if (!opzet.Fout.isEmpty())
        return Weiger(opzet.Fout);
    if (!Bestaat(van) || !Op(opzet, van))
        return Weiger(QStringLiteral("In ronde %1 staat op veld %2 geen wedstrijd.")
                          .arg(Getal(van.Ronde), Getal(van.Veld)));
    if (!TSchemaOpzet::Bruikbaar(model, naar.Veld, naar.Ronde))
        return Weiger(QStringLiteral("Veld %1 is in ronde %2 niet te gebruiken.")
                          .arg(Getal(naar.Veld), Getal(naar.Ronde)));
    if (const TOpzetWedstrijd* daar = Op(opzet, naar); daar && !(naar == van))
        return Weiger(QStringLiteral("In ronde %1 staat op veld %2 al %3.")
                          .arg(Getal(naar.Ronde), Getal(naar.Veld), daar->Tekst));
    return Wissel(model, schema, uitslagen, opzet, van, naar);
}

TVerplaatsUitkomst WisselVakken(const ToernooiModel& model, const TSchemaBoom& schema,
                                const TUitslagen& uitslagen, TVak a, TVak b)
{
    const TSchemaOpzet opzet = MaakOpzet(model, schema, uitslagen);
    if (!opzet.Fout.isEmpty())
        return Weiger(opzet.Fout);
    if (!Bestaat(a) || !Bestaat(b) || (!Op(opzet, a) && !Op(opzet, b)))
        return Weiger(QStringLiteral("Er staat geen wedstrijd op de gekozen plaatsen."));
    return Wissel(model, schema, uitslagen, opzet, a, b);
}
