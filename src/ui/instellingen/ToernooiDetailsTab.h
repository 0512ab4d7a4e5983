#pragma once

#include <QWidget>

class DagTijdenModel;
class GetalVeld;
class QLabel;
class QLineEdit;
class QTableView;
class ToernooiModel;

// The tab "Toernooi details": name, start date, number of days and of parts per day, and at
// the right the day-part grid DagTijden. Every change goes straight into the model.
class ToernooiDetailsTab : public QWidget
{
    Q_OBJECT

public:
    explicit ToernooiDetailsTab(ToernooiModel& model, QWidget* parent = nullptr);

    [[nodiscard]] QTableView* DagTijden() const { return m_dagTijden; }
    // Says why a typed day-part time was not taken; empty otherwise.
    [[nodiscard]] QLabel* TijdMelding() const { return m_tijdMelding; }

private:
    QWidget* MaakVelden();
    void ToonInstellingen();

    ToernooiModel& m_model;
    QLineEdit* m_naam = nullptr;
    QLineEdit* m_datum = nullptr;
    GetalVeld* m_dagen = nullptr;
    GetalVeld* m_delen = nullptr;
    QTableView* m_dagTijden = nullptr;
    QLabel* m_tijdMelding = nullptr;
    DagTijdenModel* m_tijden = nullptr;
};
