#pragma once

#include <QAbstractTableModel>

class ToernooiModel;

// The day-part grid DagTijden as a view of the model's day parts: one row per day part,
// labelled "Deel n" for rows 1..31, with the begin and end time. An edited time is
// normalised by the model; drawing the grid changes nothing.
class DagTijdenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DagTijdenModel(ToernooiModel& model, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void InstellingenVeranderd();

    ToernooiModel& m_model;
    int m_rijen = 0;
};
