#pragma once

#include <QMainWindow>

class QTableView;
class ToernooiModel;
class VeldInvullingModel;

// The field usage window: which field may be used in which round. Opened non-modally from
// the main window; one click on a cell (or Space on the current cell) toggles it, and the
// menu command "Reset alle velden." makes every field usable again.
class TVeldInvulling : public QMainWindow
{
    Q_OBJECT

public:
    explicit TVeldInvulling(ToernooiModel& model, QWidget* parent = nullptr);

    [[nodiscard]] QTableView* VeldenEnRonden() const { return m_tabel; }
    [[nodiscard]] VeldInvullingModel* Model() const { return m_velden; }
    // Shows the window without blocking the main window and brings it to the front.
    void ToonVoorgrond();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Resetallevelden1Click();

    ToernooiModel& m_model;
    VeldInvullingModel* m_velden = nullptr;
    QTableView* m_tabel = nullptr;
};
