#pragma once

#include "core/model/TKruisWedstrijd.h"
#include "core/uitslag/PouleStand.h"
#include "core/uitslag/TUitslag.h"
#include "core/uitslag/TUitslagen.h"

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
    // A cross match: the index of its linked pair, and what it is and its sides as the
    // schedule's record has them.
    int Paar = -1;
    std::optional<TKruisWedstrijd> Kruis;

    // The result kept for this match, and the result that counts: the same, except for a
    // cross match whose result was played by other teams than its sides now have (it is then
    // lapsed and counts for no one), and that the counted one carries a decision (Beslist)
    // only for a cross match with a level score.
    std::optional<TUitslag> Opgeslagen;
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

// A played cross match that a change of the results would give other teams: the teams that
// played it and its sides after the change (nullptr where unknown).
struct TGevolg
{
    int Wedstrijd = 0;
    const TTeamDetails* Voor1 = nullptr;
    const TTeamDetails* Voor2 = nullptr;
    const TTeamDetails* Na1 = nullptr;
    const TTeamDetails* Na2 = nullptr;
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
    // Results that count for no match: their match is not in this schedule, their cross
    // match now has other teams than the ones that played it, or they were set aside; and
    // result lines that could not be read.
    [[nodiscard]] const std::vector<TUitslag>& Vervallen() const { return m_vervallen; }
    [[nodiscard]] const QStringList& Onleesbaar() const;

    // The team at place k (from 1) of a poule's final standings: known once the standings are
    // final and the place is not marked equal.
    [[nodiscard]] const TTeamDetails* Nummer(int poule, int k) const;
    // The match text with every known placeholder replaced by the team's name.
    [[nodiscard]] QString IngevuldeTekst(int wedstrijd) const;

    // The played cross matches that would get other teams if the match had this result (or
    // none), or if the results were those of kandidaat (a change of the points or the lot
    // orders). Nothing is changed.
    [[nodiscard]] std::vector<TGevolg> GevolgenVanUitslag(int wedstrijd,
                                                          const std::optional<TUitslag>& uitslag);
    [[nodiscard]] std::vector<TGevolg> GevolgenVan(const TUitslagen& kandidaat);

    // Enters, changes (uitslag) or removes (none) the result of a match: the model is changed
    // (setting Gewijzigd) and what depends on the match recomputed. Keer and Wedstrijd of the
    // result are taken from the match; Beslist is kept only for a level cross match; a cross
    // match whose teams are known keeps their names with its result. The played cross matches
    // that get other teams by it (gevolgen, as GevolgenVanUitslag gives them) keep the teams
    // that played them, so their results lapse instead of counting for others; a lapsed result
    // in the match's own place is set aside, never overwritten.
    void ZetUitslag(int wedstrijd, const std::optional<TUitslag>& uitslag);
    void ZetUitslag(int wedstrijd, const std::optional<TUitslag>& uitslag,
                    const std::vector<TGevolg>& gevolgen);
    // Replaces all results (a change of the points or the lot orders), the played cross
    // matches in gevolgen keeping the teams that played them.
    void Vervang(TUitslagen kandidaat, const std::vector<TGevolg>& gevolgen,
                 QStringView naam = u"uitslagen wijzigen");
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
    // After a change of one match's kept result: what depends on it.
    void Herbereken(int wedstrijd);
    // The cross matches with a result that counts and both teams known, as consequences
    // before a change (Na still empty); and those of them whose sides now differ.
    [[nodiscard]] std::vector<TGevolg> Gespeeld() const;
    [[nodiscard]] std::vector<TGevolg> Verschoven(std::vector<TGevolg> gespeeld) const;
    // The result as it is kept for the match: its text, Keer, decision and teams.
    [[nodiscard]] std::optional<TUitslag> AlsOpgeslagen(int wedstrijd,
                                                        std::optional<TUitslag> uitslag) const;
    // Binds the results of the consequences to the teams that played them.
    static bool Bind(TUitslagen& uitslagen, const TDagWedstrijd& w, const TGevolg& gevolg);
    [[nodiscard]] const TTeamDetails* KantTeam(const TKruisKant& kant, int paar,
                                               int wedstrijd) const;

    ToernooiModel& m_model;
    // The results computed with: the model's, or a candidate while its consequences are
    // worked out.
    const TUitslagen* m_bron = nullptr;
    std::vector<TDagWedstrijd> m_wedstrijden;
    std::vector<std::vector<int>> m_eigen; // per poule: its own matches
    std::vector<TPouleStand> m_standen;
    std::vector<bool> m_eersteMetNaam; // per poule: no earlier poule has its name
    std::vector<TDagPaar> m_paren;
    std::vector<int> m_kruisVolgorde;     // the cross matches in schedule order
    QHash<qint64, int> m_kruisen;         // (pair, k of a crossing match) -> its match
    std::vector<TUitslag> m_nietInSchema; // results whose match is not in this schedule
    std::vector<TUitslag> m_vervallen;
};
