#include "ui/instellingen/DagTijdenModel.h"

#include "core/model/Tijdnotatie.h"
#include "core/model/ToernooiModel.h"

DagTijdenModel::DagTijdenModel(ToernooiModel& model, QObject* parent)
    : QAbstractTableModel(parent), m_model(model), m_rijen(int(model.DagTijden().size()))
{
    connect(&m_model, &ToernooiModel::instellingenVeranderd, this,
            &DagTijdenModel::InstellingenVeranderd);
}

int DagTijdenModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rijen;
}

int DagTijdenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant DagTijdenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_model.DagTijden().size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const TDagDeel& deel = m_model.DagTijden().at(index.row());
    return index.column() == 0 ? deel.Begin : deel.Eind;
}

QVariant DagTijdenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == 0 ? QStringLiteral("Start (uu:mm)") : QStringLiteral("Eind (uu:mm)");
    return DagDeelLabel(section + 1);
}

QString DagTijdenModel::DagDeelLabel(int rij)
{
    if (rij < 1 || rij > GelabeldeDagDelen)
        return {};
    return QStringLiteral("Deel ") + QString::number(rij);
}

Qt::ItemFlags DagTijdenModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool DagTijdenModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString getypt = value.toString();
    const std::optional<QString> tijd = Tijdnotatie::LeesGetypteTijd(getypt);
    if (!tijd) {
        // Short enough for one line beside the grid; the cell keeps showing its time.
        emit melding(QStringLiteral("\"%1\" is geen tijd. Typ bijv. 9:30, 9.30 of 930.")
                         .arg(getypt.trimmed()));
        return false;
    }
    emit melding(QString());
    m_model.ZetDagTijd(index.row() + 1, index.column() + 1, *tijd);
    // The model normalises the time; show what it kept even when nothing changed.
    emit dataChanged(index, index);
    return true;
}

void DagTijdenModel::InstellingenVeranderd()
{
    const int rijen = int(m_model.DagTijden().size());
    if (rijen != m_rijen) {
        beginResetModel();
        m_rijen = rijen;
        endResetModel();
        return;
    }
    if (m_rijen > 0)
        emit dataChanged(index(0, 0), index(m_rijen - 1, 1));
}
