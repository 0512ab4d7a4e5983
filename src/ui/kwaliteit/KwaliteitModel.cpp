#include "ui/kwaliteit/KwaliteitModel.h"

#include "core/kwaliteit/KwaliteitTabel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

void KwaliteitModel::ZetKwaliteit(const TSchemaKwaliteit& kwaliteit)
{
    beginResetModel();
    m_teams = kwaliteit.Teams;
    m_namen.clear();
    for (TTeamKwaliteit& team : m_teams) {
        m_namen.append(KwaliteitTabel::Tekst(team, KwaliteitTabel::Team));
        team.Team = nullptr;
    }
    for (int kolom = 0; kolom < KwaliteitTabel::AantalKolommen; ++kolom)
        m_slechtste[std::size_t(kolom)] = KwaliteitTabel::Slechtste(m_teams, kolom);
    endResetModel();
}

int KwaliteitModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_teams.size());
}

int KwaliteitModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : KwaliteitTabel::AantalKolommen;
}

bool KwaliteitModel::IsSlechtste(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int grens = m_slechtste[std::size_t(index.column())];
    return grens >= 0 && KwaliteitTabel::Waarde(m_teams[std::size_t(index.row())], index.column()) == grens;
}

QVariant KwaliteitModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const TTeamKwaliteit& team = m_teams[std::size_t(index.row())];
    const int kolom = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (kolom == KwaliteitTabel::Team)
            return m_namen.at(index.row());
        if (KwaliteitTabel::IsGetal(kolom))
            return KwaliteitTabel::Waarde(team, kolom);
        return KwaliteitTabel::Tekst(team, kolom);
    case Qt::TextAlignmentRole:
        if (KwaliteitTabel::IsGetal(kolom))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::FontRole:
        if (IsSlechtste(index)) {
            QFont vet;
            vet.setBold(true);
            return vet;
        }
        return {};
    case Qt::BackgroundRole:
        if (IsSlechtste(index))
            return QBrush(QColor(255, 200, 200));
        return {};
    case Qt::ForegroundRole:
        if (IsSlechtste(index))
            return QBrush(Qt::black);
        return {};
    default:
        return {};
    }
}

QVariant KwaliteitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= KwaliteitTabel::AantalKolommen)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return KwaliteitTabel::Kop(section);
    if (role == Qt::ToolTipRole) {
        const QString uitleg = KwaliteitTabel::Uitleg(section);
        return uitleg.isEmpty() ? QVariant() : QVariant(uitleg);
    }
    return {};
}
