#include "ui/indeling/TeamLijstLijst.h"

#include "core/model/ToernooiModel.h"
#include "ui/indeling/TeamSleepGegevens.h"

#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>

TeamLijstLijst::TeamLijstLijst(const ToernooiModel& model, QWidget* parent)
    : QListWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("TeamLijst"));
    setToolTip(QStringLiteral(
        "Teamlijst. Sleep teams met de muis naar een poule om ze toe te voegen aan de poule"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

void TeamLijstLijst::Vul()
{
    QSet<const TTeamDetails*> gekozen;
    for (const TTeamDetails* team : GeselecteerdeTeams())
        gekozen.insert(team);
    const TTeamDetails* focus = FocusTeam();
    const int bovenste = verticalScrollBar()->value();

    const QSignalBlocker stil(this);
    const QSignalBlocker stilSelectie(selectionModel());
    clear();
    for (const auto& team : m_model.TeamLijst()) {
        auto* item = new QListWidgetItem(team->TeamNaam, this);
        item->setData(Qt::UserRole, QVariant::fromValue(quintptr(team.get())));
        if (team.get() == focus)
            setCurrentItem(item, QItemSelectionModel::NoUpdate);
        item->setSelected(gekozen.contains(team.get()));
    }
    verticalScrollBar()->setValue(bovenste);
}

QList<TTeamDetails*> TeamLijstLijst::GeselecteerdeTeams() const
{
    QList<TTeamDetails*> teams;
    for (int rij = 0; rij < count(); ++rij) {
        const QListWidgetItem* entry = item(rij);
        if (entry->isSelected())
            teams.append(reinterpret_cast<TTeamDetails*>(entry->data(Qt::UserRole).value<quintptr>()));
    }
    return teams;
}

TTeamDetails* TeamLijstLijst::FocusTeam() const
{
    const QListWidgetItem* entry = currentItem();
    if (!entry)
        return nullptr;
    return reinterpret_cast<TTeamDetails*>(entry->data(Qt::UserRole).value<quintptr>());
}

void TeamLijstLijst::Selecteer(const TTeamDetails* team)
{
    for (int rij = 0; rij < count(); ++rij) {
        if (item(rij)->data(Qt::UserRole).value<quintptr>() == quintptr(team)) {
            setCurrentRow(rij, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
}

QStringList TeamLijstLijst::mimeTypes() const
{
    return {QLatin1String(TeamSleepGegevens::MimeType)};
}

QMimeData* TeamLijstLijst::mimeData(const QList<QListWidgetItem*>& items) const
{
    QStringList namen;
    // In list order, whatever order the items were selected in.
    for (int rij = 0; rij < count(); ++rij) {
        if (items.contains(item(rij)))
            namen.append(item(rij)->text());
    }
    return TeamSleepGegevens::Maak(namen);
}
