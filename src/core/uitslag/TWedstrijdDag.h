#pragma once

#include "uitslag/KruisTekst.h"
#include "uitslag/PouleStand.h"
#include "uitslag/TUitslag.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class ToernooiModel;
struct TSchemaBoom;
struct TTeamDetails;

// One match of the built schedule on the match day.
struct TDagWedstrijd
{
    int Ronde = 0; // index of the round entry in the schedule tree
    int Veld = 0;  // index of the slot entry in its round
    QString Tekst; // the slot text after "Veld f: "
    int Keer = 1;
    // A poule match: the poule's index and the teams' positions in it.
    int Poule = -1;
    int Team1 = -1;
    int Team2 = -1;
    // A cross match: the index of its linked pair and its parts.
    int Paar = -1;
    std::optional<TKruisTekst> Kruis;

    std::optional<TUitslag> Uitslag;
    // A cross match: the teams of its sides as far as known, and the side that won (1 or 2;
    // 0 while unknown).
    const TTeamDetails* Kant1 = nullptr;
    const TTeamDetails* Kant2 = nullptr;
    int Winnaar = 0;

    [[nodiscard]] bool IsKruis() const { return Poule < 0; }
};

// One place of a linked pair's final ranking ("Eindstand").
struct TEindPlaats
{
    int Plaats = 0;
    const TTeamDetails* Team = nullptr;
};

// Two linked poules (by index, lower first) with their cross matches and final ranking.
struct TDagPaar
{
    int Poule1 = 0;
    int Poule2 = 0;
    std::vector<int> Wedstrijden;
    std::vector<TEindPlaats> Eindstand;
};

// The match day of one built schedule: every match with its result, the standings of every
// poule and the placeholders of the cross matches filled in as far as the results allow.
//
// It refers to the model and the schedule tree it was made from and must be made again after
// a rebuild or any change of the poules. Entering a result recomputes only what depends on
// it: the standings of that match's poule and the cross matches.
class TWedstrijdDag
{
public:
    TWedstrijdDag(ToernooiModel& model, const TSchemaBoom& boom);

    [[nodiscard]] const ToernooiModel& Model() const { return m_model; }
    [[nodiscard]] const std::vector<TDagWedstrijd>& Wedstrijden() const { return m_wedstrijden; }
    [[nodiscard]] const TPouleStand& Stand(int poule) const { return m_standen[std::size_t(poule)]; }
    [[nodiscard]] const std::vector<TDagPaar>& Paren() const { return m_paren; }
    // Results whose match is not in this schedule, and result lines that could not be read.
    [[nodiscard]] const std::vector<TUitslag>& Vervallen() const { return m_vervallen; }
    [[nodiscard]] const QStringList& Onleesbaar() const;

    // The team at place k (from 1) of a poule's final standings: known once the standings are
    // final and the place is not marked equal.
    [[nodiscard]] const TTeamDetails* Nummer(int poule, int k) const;
    // The match text with every known placeholder replaced by the team's name.
    [[nodiscard]] QString IngevuldeTekst(int wedstrijd) const;

    // Enters, changes (uitslag) or removes (none) the result of a match: the model is changed
    // (setting Gewijzigd) and what depends on the match recomputed. Keer and Wedstrijd of the
    // result are taken from the match; Beslist is kept only for a level cross match.
    void ZetUitslag(int wedstrijd, const std::optional<TUitslag>& uitslag);
    // Reads every result, the points and the lot orders from the model again.
    void LeesUitslagen();
    // The lot order that moves line regel of a poule's standings one place up (richting -1)
    // or down (+1): the whole standings order with the two lines swapped, as positions in
    // the poule from 1. None when the neighbour is not equal to it on every rule but the lot,
    // or when a lot line cannot count for the poule (an earlier poule has its name).
    [[nodiscard]] std::optional<QList<int>> VerschuifLoting(int poule, int regel,
                                                            int richting) const;

private:
    void BerekenPoule(int poule);
    void BerekenKruis();
    [[nodiscard]] const TTeamDetails* KantTeam(const TKruisKant& kant, int paar,
                                               int wedstrijd) const;

    ToernooiModel& m_model;
    std::vector<TDagWedstrijd> m_wedstrijden;
    std::vector<std::vector<int>> m_eigen; // per poule: its own matches
    std::vector<TPouleStand> m_standen;
    std::vector<TDagPaar> m_paren;
    std::vector<int> m_kruisVolgorde;     // the cross matches in schedule order
    QHash<QString, int> m_kruisen;        // "Kr. L1L2k" -> its match
    std::vector<TUitslag> m_vervallen;
};
