#pragma once

#include <QSet>
#include <QTreeWidget>

class ToernooiModel;
struct TPouleDetails;
struct TTeamDetails;

// The poule tree: poules with their teams below them, rebuilt from the model after every
// change and keeping the selection on the same poule or team entry. Teams dragged from the
// team list may be dropped anywhere over it; teamsGevallen says on which poule.
class PouleLijstBoom : public QTreeWidget
{
    Q_OBJECT

public:
    struct Plek
    {
        int Poule = -1; // index in the tree, -1 for nothing
        int Team = -1;  // index within the poule, -1 for the poule entry itself
    };

    explicit PouleLijstBoom(const ToernooiModel& model, QWidget* parent = nullptr);

    void Vul();
    [[nodiscard]] Plek GeselecteerdePlek() const;
    [[nodiscard]] static Plek PlekVan(const QTreeWidgetItem* item);
    void Selecteer(Plek plek);

signals:
    // pouleIndex is -1 when the drop point is a team entry or empty space.
    void teamsGevallen(int pouleIndex, const QStringList& namen);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    const ToernooiModel& m_model;
    QSet<const TPouleDetails*> m_dichtgeklapt;
};
