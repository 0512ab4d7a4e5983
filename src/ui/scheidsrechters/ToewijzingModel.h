#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The matches of the schedule with their referees, as the tab "Scheidsrechters" lists them:
// round, field, the match, its referee, and for a match without one why not. The rows are
// worked out from the document each time it changes; the model only shows them.
class ToewijzingModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Kolom { Ronde, Veld, Wedstrijd, Scheidsrechter, Opmerking, AantalKolommen };

    struct TRij
    {
        int Ronde = 0;
        int Veld = 0;
        int Keer = 1;
        QString Tekst;
        QString Naam;       // the referee; empty for none
        QString Getoond;    // the referee as shown, with the attendant of a team
        QString Opmerking;  // why the match has no referee, where known
    };

    using QAbstractTableModel::QAbstractTableModel;

    void ZetRijen(QList<TRij> rijen);
    [[nodiscard]] const QList<TRij>& Rijen() const { return m_rijen; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    QList<TRij> m_rijen;
};
