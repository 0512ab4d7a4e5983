#pragma once

#include "core/kwaliteit/KwaliteitTabel.h"
#include "core/kwaliteit/SchemaKwaliteit.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <array>

// The team table of the quality window: one row per team in a poule, one column per measure.
// Numbers are given as numbers so a sort proxy orders them numerically; the worst value of a
// column is bold on a red background.
class KwaliteitModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Takes the rows of a new measurement; team names are copied, so the table stays valid
    // when teams are edited afterwards.
    void ZetKwaliteit(const TSchemaKwaliteit& kwaliteit);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

    // True when the cell holds the worst value of its column.
    [[nodiscard]] bool IsSlechtste(const QModelIndex& index) const;

private:
    std::vector<TTeamKwaliteit> m_teams;
    QStringList m_namen;
    std::array<int, KwaliteitTabel::AantalKolommen> m_slechtste{};
};
