#pragma once

#include <QObject>

class DetailsBediening;
class PouleGroep;
class TeamGroep;
class ToernooiModel;
class TVraagsteller;

// The buttons and drag and drop of the upper half of the main window: adding and removing
// teams and poules and putting teams into poules. The lists follow the model: every change
// refills the tree, the team list, TeamsInPoule and, once they are shown, the two count
// captions.
class IndelingBediening : public QObject
{
    Q_OBJECT

public:
    IndelingBediening(ToernooiModel& model, TVraagsteller& vraagsteller, PouleGroep& poules,
                      TeamGroep& teams, DetailsBediening& details, QObject* parent = nullptr);

    // The captions of the team group ("3 Teams") and the poule group ("Poule indeling (2
    // Poules, 3 teams ingedeeld)").
    [[nodiscard]] static QString TeamAantalTekst(const ToernooiModel& model);
    [[nodiscard]] static QString PouleAantalTekst(const ToernooiModel& model);

    void TeamToevoegenClick();
    void TeamVerwijderenClick();
    void PouleToevoegenClick();
    void PouleVerwijderenClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void PouleLijstDragDrop(int pouleIndex, const QStringList& namen);

    // Refills every list and caption from the model, with the count captions.
    void Vernieuw();
    // The count captions of both groups, from now on kept up to date.
    void ToonAantallen();

private:
    void PoulesVeranderd();
    void TeamsVeranderd();
    void VulLijsten();
    void WerkAantallenBij();

    ToernooiModel& m_model;
    TVraagsteller& m_vraagsteller;
    PouleGroep& m_poules;
    TeamGroep& m_teams;
    DetailsBediening& m_details;
    // The groups read "Poule lijst" and "Team Lijst" until the first count is shown.
    bool m_aantallenGetoond = false;
};
