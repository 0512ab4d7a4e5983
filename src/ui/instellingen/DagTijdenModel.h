#pragma once

#include <QAbstractTableModel>

class ToernooiModel;

// The day-part grid DagTijden as a view of the model's day parts: one row per day part,
// labelled "Deel n" for rows 1..31, with the begin and end time. An edited time is read as
// the organiser types it ("9.30", "930") and normalised by the model; a text that is no
// time leaves the cell as it was and is answered by melding(). Drawing the grid changes
// nothing.
class DagTijdenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Rows 1..31 are labelled; the rows beyond have no label.
    static constexpr int GelabeldeDagDelen = 31;
    // The label of a day-part row (from 1): "Deel n" for rows 1..31, empty above.
    [[nodiscard]] static QString DagDeelLabel(int rij);

    explicit DagTijdenModel(ToernooiModel& model, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // What the organiser should know about the last typed time; empty once one was read.
    void melding(const QString& tekst);

private:
    void InstellingenVeranderd();

    ToernooiModel& m_model;
    int m_rijen = 0;
};
