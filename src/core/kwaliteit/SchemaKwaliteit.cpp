#include "core/kwaliteit/SchemaKwaliteit.h"

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"

#include <QHash>
#include <algorithm>
#include <set>

namespace {

struct TSpeelMoment
{
    int Ronde = 0;
    int Veld = 0;
};

// The rounds arrive in order, so every team's moments are sorted by round.
void Vat(TTeamKwaliteit& uitkomst, const std::vector<TSpeelMoment>& momenten)
{
    uitkomst.Wedstrijden = int(momenten.size());
    if (momenten.empty())
        return;
    uitkomst.Eerste = momenten.front().Ronde;
    uitkomst.Laatste = momenten.back().Ronde;
    std::vector<int> ronden;
    std::set<int> velden;
    for (const TSpeelMoment& moment : momenten) {
        ronden.push_back(moment.Ronde);
        velden.insert(moment.Veld);
    }
    const TWachtCijfers wachten = TelWachten(ronden);
    uitkomst.AchterElkaar = wachten.AchterElkaar;
    uitkomst.LangsteWacht = wachten.LangsteWacht;
    uitkomst.LangsteReeks = wachten.LangsteReeks;
    uitkomst.Velden = int(velden.size());
}

} // namespace

TWachtCijfers TelWachten(std::span<const int> ronden)
{
    TWachtCijfers cijfers;
    if (ronden.empty())
        return cijfers;
    int reeks = 1;
    cijfers.LangsteReeks = 1;
    for (std::size_t i = 1; i < ronden.size(); ++i) {
        const int afstand = ronden[i] - ronden[i - 1];
        if (afstand == 1) {
            ++cijfers.AchterElkaar;
            ++reeks;
        } else {
            reeks = 1;
        }
        cijfers.LangsteReeks = std::max(cijfers.LangsteReeks, reeks);
        cijfers.LangsteWacht = std::max(cijfers.LangsteWacht, afstand - 1);
    }
    return cijfers;
}

int GedwongenAchterElkaar(int wedstrijden, int ronden)
{
    return std::max(0, 2 * wedstrijden - 1 - ronden);
}

int TSchemaKwaliteit::AchterElkaarOndergrens() const
{
    int totaal = 0;
    for (const TTeamKwaliteit& team : Teams)
        totaal += GedwongenAchterElkaar(team.Wedstrijden, Ronden);
    return totaal;
}

int TSchemaKwaliteit::AchterElkaarTotaal() const
{
    int totaal = 0;
    for (const TTeamKwaliteit& team : Teams)
        totaal += team.AchterElkaar;
    return totaal;
}

int TSchemaKwaliteit::LangsteWacht() const
{
    int langste = 0;
    for (const TTeamKwaliteit& team : Teams)
        langste = std::max(langste, team.LangsteWacht);
    return langste;
}

int TSchemaKwaliteit::TeamsDrieOpRij() const
{
    return int(std::count_if(Teams.begin(), Teams.end(),
                             [](const TTeamKwaliteit& team) { return team.LangsteReeks >= 3; }));
}

TSchemaKwaliteit MeetKwaliteit(const ToernooiModel& model, const TSchemaBoom& boom)
{
    TSchemaKwaliteit kwaliteit;
    QHash<const TTeamDetails*, const TPouleDetails*> pouleVan;
    for (const auto& poule : model.PouleLijst()) {
        for (const TTeamDetails* team : poule->Teams)
            pouleVan.insert(team, poule->Details.get());
    }

    QHash<const TTeamDetails*, std::vector<TSpeelMoment>> momenten;
    for (const TSchemaRonde& ronde : boom.Ronden) {
        for (std::size_t i = 0; i < ronde.Velden.size(); ++i) {
            const auto& wedstrijd = ronde.Velden[i].Wedstrijd;
            if (!wedstrijd)
                continue;
            kwaliteit.Ronden = std::max(kwaliteit.Ronden, ronde.Ronde);
            // Slot entries stand in field order, from field 1.
            const TSpeelMoment moment{ronde.Ronde, int(i) + 1};
            for (const TTeamDetails* team : {wedstrijd->Team1, wedstrijd->Team2}) {
                if (team)
                    momenten[team].push_back(moment);
            }
        }
    }

    for (const auto& team : model.TeamLijst()) {
        const TPouleDetails* poule = pouleVan.value(team.get());
        if (!poule)
            continue;
        TTeamKwaliteit uitkomst;
        uitkomst.Team = team.get();
        uitkomst.PouleNaam = poule->PouleNaam;
        Vat(uitkomst, momenten.value(team.get()));
        kwaliteit.Teams.push_back(uitkomst);
    }
    kwaliteit.Ondergrens = BerekenOndergrens(model);
    kwaliteit.Einde = RondeEinde(model.Velden(), kwaliteit.Ronden);
    return kwaliteit;
}
