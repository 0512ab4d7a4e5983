#pragma once

#include <QObject>
#include <QStringList>

class PouleDetailsTab;
class PouleLijstBoom;
class TeamDetailsTab;
class TeamLijstLijst;
class ToernooiModel;
class TVraagsteller;
struct TPouleDetails;
struct TTeamDetails;

// Keeps the tabs "Team details" and "Poule details" on the team and poule they belong to:
// what is typed on a tab goes into its record when another one is chosen or when the whole
// model is about to be read (BewaarDetails), a poule's competition, rest and kind of cross
// matches at once; showing a record changes nothing. Also runs the
// partner controls of the poule tab.
class DetailsBediening : public QObject
{
    Q_OBJECT

public:
    DetailsBediening(ToernooiModel& model, TVraagsteller& vraagsteller, TeamLijstLijst& teamLijst,
                     PouleLijstBoom& pouleLijst, TeamDetailsTab& teamTab, PouleDetailsTab& pouleTab,
                     QObject* parent = nullptr);

    // The focused team entry changed (TeamLijstClick).
    void TeamLijstClick();
    // The selection in the poule tree changed (PouleLijstChange).
    void PouleLijstChange();
    // Writes both tabs into their records and shows the records of the current selection.
    void BewaarDetails();
    // Empties both tabs and forgets the records they showed ("Opnieuw").
    void LeegAlles();
    // Takes the team and poule the lists select as the shown ones and shows them, writing
    // nothing (after a load).
    void ToonHuidige();
    // The records the tabs show: the selection of the details tabs.
    [[nodiscard]] TTeamDetails* HuidigTeam() const { return m_huidigTeam; }
    [[nodiscard]] TPouleDetails* HuidigePoule() const { return m_huidigePoule; }
    // Writes the poule tab now, so that a change of the partner list keeps its choice.
    void BewaarPouleDetails();

private:
    void BewaarTeamDetails(TTeamDetails* team);
    void BewaarPouleDetails(TPouleDetails* poule);
    void ToonTeamDetails();
    void ToonPouleDetails();
    // The question to ask before the shown poule takes the entry at position keuze as its
    // partner, or empty when no existing link would be broken.
    [[nodiscard]] QString KruisPouleVraag(const TPouleDetails* getoond, int keuze) const;
    void KruisPouleChange(int positie);
    void KruisPouleCompetitieTypeClick(int positie);
    void TabGetypt();
    void PartnerLijstVeranderd();
    void RecordVerdwenen();

    ToernooiModel& m_model;
    TVraagsteller& m_vraagsteller;
    TeamLijstLijst& m_teamLijst;
    PouleLijstBoom& m_pouleLijst;
    TeamDetailsTab& m_teamTab;
    PouleDetailsTab& m_pouleTab;
    QStringList m_partnerLijst;
    TTeamDetails* m_huidigTeam = nullptr;
    TPouleDetails* m_huidigePoule = nullptr;
};
