#pragma once

#include <QWidget>

class GetalVeld;
class QLabel;
class QLineEdit;
class QPushButton;
class ToernooiModel;

// The tab "Wedstrijd details": fields, match duration and pause, and the buttons that open
// the field usage window and build the schedule. The special fields are kept hidden. Below
// them the estimate of the fewest rounds any schedule needs, kept up to date on every edit.
class WedstrijdDetailsTab : public QWidget
{
    Q_OBJECT

public:
    explicit WedstrijdDetailsTab(ToernooiModel& model, QWidget* parent = nullptr);

    [[nodiscard]] QPushButton* Button1() const { return m_bouw; }
    [[nodiscard]] QPushButton* Button2() const { return m_veldgebruik; }
    [[nodiscard]] QLabel* Schatting() const { return m_schatting; }

private:
    void ToonInstellingen();
    void ToonSchatting();

    ToernooiModel& m_model;
    GetalVeld* m_gewoon = nullptr;
    GetalVeld* m_speciaal = nullptr;
    QLineEdit* m_totaal = nullptr;
    GetalVeld* m_duur = nullptr;
    GetalVeld* m_pauze = nullptr;
    QPushButton* m_veldgebruik = nullptr;
    QPushButton* m_bouw = nullptr;
    QLabel* m_schatting = nullptr;
};
