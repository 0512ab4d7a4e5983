#include "core/scheidsrechters/TScheidsOpzet.h"

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"

#include <algorithm>

TScheidsOpzet::TScheidsOpzet(const ToernooiModel& model, const TSchemaBoom& schema, const TScheidsrechters& regels)
    : m_regels(regels)
{
    QHash<const TTeamDetails*, int> teamIndex;
    QHash<const TPouleDetails*, int> pouleIndex;
    QHash<QString, int> clubs;
    const auto& poules = model.PouleLijst();
    for (std::size_t p = 0; p < poules.size(); ++p) {
        pouleIndex.insert(poules[p]->Details.get(), int(p));
        m_pouleNamen.append(poules[p]->Details->PouleNaam);
        for (const TTeamDetails* team : poules[p]->Teams) {
            if (teamIndex.contains(team))
                continue;
            const QString club = team->ClubNaam.trimmed().toCaseFolded();
            int clubNummer = -1;
            if (!club.isEmpty())
                clubNummer = *clubs.insert(club, clubs.value(club, int(clubs.size())));
            teamIndex.insert(team, int(m_teams.size()));
            m_teams.push_back({team->TeamNaam, int(p), clubNummer});
        }
    }

    // The matches, with the teams and poules they belong to.
    schema.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails& record,
                                 const QString& tekst, int keer) {
        TWedstrijd w;
        w.Ronde = schema.Ronden[r].Ronde;
        w.Veld = int(v) + 1;
        w.Keer = keer;
        w.Tekst = tekst;
        if (record.Kruis || !record.Team1) {
            w.Kruis = true;
            w.Poule1 = pouleIndex.value(record.Poule1, -1);
            w.Poule2 = record.Poule1 ? pouleIndex.value(record.Poule1->KruisPoule, -1) : -1;
        } else {
            w.Team1 = teamIndex.value(record.Team1, -1);
            w.Team2 = teamIndex.value(record.Team2, -1);
            w.Poule1 = w.Poule2 = pouleIndex.value(record.Poule1, -1);
        }
        m_ronden = std::max(m_ronden, w.Ronde + 1);
        m_wedstrijdVanTekst.insert({tekst, keer}, int(m_wedstrijden.size()));
        m_wedstrijden.push_back(std::move(w));
    });

    const std::size_t ronden = std::size_t(m_ronden);
    m_veldVan.assign(m_teams.size() * ronden, 0);
    m_kruisIn.assign(poules.size() * ronden, 0);
    m_laatsteEigen.assign(poules.size(), 0);
    for (const TWedstrijd& w : m_wedstrijden) {
        const std::size_t r = std::size_t(w.Ronde);
        if (w.Kruis) {
            for (const int p : {w.Poule1, w.Poule2}) {
                if (p >= 0)
                    m_kruisIn[std::size_t(p) * ronden + r] = 1;
            }
            continue;
        }
        for (const int t : {w.Team1, w.Team2}) {
            if (t >= 0)
                m_veldVan[std::size_t(t) * ronden + r] = w.Veld;
        }
        if (w.Poule1 >= 0)
            m_laatsteEigen[std::size_t(w.Poule1)] = std::max(m_laatsteEigen[std::size_t(w.Poule1)], w.Ronde);
    }

    // The referees: the teams first, in poule order, then the named ones. An assignment names a
    // referee by name, so a name that is taken already (a file may hold two teams of one name)
    // adds no referee.
    const auto voegToe = [this](const QString& naam, int team, const QList<int>& afwezig) {
        if (m_fluiterVanNaam.contains(naam))
            return;
        m_fluiterVanNaam.insert(naam, int(m_fluiters.size()));
        m_fluiters.push_back({naam, team, afwezig});
    };
    for (std::size_t t = 0; t < m_teams.size(); ++t) {
        const TTeam& team = m_teams[t];
        if (regels.Teams == TScheidsTeams::Alle
            || (regels.Teams == TScheidsTeams::Poules && regels.Poules.contains(m_pouleNamen[team.Poule])))
            voegToe(team.Naam, int(t), {});
    }
    for (const TScheidsPersoon& persoon : regels.Personen)
        voegToe(persoon.Naam, -1, persoon.Afwezig);
    m_afwezig.assign(m_fluiters.size() * ronden, 0);
    for (std::size_t f = 0; f < m_fluiters.size(); ++f) {
        for (const int ronde : std::as_const(m_fluiters[f].Afwezig)) {
            if (ronde >= 0 && ronde < m_ronden)
                m_afwezig[f * ronden + std::size_t(ronde)] = 1;
        }
    }
}

int TScheidsOpzet::VeldVan(int team, int ronde) const
{
    if (team < 0 || ronde < 0 || ronde >= m_ronden)
        return 0;
    return m_veldVan[std::size_t(team) * std::size_t(m_ronden) + std::size_t(ronde)];
}

bool TScheidsOpzet::KruisIn(int poule, int ronde) const
{
    if (poule < 0 || ronde < 0 || ronde >= m_ronden)
        return false;
    return m_kruisIn[std::size_t(poule) * std::size_t(m_ronden) + std::size_t(ronde)] != 0;
}

bool TScheidsOpzet::Afwezig(int fluiter, int ronde) const
{
    if (ronde < 0 || ronde >= m_ronden)
        return false;
    return m_afwezig[std::size_t(fluiter) * std::size_t(m_ronden) + std::size_t(ronde)] != 0;
}
