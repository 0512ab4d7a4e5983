#include "core/afdruk/AfdrukInhoud.h"

#include "core/model/ToernooiModel.h"
#include "core/scheidsrechters/Behouden.h"
#include "core/scheidsrechters/TScheidsOpzet.h"

TAfdrukGegevens AfdrukInhoud(const ToernooiModel& model, const TSchemaBoom& schema,
                             const TPaginaMaten& maten, const QString& printDatum)
{
    TAfdrukGegevens gegevens;
    gegevens.ToernooiNaam = model.ToernooiNaam();
    gegevens.StartDatum = model.StartDatum();
    gegevens.PrintDatum = printDatum;
    gegevens.Fonts = model.Lettertypen();
    gegevens.Maten = maten;
    gegevens.AantalVelden = model.AantalVelden();
    gegevens.Schema = &schema;
    gegevens.Velden = &model.Velden();
    for (const auto& poule : model.PouleLijst()) {
        TPouleBlok blok{poule->Details->PouleNaam, {}};
        for (const TTeamDetails* team : poule->Teams)
            blok.Teams.append(team->TeamNaam);
        gegevens.Poules.push_back(blok);
    }
    // The kept referees carried over to this schedule, as the schedule window shows them, and
    // the referee list in its own order.
    const TScheidsrechters& scheidsrechters = model.Scheidsrechters();
    if (scheidsrechters.HeeftScheidsrechters() || !scheidsrechters.Toewijzingen.isEmpty()) {
        const TScheidsOpzet opzet(model, schema, scheidsrechters);
        if (!scheidsrechters.Toewijzingen.isEmpty())
            gegevens.Scheidsrechters = BehoudToewijzing(opzet).Toewijzingen;
        for (const auto& fluiter : opzet.Fluiters())
            gegevens.ScheidsrechterNamen.append(fluiter.Naam);
    }
    return gegevens;
}

void ZetVetTeam(TAfdrukGegevens& gegevens, const ToernooiModel& model, int vetTeamIndex)
{
    gegevens.VetTeam.clear();
    gegevens.VetPoule.clear();
    if (vetTeamIndex < 1 || vetTeamIndex > int(model.TeamLijst().size()))
        return;
    const TTeamDetails* team = model.TeamLijst()[std::size_t(vetTeamIndex - 1)].get();
    gegevens.VetTeam = team->TeamNaam;
    if (const TPoule* poule = model.PouleVanTeam(team))
        gegevens.VetPoule = poule->Details->PouleNaam;
}
