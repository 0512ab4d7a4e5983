#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class StandModel;
class TVraagsteller;
class TWedstrijdDag;
class ToernooiDocument;
class ToernooiModel;
class UitslagenModel;
class UitslagenTabel;
struct TSchemaBoom;

// The window "Uitslagen": every match of the built schedule with its score, entered from the
// keyboard, and on the tab "Stand" the standings per poule, the final ranking of every linked
// pair and the points for a win, a draw and a loss; there a team equal to its neighbour on
// every rule is moved up or down, which sets the lot order of its poule. It holds the match day of the schedule
// shown, made again after every build and every change of the teams or poules.
class TUitslagenVenster : public QWidget
{
    Q_OBJECT

public:
    TUitslagenVenster(ToernooiDocument& document, TVraagsteller& vragen,
                      QWidget* parent = nullptr);
    ~TUitslagenVenster() override;

    // Shows the window in front; the match day is made when there is none yet.
    void Toon();
    // A new schedule was built, or the teams or poules changed.
    void NieuweDag();
    // The tournament was replaced: nothing of the old schedule is shown.
    void Vergeet();

    [[nodiscard]] const TWedstrijdDag* Dag() const { return m_dag.get(); }
    [[nodiscard]] UitslagenModel& Uitslagen() const { return *m_uitslagen; }
    [[nodiscard]] StandModel& Stand() const { return *m_stand; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UitslagenVeranderd();
    void ToonPunten();
    void PuntenChange();
    void ToonLoting();
    void Verschuif(int richting);

    ToernooiDocument& m_document;
    ToernooiModel& m_model;
    const TSchemaBoom& m_schema;
    TVraagsteller& m_vragen;
    std::unique_ptr<TWedstrijdDag> m_dag;
    UitslagenModel* m_uitslagen = nullptr;
    StandModel* m_stand = nullptr;
    QTabWidget* m_tabs = nullptr;
    UitslagenTabel* m_tabel = nullptr;
    QTableView* m_standTabel = nullptr;
    QLabel* m_melding = nullptr;
    QSpinBox* m_winst = nullptr;
    QSpinBox* m_gelijk = nullptr;
    QSpinBox* m_verlies = nullptr;
    QPushButton* m_hoger = nullptr;
    QPushButton* m_lager = nullptr;
};
