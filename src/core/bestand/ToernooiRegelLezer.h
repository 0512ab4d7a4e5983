#pragma once

#include "core/bestand/ScheidsrechterGroep.h"
#include "core/bestand/ToernooiSleutel.h"
#include "core/model/TLettertype.h"
#include "core/model/ToernooiModel.h"
#include "core/uitslag/TUitslagen.h"

#include <QStringView>

// The working state of one load: applies the lines of a tournament file one by one.
//
// Settings go straight through the model's own change operations, with their follow-ups, in
// the order of the lines. The poules and teams are built aside and installed by Einde, which
// also resolves the partners (a "KruisPoule=" line may name a poule further on), installs
// the fonts and clears the flags. Begin and Einde bracket every load.
class ToernooiRegelLezer
{
public:
    explicit ToernooiRegelLezer(ToernooiModel& model);

    void Begin();
    // One line without its line end.
    void Regel(QStringView regel);
    void Einde();

private:
    void Lettertype(QStringView sleutel, QStringView waarde, QStringView hoofdWaarde);
    // A "Los..." line: a team in no poule, or a detail of the last one.
    void LosTeam(TToernooiSleutel soort, QStringView waarde);
    // Settings that refill the day parts or rebuild the round headers from them: the day
    // parts collected from "BeginTijd="/"EindTijd=" lines go into the model first and are
    // read back after.
    template <typename Zet> void Instelling(Zet zet)
    {
        ZetDagDelenInModel();
        zet();
        m_dagDelen = m_model.DagTijden();
    }
    void ZetDagDelenInModel();

    ToernooiModel& m_model;
    ToernooiModel::PouleLijstType m_poules;
    ToernooiModel::TeamLijstType m_teams;
    TPoule* m_huidigePoule = nullptr;
    TTeamDetails* m_huidigTeam = nullptr;
    TTeamDetails* m_huidigLosTeam = nullptr;
    int m_dagDeelAantal = 0;
    TDagTijden m_dagDelen;
    bool m_dagDelenGewijzigd = false;
    TLettertypen m_lettertypen;
    TLettertype* m_gekozenLettertype = nullptr;
    TUitslagen m_uitslagen;
    TSchemaIndeling m_schemaIndeling;
    TUitloop m_uitloop;
    ScheidsrechterGroep::TLezer m_scheidsrechters;
};
