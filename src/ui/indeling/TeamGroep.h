#pragma once

#include <QGroupBox>

class QListWidget;
class QPushButton;
class TeamLijstLijst;
class ToernooiModel;

// The team group of the main window: the team list beside TeamsInPoule, which shows the
// poule of each team on the same row and scrolls along with the list, above the two team
// buttons.
class TeamGroep : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int Breedte = 298;
    static constexpr int TeamsInPouleBreedte = 134;

    explicit TeamGroep(const ToernooiModel& model, QWidget* parent = nullptr);

    [[nodiscard]] TeamLijstLijst* TeamLijst() const { return m_lijst; }
    [[nodiscard]] QListWidget* TeamsInPoule() const { return m_inPoule; }
    [[nodiscard]] QPushButton* TeamToevoegen() const { return m_toevoegen; }
    [[nodiscard]] QPushButton* TeamVerwijderen() const { return m_verwijderen; }

    // Rebuilds TeamsInPoule from the model and scrolls it beside the team list.
    void VulTeamsInPoule();

private:
    void VolgScroll();

    const ToernooiModel& m_model;
    TeamLijstLijst* m_lijst = nullptr;
    QListWidget* m_inPoule = nullptr;
    QPushButton* m_toevoegen = nullptr;
    QPushButton* m_verwijderen = nullptr;
};
