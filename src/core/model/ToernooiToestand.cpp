// Taking and restoring the whole saved state of the model, for the undo history.

#include "core/model/ToernooiModel.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace {

// Only the fields the file holds: the builder's working fields are not part of a state.
TTeamDetails Waarden(const TTeamDetails& team)
{
    TTeamDetails waarden{QString()};
    for (const auto veld : TeamVelden)
        waarden.*veld = team.*veld;
    return waarden;
}

void ZetWaarden(TTeamDetails& team, const TTeamDetails& waarden)
{
    for (const auto veld : TeamVelden)
        team.*veld = waarden.*veld;
}

TPouleDetails Waarden(const TPouleDetails& poule)
{
    TPouleDetails waarden(poule.PouleNaam);
    waarden.CompetitieType = poule.CompetitieType;
    waarden.KruisPoule = poule.KruisPoule;
    waarden.KruisPouleNaam = poule.KruisPouleNaam;
    waarden.KruisPouleCompetitieType = poule.KruisPouleCompetitieType;
    waarden.MinimaleRust = poule.MinimaleRust;
    return waarden;
}

void ZetWaarden(TPouleDetails& poule, const TPouleDetails& waarden)
{
    poule.PouleNaam = waarden.PouleNaam;
    poule.CompetitieType = waarden.CompetitieType;
    poule.KruisPoule = waarden.KruisPoule;
    poule.KruisPouleNaam = waarden.KruisPouleNaam;
    poule.KruisPouleCompetitieType = waarden.KruisPouleCompetitieType;
    poule.MinimaleRust = waarden.MinimaleRust;
}

// Every record of the list and of the kept deleted ones, by address, taken out of both.
template <typename T>
std::unordered_map<const T*, std::unique_ptr<T>> NeemAlles(std::vector<std::unique_ptr<T>>& lijst,
                                                           std::vector<std::unique_ptr<T>>& verwijderd)
{
    std::unordered_map<const T*, std::unique_ptr<T>> alles;
    alles.reserve(lijst.size() + verwijderd.size());
    for (auto* bron : {&lijst, &verwijderd}) {
        for (auto& record : *bron) {
            const T* sleutel = record.get();
            alles.emplace(sleutel, std::move(record));
        }
        bron->clear();
    }
    return alles;
}

// The record at that address, taken out of the map; empty when there is none.
template <typename T>
std::unique_ptr<T> Neem(std::unordered_map<const T*, std::unique_ptr<T>>& alles, const T* record)
{
    const auto plek = alles.find(record);
    if (plek == alles.end())
        return {};
    std::unique_ptr<T> gevonden = std::move(plek->second);
    alles.erase(plek);
    return gevonden;
}

bool ZelfdeTeam(const ToernooiToestand::TTeam& a, const ToernooiToestand::TTeam& b)
{
    return a.Record == b.Record && std::all_of(std::begin(TeamVelden), std::end(TeamVelden), [&](auto veld) {
               return a.Waarden.*veld == b.Waarden.*veld;
           });
}

bool ZelfdePoule(const ToernooiToestand::TPouleStand& a, const ToernooiToestand::TPouleStand& b)
{
    const TPouleDetails& x = a.Waarden;
    const TPouleDetails& y = b.Waarden;
    return a.Record == b.Record && a.Teams == b.Teams && x.PouleNaam == y.PouleNaam
           && x.CompetitieType == y.CompetitieType && x.KruisPoule == y.KruisPoule
           && x.KruisPouleNaam == y.KruisPouleNaam
           && x.KruisPouleCompetitieType == y.KruisPouleCompetitieType
           && x.MinimaleRust == y.MinimaleRust;
}

} // namespace

bool ToernooiToestand::IsGelijk(const ToernooiToestand& ander) const
{
    return std::equal(Teams.begin(), Teams.end(), ander.Teams.begin(), ander.Teams.end(), ZelfdeTeam)
           && std::equal(Poules.begin(), Poules.end(), ander.Poules.begin(), ander.Poules.end(),
                         ZelfdePoule)
           && Velden == ander.Velden && ToernooiNaam == ander.ToernooiNaam
           && StartDatum == ander.StartDatum && AantalDelen == ander.AantalDelen
           && DelenPerDag == ander.DelenPerDag && DagTijden == ander.DagTijden
           && GewoneVelden == ander.GewoneVelden && SpecialeVelden == ander.SpecialeVelden
           && Duur == ander.Duur && Pauze == ander.Pauze && Lettertypen == ander.Lettertypen
           && Uitslagen == ander.Uitslagen && SchemaIndeling == ander.SchemaIndeling
           && Uitloop == ander.Uitloop && Scheidsrechters == ander.Scheidsrechters;
}

ToernooiToestand ToernooiModel::Toestand() const
{
    ToernooiToestand toestand;
    toestand.Teams.reserve(m_teams.size());
    for (const auto& team : m_teams)
        toestand.Teams.push_back({team.get(), Waarden(*team)});
    toestand.Poules.reserve(m_poules.size());
    for (const auto& poule : m_poules)
        toestand.Poules.push_back({poule.get(), Waarden(*poule->Details), poule->Teams});
    toestand.Velden = m_velden;
    toestand.ToernooiNaam = m_toernooiNaam;
    toestand.StartDatum = m_startDatum;
    toestand.AantalDelen = m_aantalDelen;
    toestand.DelenPerDag = m_delenPerDag;
    toestand.DagTijden = m_dagTijden;
    toestand.GewoneVelden = m_gewoneVelden;
    toestand.SpecialeVelden = m_specialeVelden;
    toestand.Duur = m_duur;
    toestand.Pauze = m_pauze;
    toestand.Lettertypen = m_lettertypen;
    toestand.Uitslagen = m_uitslagen;
    toestand.SchemaIndeling = m_schemaIndeling;
    toestand.Uitloop = m_uitloop;
    toestand.Scheidsrechters = m_scheidsrechters;
    return toestand;
}

void ToernooiModel::HerstelToestand(const ToernooiToestand& toestand)
{
    // Only what differs is announced, so that a window rebuilds no more than it must.
    const ToernooiToestand voor = Toestand();
    auto teams = NeemAlles(m_teams, m_verwijderdeTeams);
    auto poules = NeemAlles(m_poules, m_verwijderdePoules);
    for (const ToernooiToestand::TTeam& team : toestand.Teams) {
        auto record = Neem(teams, static_cast<const TTeamDetails*>(team.Record));
        Q_ASSERT(record);
        if (!record)
            continue;
        ZetWaarden(*record, team.Waarden);
        m_teams.push_back(std::move(record));
    }
    for (const ToernooiToestand::TPouleStand& poule : toestand.Poules) {
        auto record = Neem(poules, static_cast<const TPoule*>(poule.Record));
        Q_ASSERT(record);
        if (!record)
            continue;
        ZetWaarden(*record->Details, poule.Waarden);
        record->Teams = poule.Teams;
        m_poules.push_back(std::move(record));
    }
    for (auto& [adres, record] : teams)
        m_verwijderdeTeams.push_back(std::move(record));
    for (auto& [adres, record] : poules)
        m_verwijderdePoules.push_back(std::move(record));

    m_velden = toestand.Velden;
    m_toernooiNaam = toestand.ToernooiNaam;
    m_startDatum = toestand.StartDatum;
    m_aantalDelen = toestand.AantalDelen;
    m_delenPerDag = toestand.DelenPerDag;
    m_dagTijden = toestand.DagTijden;
    m_gewoneVelden = toestand.GewoneVelden;
    m_specialeVelden = toestand.SpecialeVelden;
    m_duur = toestand.Duur;
    m_pauze = toestand.Pauze;
    m_lettertypen = toestand.Lettertypen;
    m_uitslagen = toestand.Uitslagen;
    m_schemaIndeling = toestand.SchemaIndeling;
    m_uitloop = toestand.Uitloop;
    m_scheidsrechters = toestand.Scheidsrechters;

    const bool andereTeams = !std::equal(voor.Teams.begin(), voor.Teams.end(), toestand.Teams.begin(),
                                   toestand.Teams.end(), ZelfdeTeam);
    const bool anderePoules = !std::equal(voor.Poules.begin(), voor.Poules.end(), toestand.Poules.begin(),
                                    toestand.Poules.end(), ZelfdePoule);
    const bool instellingen =
        std::tie(voor.ToernooiNaam, voor.StartDatum, voor.AantalDelen, voor.DelenPerDag,
                 voor.DagTijden, voor.GewoneVelden, voor.SpecialeVelden, voor.Duur, voor.Pauze,
                 voor.Uitloop)
        != std::tie(toestand.ToernooiNaam, toestand.StartDatum, toestand.AantalDelen,
                    toestand.DelenPerDag, toestand.DagTijden, toestand.GewoneVelden,
                    toestand.SpecialeVelden, toestand.Duur, toestand.Pauze, toestand.Uitloop);
    const bool velden = !(voor.Velden == toestand.Velden);
    if (andereTeams)
        emit teamsVeranderd();
    if (anderePoules)
        emit poulesVeranderd();
    if (instellingen)
        emit instellingenVeranderd();
    if (instellingen || velden) {
        emit rondenVeranderd();
        emit veldGebruikVeranderd();
    }
    if (!(voor.Lettertypen == toestand.Lettertypen))
        emit lettertypenVeranderd();
    if (!(voor.Uitslagen == toestand.Uitslagen))
        emit uitslagenVeranderd();
    if (!(voor.SchemaIndeling == toestand.SchemaIndeling))
        emit schemaIndelingVeranderd();
    if (!(voor.Uitloop == toestand.Uitloop))
        emit uitloopVeranderd();
    if (!(voor.Scheidsrechters == toestand.Scheidsrechters))
        emit scheidsrechtersVeranderd();
    emit veranderd();
}

void ToernooiModel::VergeetVerwijderde()
{
    m_verwijderdeTeams.clear();
    m_verwijderdePoules.clear();
}
