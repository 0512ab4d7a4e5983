#include "ui/scheidsrechters/ToewijzingModel.h"

#include <QBrush>
#include <QColor>

void ToewijzingModel::ZetRijen(QList<TRij> rijen)
{
    beginResetModel();
    m_rijen = std::move(rijen);
    endResetModel();
}

int ToewijzingModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rijen.size());
}

int ToewijzingModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : AantalKolommen;
}

QVariant ToewijzingModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rijen.size())
        return {};
    const TRij& rij = m_rijen[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Ronde: return rij.Ronde;
        case Veld: return rij.Veld;
        case Wedstrijd: return rij.Tekst;
        case Scheidsrechter: return rij.Getoond;
        case Opmerking: return rij.Opmerking;
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Opmerking && !rij.Opmerking.isEmpty())
        return rij.Opmerking;
    // A match whose referee was lost stands out; one that simply has none yet does not.
    if (role == Qt::BackgroundRole && rij.Naam.isEmpty() && !rij.Opmerking.isEmpty())
        return QBrush(QColor(255, 228, 225));
    return {};
}

QVariant ToewijzingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Ronde: return QStringLiteral("Ronde");
    case Veld: return QStringLiteral("Veld");
    case Wedstrijd: return QStringLiteral("Wedstrijd");
    case Scheidsrechter: return QStringLiteral("Scheidsrechter");
    case Opmerking: return QStringLiteral("Opmerking");
    default: return {};
    }
}
