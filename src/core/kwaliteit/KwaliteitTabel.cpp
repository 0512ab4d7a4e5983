#include "core/kwaliteit/KwaliteitTabel.h"

#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/model/TTeamDetails.h"

#include <algorithm>

namespace KwaliteitTabel {

std::vector<std::pair<QString, QString>> Samenvatting(const TSchemaKwaliteit& kwaliteit)
{
    const int ronden = kwaliteit.Ronden;
    const int grens = kwaliteit.Ondergrens.Ronden;
    const QString einde = kwaliteit.Einde.Tijd.isEmpty()
                              ? QStringLiteral("ronde %1 heeft geen tijd").arg(ronden)
                              : QStringLiteral("dag %1 om %2").arg(kwaliteit.Einde.Dag, kwaliteit.Einde.Tijd);
    return {
        {QStringLiteral("Gebruikte ronden:"), QString::number(ronden)},
        {QStringLiteral("Ondergrens:"),
         QStringLiteral("%1 ronden (verschil %2)").arg(grens).arg(ronden - grens)},
        {QStringLiteral("Einde:"), einde},
        {QStringLiteral("Wedstrijden direct na elkaar:"), QString::number(kwaliteit.AchterElkaarTotaal())},
        {QStringLiteral("Minstens direct na elkaar (telling):"),
         QStringLiteral("%1 (verschil %2)")
             .arg(kwaliteit.AchterElkaarOndergrens())
             .arg(kwaliteit.AchterElkaarTotaal() - kwaliteit.AchterElkaarOndergrens())},
        {QStringLiteral("Langste wachttijd:"),
         QStringLiteral("%1 ronden").arg(kwaliteit.LangsteWacht())},
        {QStringLiteral("Teams die drie of meer ronden achter elkaar spelen:"),
         QString::number(kwaliteit.TeamsDrieOpRij())},
    };
}

QString Kop(int kolom)
{
    switch (kolom) {
    case Team: return QStringLiteral("Team");
    case Poule: return QStringLiteral("Poule");
    case Wedstrijden: return QStringLiteral("Wedstrijden");
    case Eerste: return QStringLiteral("Eerste");
    case Laatste: return QStringLiteral("Laatste");
    case AchterElkaar: return QStringLiteral("Na elkaar");
    case LangsteWacht: return QStringLiteral("Wacht");
    case LangsteReeks: return QStringLiteral("Reeks");
    case Velden: return QStringLiteral("Velden");
    default: return {};
    }
}

QString Uitleg(int kolom)
{
    switch (kolom) {
    case Wedstrijden: return QStringLiteral("Aantal wedstrijden in de eigen poule");
    case Eerste: return QStringLiteral("Ronde van de eerste wedstrijd");
    case Laatste: return QStringLiteral("Ronde van de laatste wedstrijd");
    case AchterElkaar: return QStringLiteral("Aantal keren dat twee wedstrijden in opeenvolgende ronden vallen");
    case LangsteWacht: return QStringLiteral("Langste aantal ronden zonder wedstrijd tussen twee wedstrijden");
    case LangsteReeks: return QStringLiteral("Meeste ronden achter elkaar met een wedstrijd");
    case Velden: return QStringLiteral("Aantal verschillende velden");
    default: return {};
    }
}

bool IsGetal(int kolom)
{
    return kolom > Poule && kolom < AantalKolommen;
}

int Waarde(const TTeamKwaliteit& team, int kolom)
{
    switch (kolom) {
    case Wedstrijden: return team.Wedstrijden;
    case Eerste: return team.Eerste;
    case Laatste: return team.Laatste;
    case AchterElkaar: return team.AchterElkaar;
    case LangsteWacht: return team.LangsteWacht;
    case LangsteReeks: return team.LangsteReeks;
    case Velden: return team.Velden;
    default: return 0;
    }
}

QString Tekst(const TTeamKwaliteit& team, int kolom)
{
    if (kolom == Team)
        return team.Team ? team.Team->TeamNaam : QString();
    if (kolom == Poule)
        return team.PouleNaam;
    return QString::number(Waarde(team, kolom));
}

int Slechtste(const std::vector<TTeamKwaliteit>& teams, int kolom)
{
    if (kolom != Laatste && kolom != AchterElkaar && kolom != LangsteWacht && kolom != LangsteReeks)
        return -1;
    if (teams.empty())
        return -1;
    const auto [laagste, hoogste] = std::minmax_element(
        teams.begin(), teams.end(),
        [kolom](const TTeamKwaliteit& a, const TTeamKwaliteit& b) { return Waarde(a, kolom) < Waarde(b, kolom); });
    const int slechtst = Waarde(*hoogste, kolom);
    return slechtst > Waarde(*laagste, kolom) ? slechtst : -1;
}

} // namespace KwaliteitTabel
