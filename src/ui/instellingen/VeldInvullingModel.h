#pragma once

#include <QAbstractTableModel>

class ToernooiModel;

// The field usage table of the model as a table: one row per shown round (1..99), one column
// per field, the round headers with their clock times down the side and "Veld n" across the
// top. A cell reads "Wedstrijd" when the field may be used in that round and is empty when
// it may not. Nothing is copied: every answer comes from the model's table.
class VeldInvullingModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit VeldInvullingModel(ToernooiModel& model, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    // VeldenEnRondenClick: one click turns a cell from usable to unusable and back.
    void Wissel(const QModelIndex& index);

private:
    void VeldGebruikVeranderd();
    void RondenVeranderd();

    ToernooiModel& m_model;
    int m_kolommen = 0;
};
