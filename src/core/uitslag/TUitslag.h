#pragma once

#include <QList>
#include <QString>

// The result of one match, keyed by the match text (the slot text after "Veld f: ") and Keer:
// 1 for the first match of the schedule with that text, 2 for the second (a full competition
// names a pair twice with the same text). Beslist is 0, or 1 / 2 when a level cross match was
// won by its first / second side.
//
// A cross match names its sides by place ("Nummer 1 Poule A", "Winnaar Kr. AB1"), so the
// teams behind a side can change when an earlier result does. Its result therefore keeps the
// names of the two teams that played it (Team1, Team2), once they were known: it counts only
// for those teams. Empty for a poule match, and for a result entered before its sides were
// known.
struct TUitslag
{
    // A score is 0..MaxDoelpunten: the results window takes no more and the reader keeps a
    // line with more as unreadable, so no sum of the standings comes near overflow.
    static constexpr int MaxDoelpunten = 999;

    int Keer = 1;
    int Doelpunten1 = 0;
    int Doelpunten2 = 0;
    int Beslist = 0;
    QString Wedstrijd;
    QString Team1;
    QString Team2;

    [[nodiscard]] bool HeeftTeams() const { return !Team1.isEmpty() || !Team2.isEmpty(); }

    friend bool operator==(const TUitslag&, const TUitslag&) = default;
};

// Points for a win, a draw and a loss, each 0..Max.
struct TPunten
{
    static constexpr int Max = 99;

    int Winst = 3;
    int Gelijk = 1;
    int Verlies = 0;

    friend bool operator==(const TPunten&, const TPunten&) = default;
};

// The order that settles ties no rule can break: positions of the poule's teams (1 = first
// team in the poule's order), for the poule of that exact name.
struct TLoting
{
    QString Poule;
    QList<int> Posities;

    friend bool operator==(const TLoting&, const TLoting&) = default;
};
