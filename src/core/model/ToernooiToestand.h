#pragma once

#include "core/model/TDagDeel.h"
#include "core/model/TLettertype.h"
#include "core/model/TPouleDetails.h"
#include "core/model/TSchemaIndeling.h"
#include "core/model/TScheidsrechters.h"
#include "core/model/TTeamDetails.h"
#include "core/model/TUitloop.h"
#include "core/model/VeldenEnRonden.h"
#include "core/uitslag/TUitslagen.h"

#include <vector>

struct TPoule;

// Everything of a tournament that is saved, at one moment, as plain values next to the
// records they belong to: a step of the undo history. The strings share their data with the
// model's, so a state costs little more than its pointers.
struct ToernooiToestand
{
    struct TTeam
    {
        TTeamDetails* Record = nullptr;
        TTeamDetails Waarden{QString()}; // the editable fields; the builder's are not kept
    };
    struct TPouleStand
    {
        TPoule* Record = nullptr;
        TPouleDetails Waarden{QString()};
        std::vector<TTeamDetails*> Teams;
    };

    std::vector<TTeam> Teams;         // in the order of the team list
    std::vector<TPouleStand> Poules;  // in the order of the poule list
    VeldenEnRonden Velden;
    QString ToernooiNaam;
    QString StartDatum;
    int AantalDelen = 1;
    int DelenPerDag = 1;
    TDagTijden DagTijden;
    int GewoneVelden = 1;
    int SpecialeVelden = 0;
    int Duur = 20;
    int Pauze = 5;
    TLettertypen Lettertypen;
    TUitslagen Uitslagen;
    TSchemaIndeling SchemaIndeling;
    TUitloop Uitloop;
    TScheidsrechters Scheidsrechters;

    // The same records with the same values: nothing a save would show differs.
    [[nodiscard]] bool IsGelijk(const ToernooiToestand& ander) const;
};
