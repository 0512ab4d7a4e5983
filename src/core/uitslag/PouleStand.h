#pragma once

#include "core/uitslag/TUitslag.h"

#include <QList>
#include <QtGlobal>
#include <optional>
#include <vector>

// One played own match of a poule, by the positions of its teams in the poule (from 0).
struct TGespeeld
{
    int Team1 = 0;
    int Team2 = 0;
    int Doelpunten1 = 0;
    int Doelpunten2 = 0;
};

// One line of a poule's standings.
struct TStandRegel
{
    int Team = 0; // position in the poule, from 0
    int Gespeeld = 0;
    int Gewonnen = 0;
    int Gelijk = 0;
    int Verloren = 0;
    // Sums over every match of the team: wider than a score, so no sum can overflow.
    qint64 Voor = 0;
    qint64 Tegen = 0;
    qint64 Punten = 0;
    // Equal to another team on every rule: its place is settled by the poule order alone and
    // a lot is still to be drawn. Never set while the poule has played nothing.
    bool GelijkMerk = false;
    // Equal on every rule but the lot to the line before it, with or without a lot order: the
    // lot decides between the two.
    bool GelijkAanVorige = false;

    [[nodiscard]] qint64 Saldo() const { return Voor - Tegen; }
};

// The standings of a poule, best first; final when every own match has a result.
struct TPouleStand
{
    std::vector<TStandRegel> Regels;
    bool Definitief = false;
};

// The standings of a poule of aantalTeams teams from its played own matches. Order: points,
// goal difference, goals for; then, among the teams equal on those three, the same three
// numbers over the matches between just those teams; then the lot order (teams it does not
// list after those it lists, in poule order) or else the poule order, in which case teams
// equal on all six numbers are marked.
[[nodiscard]] TPouleStand BerekenStand(int aantalTeams, const std::vector<TGespeeld>& gespeeld,
                                       const TPunten& punten,
                                       const std::optional<QList<int>>& loting);
