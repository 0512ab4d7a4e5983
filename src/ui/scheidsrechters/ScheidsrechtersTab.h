#pragma once

#include "core/model/TScheidsrechters.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class ToernooiDocument;
class ToewijzingModel;
class TVraagsteller;

// The tab "Scheidsrechters": who referees (the teams, all or those of chosen poules, and
// referees by name with the rounds they are not there), the preferences, and the matches of
// the schedule with their referees. "Toewijzen" assigns them all; a match's referee is changed
// by choosing the match and then the referee, with the rules checked. Every control shows the
// tournament's own settings and every change goes to the model as one undo step.
class ScheidsrechtersTab : public QWidget
{
    Q_OBJECT

public:
    ScheidsrechtersTab(ToernooiDocument& document, TVraagsteller& vraagsteller, QWidget* parent = nullptr);

    [[nodiscard]] QPushButton* ToewijzenKnop() const { return m_toewijzen; }
    [[nodiscard]] QTableView* Tabel() const { return m_tabel; }
    [[nodiscard]] ToewijzingModel* TabelModel() const { return m_tabelModel; }
    [[nodiscard]] QComboBox* HandKeuze() const { return m_handKeuze; }
    [[nodiscard]] QLabel* Stand() const { return m_stand; }

    // "Toewijzen": a referee on every match that can have one, by the tab's rules.
    void Toewijzen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MaakBediening();
    void Verbind();
    // The settings' controls and the table, as the tournament has them now. Only while the tab
    // is shown; otherwise when it is shown next.
    void Vernieuw();
    void ToonInstellingen();
    void ToonToewijzing();
    void ToonHandKeuze();
    void ToonAfwezig();
    // One change of the settings as an undo step.
    void WijzigRegels(const std::function<void(TScheidsrechters&)>& wijzig, QStringView stap);
    void VoegPersoonToe();
    void VerwijderPersoon();
    void ZetAfwezig();
    void WijzigHand(int keuze);
    // The referee as the organiser knows it: a team with its attendant, where filled.
    [[nodiscard]] QString Getoond(const QString& naam) const;

    ToernooiDocument& m_document;
    TVraagsteller& m_vraagsteller;
    QComboBox* m_teamsKeuze = nullptr;
    QListWidget* m_poules = nullptr;
    QListWidget* m_personen = nullptr;
    QPushButton* m_persoonToevoegen = nullptr;
    QPushButton* m_persoonVerwijderen = nullptr;
    QLineEdit* m_afwezig = nullptr;
    QComboBox* m_wedstrijdenKeuze = nullptr;
    QComboBox* m_rustKeuze = nullptr;
    QCheckBox* m_nietEigenClub = nullptr;
    QPushButton* m_toewijzen = nullptr;
    QLabel* m_stand = nullptr;
    QTableView* m_tabel = nullptr;
    ToewijzingModel* m_tabelModel = nullptr;
    QComboBox* m_handKeuze = nullptr;
    // Why the last "Toewijzen" left a match without a referee, by text and Keer; forgotten when
    // the schedule or the settings change.
    QHash<std::pair<QString, int>, QString> m_redenen;
    std::pair<quint64, TScheidsrechters> m_redenenVoor;
    // Per team name its attendant, where filled, as of the last refresh.
    QHash<QString, QString> m_begeleiders;
    bool m_verouderd = true;
    bool m_bezig = false;
};
