#include "core/uitslag/UitslagWijziging.h"

#include "core/model/TTeamDetails.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "core/uitslag/TWedstrijdDag.h"

namespace UitslagWijziging {

namespace {

// A long list is cut short: the question has to fit on the screen.
constexpr std::size_t MaxGenoemd = 12;

QString Naam(const TTeamDetails* team, const TKruisKant& kant)
{
    return team ? team->TeamNaam : kant.Tekst;
}

bool MagDoorgaan(TVraagsteller& vragen, const TWedstrijdDag& dag,
                 const std::vector<TGevolg>& gevolgen)
{
    if (gevolgen.empty())
        return true;
    QString tekst = QStringLiteral("Door deze wijziging krijgen al gespeelde wedstrijden andere teams:\n");
    for (std::size_t i = 0; i < gevolgen.size() && i < MaxGenoemd; ++i) {
        const TGevolg& g = gevolgen[i];
        const TDagWedstrijd& w = dag.Wedstrijden()[std::size_t(g.Wedstrijd)];
        const QString voorvoegsel = w.Kruis ? w.Kruis->Voorvoegsel : w.Tekst;
        tekst += QStringLiteral("\n%1 %2 x %3 wordt %4 x %5")
                     .arg(voorvoegsel, g.Voor1->TeamNaam, g.Voor2->TeamNaam,
                          w.Kruis ? Naam(g.Na1, w.Kruis->Kant1) : QString(),
                          w.Kruis ? Naam(g.Na2, w.Kruis->Kant2) : QString());
    }
    if (gevolgen.size() > MaxGenoemd)
        tekst += QStringLiteral("\n… en nog %1 wedstrijden").arg(gevolgen.size() - MaxGenoemd);
    tekst += QStringLiteral(
        "\n\nBij Doorgaan blijven hun uitslagen bewaard als \"vervallen\" bij de teams die "
        "gespeeld hebben; ze tellen niet voor andere teams. Annuleren verandert niets.");
    return vragen.VraagDoorgaan(QStringLiteral("Gespeelde wedstrijden"), tekst);
}

} // namespace

bool ZetUitslag(TWedstrijdDag& dag, TVraagsteller& vragen, int wedstrijd,
                const std::optional<TUitslag>& uitslag)
{
    const std::vector<TGevolg> gevolgen = dag.GevolgenVanUitslag(wedstrijd, uitslag);
    if (!MagDoorgaan(vragen, dag, gevolgen))
        return false;
    dag.ZetUitslag(wedstrijd, uitslag, gevolgen);
    return true;
}

bool Wijzig(TWedstrijdDag& dag, TVraagsteller& vragen,
            const std::function<bool(TUitslagen&)>& wijziging, QStringView naam)
{
    TUitslagen kandidaat = dag.Model().Uitslagen();
    if (!wijziging(kandidaat))
        return false;
    const std::vector<TGevolg> gevolgen = dag.GevolgenVan(kandidaat);
    if (!MagDoorgaan(vragen, dag, gevolgen))
        return false;
    dag.Vervang(std::move(kandidaat), gevolgen, naam);
    return true;
}

} // namespace UitslagWijziging
