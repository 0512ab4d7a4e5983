#include "ui/indeling/PouleLijstBoom.h"

#include "core/model/ToernooiModel.h"
#include "ui/indeling/TeamSleepGegevens.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSignalBlocker>

PouleLijstBoom::PouleLijstBoom(const ToernooiModel& model, QWidget* parent)
    : QTreeWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("PouleLijst"));
    setToolTip(QStringLiteral("Poule lijst"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        const Plek plek = PlekVan(item);
        if (plek.Poule >= 0 && plek.Poule < int(m_model.PouleLijst().size()))
            m_dichtgeklapt.insert(m_model.PouleLijst()[std::size_t(plek.Poule)]->Details.get());
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        const Plek plek = PlekVan(item);
        if (plek.Poule >= 0 && plek.Poule < int(m_model.PouleLijst().size()))
            m_dichtgeklapt.remove(m_model.PouleLijst()[std::size_t(plek.Poule)]->Details.get());
    });
}

PouleLijstBoom::Plek PouleLijstBoom::PlekVan(const QTreeWidgetItem* item)
{
    Plek plek;
    if (!item)
        return plek;
    if (const QTreeWidgetItem* ouder = item->parent()) {
        plek.Poule = ouder->treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(ouder));
        plek.Team = ouder->indexOfChild(const_cast<QTreeWidgetItem*>(item));
    } else {
        plek.Poule = item->treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
    }
    return plek;
}

PouleLijstBoom::Plek PouleLijstBoom::GeselecteerdePlek() const
{
    const QList<QTreeWidgetItem*> gekozen = selectedItems();
    return gekozen.isEmpty() ? Plek{} : PlekVan(gekozen.constFirst());
}

void PouleLijstBoom::Selecteer(Plek plek)
{
    QTreeWidgetItem* item = plek.Poule >= 0 ? topLevelItem(plek.Poule) : nullptr;
    if (item && plek.Team >= 0)
        item = item->child(plek.Team);
    if (item)
        setCurrentItem(item);
    else
        clearSelection();
}

void PouleLijstBoom::Vul()
{
    // Remember the selected entry by its records, as indexes shift when entries go.
    const Plek oud = GeselecteerdePlek();
    const TPouleDetails* oudePoule = nullptr;
    const TTeamDetails* oudTeam = nullptr;
    if (oud.Poule >= 0 && oud.Poule < int(m_model.PouleLijst().size())) {
        const TPoule& poule = *m_model.PouleLijst()[std::size_t(oud.Poule)];
        oudePoule = poule.Details.get();
        if (oud.Team >= 0 && oud.Team < int(poule.Teams.size()))
            oudTeam = poule.Teams[std::size_t(oud.Team)];
    }

    const QSignalBlocker stil(this);
    clear();
    for (const auto& poule : m_model.PouleLijst()) {
        auto* pouleItem = new QTreeWidgetItem(this, {poule->Details->PouleNaam});
        for (const TTeamDetails* team : poule->Teams)
            new QTreeWidgetItem(pouleItem, {team->TeamNaam});
        pouleItem->setExpanded(!m_dichtgeklapt.contains(poule->Details.get()));
    }

    Plek nieuw;
    const auto& poules = m_model.PouleLijst();
    for (std::size_t p = 0; p < poules.size(); ++p) {
        if (poules[p]->Details.get() != oudePoule)
            continue;
        nieuw.Poule = int(p);
        const auto& teams = poules[p]->Teams;
        for (std::size_t t = 0; oudTeam && t < teams.size(); ++t) {
            if (teams[t] == oudTeam)
                nieuw.Team = int(t);
        }
        // A removed team entry hands the selection to its neighbour, or to its poule.
        if (oudTeam && nieuw.Team < 0 && !teams.empty())
            nieuw.Team = std::min(oud.Team, int(teams.size()) - 1);
    }
    if (nieuw.Poule < 0 && oud.Poule >= 0 && !poules.empty())
        nieuw.Poule = std::min(oud.Poule, int(poules.size()) - 1);
    Selecteer(nieuw);
}

void PouleLijstBoom::dragEnterEvent(QDragEnterEvent* event)
{
    if (TeamSleepGegevens::Lees(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void PouleLijstBoom::dragMoveEvent(QDragMoveEvent* event)
{
    if (TeamSleepGegevens::Lees(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void PouleLijstBoom::dropEvent(QDropEvent* event)
{
    const QStringList namen = TeamSleepGegevens::Lees(event->mimeData());
    if (namen.isEmpty()) {
        event->ignore();
        return;
    }
    const Plek plek = PlekVan(itemAt(event->position().toPoint()));
    event->acceptProposedAction();
    emit teamsGevallen(plek.Team < 0 ? plek.Poule : -1, namen);
}
