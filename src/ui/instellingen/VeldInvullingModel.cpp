#include "ui/instellingen/VeldInvullingModel.h"

#include "core/model/ToernooiModel.h"

#include <QBrush>
#include <QColor>

VeldInvullingModel::VeldInvullingModel(ToernooiModel& model, QObject* parent)
    : QAbstractTableModel(parent), m_model(model), m_kolommen(model.Velden().KolomAantal() - 1)
{
    connect(&m_model, &ToernooiModel::veldGebruikVeranderd, this,
            &VeldInvullingModel::VeldGebruikVeranderd);
    connect(&m_model, &ToernooiModel::rondenVeranderd, this, &VeldInvullingModel::RondenVeranderd);
}

int VeldInvullingModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_model.Velden().RijAantal() - 1;
}

int VeldInvullingModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_kolommen;
}

QVariant VeldInvullingModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const QString tekst = m_model.Velden().Cel(index.column() + 1, index.row() + 1);
    switch (role) {
    case Qt::DisplayRole:
        return tekst;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return QBrush(tekst.isEmpty() ? QColor(0xe6, 0xb8, 0xb0) : QColor(0xd9, 0xf0, 0xd3));
    default:
        return {};
    }
}

QVariant VeldInvullingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return QStringLiteral("Veld ") + QString::number(section + 1);
    return m_model.Velden().RondeKop(section + 1);
}

Qt::ItemFlags VeldInvullingModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void VeldInvullingModel::Wissel(const QModelIndex& index)
{
    if (!index.isValid() || index.model() != this)
        return;
    m_model.WisselVeld(index.column() + 1, index.row() + 1);
}

void VeldInvullingModel::VeldGebruikVeranderd()
{
    const int kolommen = m_model.Velden().KolomAantal() - 1;
    if (kolommen > m_kolommen) {
        beginInsertColumns({}, m_kolommen, kolommen - 1);
        m_kolommen = kolommen;
        endInsertColumns();
    } else if (kolommen < m_kolommen) {
        beginRemoveColumns({}, kolommen, m_kolommen - 1);
        m_kolommen = kolommen;
        endRemoveColumns();
    }
    if (m_kolommen > 0 && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, m_kolommen - 1));
}

void VeldInvullingModel::RondenVeranderd()
{
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}
