#pragma once

#include "core/model/TDagDeel.h"
#include "core/model/TLettertype.h"
#include "core/model/TPoule.h"
#include "core/model/TSchemaIndeling.h"
#include "core/model/TUitloop.h"
#include "core/model/TScheidsrechters.h"
#include "core/model/TTeamDetails.h"
#include "core/model/ToernooiToestand.h"
#include "core/model/VeldenEnRonden.h"
#include "core/uitslag/TUitslagen.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

// Outcome of an editing operation that may be refused. A refusal changes nothing; Fout holds
// the Dutch message for a "Fout" box, or is empty when the operation silently did nothing.
template<typename T>
struct TToevoegUitkomst
{
    T* Nieuw = nullptr;
    QString Fout;
};

// The one tournament of a run: settings, teams, poules with their teams, the partner list,
// the field usage table and the state flags. Every change goes through the operations below,
// which keep the invariants (unique team names ignoring case, a team in at most one poule,
// the partner list in step with the poules) and set Gewijzigd only when a value really changes.
class ToernooiModel : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinAantalDelen = 1;
    static constexpr int MaxAantalDelen = 31;
    static constexpr int MinDelenPerDag = 1;
    static constexpr int MaxDelenPerDag = 300;
    static constexpr int MinGewoneVelden = 1;
    static constexpr int MaxGewoneVelden = 300;
    static constexpr int MinSpecialeVelden = 0;
    static constexpr int MaxSpecialeVelden = 300;
    static constexpr int MinMinimaleRust = 0;
    static constexpr int MaxMinimaleRust = 300;
    // The match duration and the pause, in minutes; the bound keeps the clock arithmetic of
    // the round headers far from overflow.
    static constexpr int MinMinuten = 0;
    static constexpr int MaxMinuten = 9999;

    using TeamLijstType = std::vector<std::unique_ptr<TTeamDetails>>;
    using PouleLijstType = std::vector<std::unique_ptr<TPoule>>;

    explicit ToernooiModel(QObject* parent = nullptr);
    ~ToernooiModel() override;

    // --- Teams and poules ---------------------------------------------------------------
    [[nodiscard]] const TeamLijstType& TeamLijst() const { return m_teams; }
    [[nodiscard]] const PouleLijstType& PouleLijst() const { return m_poules; }
    [[nodiscard]] int TeamIndex(const TTeamDetails* team) const;
    [[nodiscard]] int PouleIndex(const TPouleDetails* poule) const;
    // The poule that holds the team, or nullptr when it is in none.
    [[nodiscard]] TPoule* PouleVanTeam(const TTeamDetails* team) const;
    // The first poule in tree order whose name equals the text exactly.
    [[nodiscard]] TPouleDetails* ZoekPoule(const QString& naam) const;
    // "Geen" followed by the poule names in tree order.
    [[nodiscard]] QStringList KruisPouleLijst() const;
    // Positions in that list: 0 for "Geen" (nullptr), otherwise the poule's index + 1.
    [[nodiscard]] int KruisPositie(const TPouleDetails* poule) const;
    [[nodiscard]] TPouleDetails* PouleOpKruisPositie(int positie) const;
    // For each poule of the list the index of its partner in it, or -1 without one; worked
    // out once for all poules.
    [[nodiscard]] static std::vector<int> PartnerIndexen(const PouleLijstType& poules);
    // One row per team of TeamLijst: the name of its poule, or empty.
    [[nodiscard]] QStringList TeamsInPoule() const;

    // Refused with "Team naam bestaat al." when a team of that name exists in any letter
    // case; an empty name adds nothing and says nothing.
    TToevoegUitkomst<TTeamDetails> VoegTeamToe(const QString& naam);
    // Refused with "Poule naam bestaat al." when the name equals, letter case included, the
    // text of any entry of the poule tree (poules and the teams in them).
    TToevoegUitkomst<TPouleDetails> VoegPouleToe(const QString& naam);
    // Many teams in one step, for an imported list: every record with its details, names
    // without control characters. A name that is empty or exists (in any letter case, also
    // earlier in the list) is left out: nullptr in its place. One teamsVeranderd.
    QList<TTeamDetails*> VoegTeamsToe(const QList<const TTeamDetails*>& teams);
    // Many poules in one step, after the existing ones; a name refused by VoegPouleToe is
    // left out. One poulesVeranderd.
    void VoegPoulesToe(const QStringList& namen);
    // Puts teams that are in no poule at the end of the poules given, in this order. One
    // poulesVeranderd.
    void VoegToeAanPoules(const QList<std::pair<TTeamDetails*, TPouleDetails*>>& plaatsing);
    // Removes the teams from every poule and discards their records.
    void VerwijderTeams(const QList<TTeamDetails*>& teams);
    // Removes a poule; its teams stay in the team list, links to it are cleared and the links
    // behind it renumbered so that they keep naming the same poules.
    void VerwijderPoule(int pouleIndex);
    // Takes one team entry out of its poule.
    void VerwijderTeamUitPoule(int pouleIndex, int teamIndex);
    // Takes all teams out of a poule.
    void HaalTeamsUitPoule(int pouleIndex);
    // Puts the teams (in the given order) at the end of the poule, taking each out of any
    // poule it was in first.
    void ZetTeamsInPoule(int pouleIndex, const QList<TTeamDetails*>& teams);
    // Replaces all poules and teams at once; the teams are sorted into the team list. Used by
    // the loader after it has read a whole file.
    void VervangPoulesEnTeams(PouleLijstType poules, TeamLijstType teams);
    // Discards all poules and teams; settings and flags stay.
    void LeegPoulesEnTeams();

    // Writes the editable details into a record; Gewijzigd is set when any of them differs.
    void ZetTeamDetails(TTeamDetails* team, const TTeamDetails& waarden);
    void ZetPouleDetails(TPouleDetails* poule, TCompetitieType competitie, TPouleDetails* kruisPoule,
                         TKruisPouleCompetitieType kruisType, int minimaleRust);

    // --- Cross-poule links --------------------------------------------------------------
    // The poule an entry of the partner list stands for: the first poule of that name, or
    // nullptr ("Geen", or no poule of that name).
    [[nodiscard]] TPouleDetails* ZoekKruisKeuze(int keuze) const;
    // Links the chosen poule (the entry at position keuze of the partner list) to the shown
    // one. When the chosen poule has a partner already, verbreekBestaande says whether that
    // link may be broken. Returns the position the selector shows afterwards.
    int KiesKruisPoule(TPouleDetails* getoond, int keuze, bool verbreekBestaande);
    // Copies the cross match type to the poule at position keuze of the partner list.
    void ZetKruisPouleTypeVanPartner(int keuze, TKruisPouleCompetitieType type);

    // --- Settings -----------------------------------------------------------------------
    [[nodiscard]] QString ToernooiNaam() const { return m_toernooiNaam; }
    [[nodiscard]] QString StartDatum() const { return m_startDatum; }
    [[nodiscard]] int AantalDelen() const { return m_aantalDelen; }
    [[nodiscard]] int AantalDelenPerDag() const { return m_delenPerDag; }
    [[nodiscard]] const TDagTijden& DagTijden() const { return m_dagTijden; }
    [[nodiscard]] int GewoneVelden() const { return m_gewoneVelden; }
    [[nodiscard]] int SpecialeVelden() const { return m_specialeVelden; }
    [[nodiscard]] int AantalVelden() const { return m_gewoneVelden + m_specialeVelden; }
    [[nodiscard]] int DuurWedstrijd() const { return m_duur; }
    [[nodiscard]] int Pauze() const { return m_pauze; }

    void ZetToernooiNaam(const QString& naam);
    void ZetStartDatum(const QString& datum);
    // A change of either refills every day part with the default pattern.
    void ZetAantalDelen(int aantal);
    void ZetAantalDelenPerDag(int aantal);
    // rij counts from 1; kolom is 1 (begin) or 2 (end). The time is normalised first.
    void ZetDagTijd(int rij, int kolom, const QString& tijd);
    // Replaces all day-part rows at once (the reader's "BeginTijd="/"EindTijd=" lines): every
    // time is normalised; on a change Gewijzigd is set and the round headers are rebuilt once.
    void ZetDagDelen(const TDagTijden& delen);
    // The typed value is checked against the other count before it is brought into range,
    // so 0 ordinary fields without special fields gives one special field.
    void ZetGewoneVelden(int aantal);
    void ZetSpecialeVelden(int aantal);
    void ZetDuurWedstrijd(int minuten);
    void ZetPauze(int minuten);

    // Rewrites the round headers of the field usage table from the day parts, the duration
    // and the pause, as every change of those does; the reader runs it once at its end.
    void VulRondeKoppen();

    // --- Fonts of the schedule view ------------------------------------------------------
    // The model owns the four fonts so that there is one truth for the schedule window, the
    // writer and the reader. A change sets Gewijzigd: fonts are saved with the tournament.
    [[nodiscard]] const TLettertypen& Lettertypen() const { return m_lettertypen; }
    void ZetLettertypen(const TLettertypen& lettertypen);

    // --- Field usage --------------------------------------------------------------------
    [[nodiscard]] const VeldenEnRonden& Velden() const { return m_velden; }
    void WisselVeld(int kolom, int rij);
    void ResetAlleVelden();
    // Every cell of every column available, beyond the shown fields too; used by the loader.
    void ResetAlleCellen();
    void ZetVeldBeschikbaar(int veld, int ronde, bool beschikbaar);

    // --- The kept schedule --------------------------------------------------------------
    // Where the matches stand when the organiser improved the schedule or moved a match;
    // empty for the builder's own schedule. Saved with the tournament; a change sets
    // Gewijzigd. naam names the change as an undo step.
    [[nodiscard]] const TSchemaIndeling& SchemaIndeling() const { return m_schemaIndeling; }
    void ZetSchemaIndeling(TSchemaIndeling indeling, QStringView naam = u"schema wijzigen");

    // --- Delays on the match day ----------------------------------------------------------
    // From a round on, the rounds of its day start later; the round headers carry the moved
    // times, so the view, the printouts, the exports and the quality report follow. Saved
    // with the tournament; a change sets Gewijzigd and is one undo step ("uitloop").
    [[nodiscard]] const TUitloop& Uitloop() const { return m_uitloop; }
    // The delay from round ronde on (1..MaxUitloopRonde) becomes minuten
    // (0..MaxUitloopMinuten; 0 takes it away).
    // False, with nothing changed, for a round or a number of minutes out of range.
    bool ZetUitloop(int ronde, int minuten);
    // Replaces every delay (the reader); entries out of range or repeated are left out.
    void ZetUitloopLijst(const TUitloop& uitloop);
    // --- Referees -------------------------------------------------------------------------
    // Who referees, the rules that are preferences, and which referee has which match. Saved
    // with the tournament; a change sets Gewijzigd. naam names the change as an undo step.
    [[nodiscard]] const TScheidsrechters& Scheidsrechters() const { return m_scheidsrechters; }
    void ZetScheidsrechters(TScheidsrechters scheidsrechters,
                            QStringView naam = u"scheidsrechters wijzigen");

    // --- Match day ----------------------------------------------------------------------
    // Results, points and lot orders belong to the tournament: they are saved with it and a
    // change sets Gewijzigd.
    [[nodiscard]] const TUitslagen& Uitslagen() const { return m_uitslagen; }
    // Replaces them all (the reader).
    void ZetUitslagen(TUitslagen uitslagen, QStringView naam = u"uitslagen vervangen");
    // Applies one change to them; wijziging returns true when it changed something. naam
    // names the change as an undo step ("uitslag invoeren").
    template<typename Wijziging>
    bool WijzigUitslagen(Wijziging wijziging, QStringView naam = u"uitslagen wijzigen")
    {
        Noem(naam);
        if (!wijziging(m_uitslagen))
            return false;
        MaakGewijzigd();
        emit uitslagenVeranderd();
        return true;
    }

    // --- State --------------------------------------------------------------------------
    [[nodiscard]] bool Gewijzigd() const { return m_gewijzigd; }
    void ZetGewijzigd(bool gewijzigd);
    // The name of the first change since the last call, as an undo step names it ("team
    // toevoegen"), and whether typing on in the same field may join it; cleared by the call.
    struct TBewerking
    {
        QString Naam;
        bool Samenvoegbaar = false;
    };
    [[nodiscard]] TBewerking NeemBewerking() { return std::exchange(m_bewerking, {}); }

    // Everything that is saved, as it is now; the records themselves stay with the model.
    [[nodiscard]] ToernooiToestand Toestand() const;
    // Brings back a state taken earlier: the records it names come back as they were (also
    // deleted ones, which the model keeps until VergeetVerwijderde), in its order. Every
    // signal of a change is emitted; Gewijzigd and the built flag are left to the caller.
    void HerstelToestand(const ToernooiToestand& toestand);
    // Lets go of the deleted records: no state taken before may be restored after this.
    void VergeetVerwijderde();


signals:
    void teamsVeranderd();
    void poulesVeranderd();
    void instellingenVeranderd();
    void rondenVeranderd();
    void veldGebruikVeranderd();
    void gewijzigdVeranderd(bool gewijzigd);
    void lettertypenVeranderd();
    void uitslagenVeranderd();
    void schemaIndelingVeranderd();
    // The delays changed, and with them the round headers.
    void uitloopVeranderd();
    void scheidsrechtersVeranderd();
    // Any change of the tournament itself, of whatever kind, also while it is already marked
    // changed (the recovery copy follows every one).
    void veranderd();
    // All teams and poules were replaced or cleared: a load or a fresh start.
    void vervangen();

private:
    void MaakGewijzigd()
    {
        if (m_bewerking.Naam.isEmpty())
            m_bewerking = m_noem;
        ZetGewijzigd(true);
        emit veranderd();
    }
    // The name of the operation under way, taken as the undo step's name when it changes
    // something.
    void Noem(QStringView naam, bool samenvoegbaar = false)
    {
        m_noem = {naam.toString(), samenvoegbaar};
    }
    // Takes a record out of the tournament without destroying it: a state taken earlier may
    // still name it, and the built schedule may still point at it.
    void Bewaar(std::unique_ptr<TTeamDetails> team) { m_verwijderdeTeams.push_back(std::move(team)); }
    void Bewaar(std::unique_ptr<TPoule> poule) { m_verwijderdePoules.push_back(std::move(poule)); }
    // Every setting changes through here: nothing when the value is already there; otherwise
    // it is stored, the tournament marked changed, the follow-up run (round headers, field
    // count) and the signal emitted once. Two fields that change together go in as std::tie.
    template <typename Veld, typename Waarde, typename Vervolg>
    bool Zet(Veld&& veld, Waarde&& waarde, void (ToernooiModel::*signaal)(), Vervolg vervolg)
    {
        if (veld == waarde)
            return false;
        veld = std::forward<Waarde>(waarde);
        MaakGewijzigd();
        vervolg();
        emit(this->*signaal)();
        return true;
    }
    template <typename Veld, typename Waarde>
    bool Zet(Veld&& veld, Waarde&& waarde, void (ToernooiModel::*signaal)())
    {
        return Zet(std::forward<Veld>(veld), std::forward<Waarde>(waarde), signaal, [] {});
    }
    void HerstelDagDelen();
    void PasVeldAantalToe();
    void VerwijderTeamUitBoom(const TTeamDetails* team);
    [[nodiscard]] bool NaamInBoom(const QString& naam) const;
    void SorteerTeams();

    TeamLijstType m_teams;
    PouleLijstType m_poules;
    VeldenEnRonden m_velden;

    QString m_toernooiNaam;
    QString m_startDatum;
    int m_aantalDelen = 1;
    int m_delenPerDag = 1;
    TDagTijden m_dagTijden;
    int m_gewoneVelden = 1;
    int m_specialeVelden = 0;
    int m_duur = 20;
    int m_pauze = 5;
    TLettertypen m_lettertypen;
    TUitslagen m_uitslagen;
    TSchemaIndeling m_schemaIndeling;
    TUitloop m_uitloop;
    TScheidsrechters m_scheidsrechters;

    TeamLijstType m_verwijderdeTeams;
    PouleLijstType m_verwijderdePoules;
    TBewerking m_noem;
    TBewerking m_bewerking;

    bool m_gewijzigd = false;
};
