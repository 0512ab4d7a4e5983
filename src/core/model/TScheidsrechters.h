#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <tuple>

// Which teams referee: none, every team, or the teams of the chosen poules.
enum class TScheidsTeams { Geen, Alle, Poules };

// Which matches a team referees: any, only those of its own poule, only those of other poules.
enum class TScheidsPoules { Alle, EigenPoule, AnderePoules };

// The preference around a team's own matches: none, no duty in the round just before or after
// one, or the reverse: the team that just played on a field stays on to referee the next match
// there.
enum class TScheidsRust { Geen, NietErvoorOfErna, BlijftOpVeld };

// A referee who is no team: a name and the rounds in which the referee is not there.
struct TScheidsPersoon
{
    QString Naam;
    QList<int> Afwezig;
    friend bool operator==(const TScheidsPersoon&, const TScheidsPersoon&) = default;
};

// The referee of one match. The match is named as the results and the kept schedule name it:
// round, field, Keer and its text.
struct TScheidsToewijzing
{
    int Ronde = 0;
    int Veld = 0;
    int Keer = 1;
    QString Tekst;
    QString Naam;
    friend bool operator==(const TScheidsToewijzing&, const TScheidsToewijzing&) = default;
};

// Schedule order (round, field), then the rest, so that one list has one order: the model keeps
// its list so, as the file gives it back.
inline void SorteerToewijzingen(QList<TScheidsToewijzing>& toewijzingen)
{
    std::sort(toewijzingen.begin(), toewijzingen.end(), [](const TScheidsToewijzing& a, const TScheidsToewijzing& b) {
        return std::tie(a.Ronde, a.Veld, a.Keer, a.Tekst, a.Naam) < std::tie(b.Ronde, b.Veld, b.Keer, b.Tekst, b.Naam);
    });
}

// The referee of the match at that place in a list of assignments; empty when it has none.
[[nodiscard]] inline QString ScheidsrechterVan(const QList<TScheidsToewijzing>& toewijzingen, int ronde, int veld,
                                               int keer, const QString& tekst)
{
    for (const TScheidsToewijzing& t : toewijzingen) {
        if (t.Ronde == ronde && t.Veld == veld && t.Keer == keer && t.Tekst == tekst)
            return t.Naam;
    }
    return {};
}

// The duties of one referee in a list of assignments, in its order.
[[nodiscard]] inline QList<TScheidsToewijzing> TakenVan(const QList<TScheidsToewijzing>& toewijzingen,
                                                        const QString& naam)
{
    QList<TScheidsToewijzing> taken;
    for (const TScheidsToewijzing& t : toewijzingen) {
        if (t.Naam == naam)
            taken.append(t);
    }
    return taken;
}

// The referees of a tournament: who referees, the rules that are preferences, and the
// assignment in schedule order. Empty (all defaults): the tournament has no referees and its
// file holds nothing of them.
struct TScheidsrechters
{
    TScheidsTeams Teams = TScheidsTeams::Geen;
    QStringList Poules; // with Teams == Poules: the poules whose teams referee, by name
    QList<TScheidsPersoon> Personen;
    TScheidsPoules Wedstrijden = TScheidsPoules::Alle;
    TScheidsRust Rust = TScheidsRust::Geen;
    bool NietEigenClub = false;
    QList<TScheidsToewijzing> Toewijzingen;

    [[nodiscard]] bool Leeg() const { return *this == TScheidsrechters{}; }
    // Whether anyone referees at all.
    [[nodiscard]] bool HeeftScheidsrechters() const
    {
        return Teams != TScheidsTeams::Geen || !Personen.isEmpty();
    }

    // The referee of the match at that place; empty when it has none.
    [[nodiscard]] QString Naam(int ronde, int veld, int keer, const QString& tekst) const
    {
        return ScheidsrechterVan(Toewijzingen, ronde, veld, keer, tekst);
    }
    // The duties of one referee, in schedule order.
    [[nodiscard]] QList<TScheidsToewijzing> Taken(const QString& naam) const { return TakenVan(Toewijzingen, naam); }

    friend bool operator==(const TScheidsrechters&, const TScheidsrechters&) = default;
};
