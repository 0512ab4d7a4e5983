#pragma once

#include <QListWidget>

class ToernooiModel;
struct TTeamDetails;

// The team list, sorted as the model keeps it; several entries may be selected (range and
// toggle selection) and dragged onto the poule tree. Rebuilding it from the model keeps the
// selection and the focused entry on the same teams.
class TeamLijstLijst : public QListWidget
{
    Q_OBJECT

public:
    explicit TeamLijstLijst(const ToernooiModel& model, QWidget* parent = nullptr);

    void Vul();
    // The selected teams in list order.
    [[nodiscard]] QList<TTeamDetails*> GeselecteerdeTeams() const;
    // The team of the focused entry, or nullptr.
    [[nodiscard]] TTeamDetails* FocusTeam() const;
    void Selecteer(const TTeamDetails* team);

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;

private:
    const ToernooiModel& m_model;
};
