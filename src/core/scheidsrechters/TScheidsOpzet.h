#pragma once

#include "core/model/TScheidsrechters.h"

#include <QHash>
#include <QString>
#include <vector>

class ToernooiModel;
struct TSchemaBoom;

// A schedule as the referee rules see it: its matches with their place, teams and poules, the
// referees with what they are, and per team and poule the rounds in which they play. Read once
// from the tournament, its schedule tree (whatever made it) and its referee settings; the
// rules, the assignment and the keeping of an assignment work on indices into it.
class TScheidsOpzet
{
public:
    struct TWedstrijd
    {
        int Ronde = 0;
        int Veld = 0;
        int Keer = 1;
        QString Tekst;
        int Team1 = -1; // the teams of a poule match (index in Teams); -1 for a cross match
        int Team2 = -1;
        int Poule1 = -1; // a poule match: its poule twice; a cross match: the two poules of the pair
        int Poule2 = -1;
        bool Kruis = false;
    };
    struct TTeam
    {
        QString Naam;
        int Poule = -1;
        int Club = -1; // clubs numbered by name, letter case ignored; -1 without a club
    };
    struct TFluiter
    {
        QString Naam;
        int Team = -1; // -1 for a named referee
        QList<int> Afwezig;
    };

    TScheidsOpzet(const ToernooiModel& model, const TSchemaBoom& schema, const TScheidsrechters& regels);

    [[nodiscard]] const TScheidsrechters& Regels() const { return m_regels; }
    [[nodiscard]] const std::vector<TWedstrijd>& Wedstrijden() const { return m_wedstrijden; }
    [[nodiscard]] const std::vector<TTeam>& Teams() const { return m_teams; }
    // The referees: the teams that referee in poule order, then the named referees; each name
    // once (the first of a name).
    [[nodiscard]] const std::vector<TFluiter>& Fluiters() const { return m_fluiters; }
    [[nodiscard]] const QStringList& PouleNamen() const { return m_pouleNamen; }
    // One more than the last round of the schedule, so that round + 1 may always be asked.
    [[nodiscard]] int Ronden() const { return m_ronden; }

    // The referee of that name, or -1.
    [[nodiscard]] int Fluiter(const QString& naam) const { return m_fluiterVanNaam.value(naam, -1); }
    // The match with that text and Keer, or -1.
    [[nodiscard]] int Wedstrijd(const QString& tekst, int keer) const
    {
        return m_wedstrijdVanTekst.value({tekst, keer}, -1);
    }

    // The team plays a match of its own poule in the round.
    [[nodiscard]] bool SpeeltEigen(int team, int ronde) const { return VeldVan(team, ronde) > 0; }
    // The field of the team's own match in the round, 0 when it plays none there.
    [[nodiscard]] int VeldVan(int team, int ronde) const;
    // The poule has a cross match in the round, in which any of its teams may play.
    [[nodiscard]] bool KruisIn(int poule, int ronde) const;
    // The team may play in the round: an own match, or a cross match of its poule.
    [[nodiscard]] bool Bezet(int team, int ronde) const
    {
        return SpeeltEigen(team, ronde) || KruisIn(m_teams[std::size_t(team)].Poule, ronde);
    }
    // The last round with a match of the poule's own competition; 0 when it has none.
    [[nodiscard]] int LaatsteEigen(int poule) const { return m_laatsteEigen[std::size_t(poule)]; }
    [[nodiscard]] bool Afwezig(int fluiter, int ronde) const;

private:
    TScheidsrechters m_regels;
    std::vector<TWedstrijd> m_wedstrijden;
    std::vector<TTeam> m_teams;
    std::vector<TFluiter> m_fluiters;
    QStringList m_pouleNamen;
    int m_ronden = 1;
    std::vector<int> m_veldVan;       // per team, per round
    std::vector<char> m_kruisIn;      // per poule, per round
    std::vector<char> m_afwezig;      // per referee, per round
    std::vector<int> m_laatsteEigen;  // per poule
    QHash<QString, int> m_fluiterVanNaam;
    QHash<std::pair<QString, int>, int> m_wedstrijdVanTekst;
};
