#pragma once

#include <QGroupBox>

class PouleLijstBoom;
class QPushButton;
class ToernooiModel;

// The poule group of the main window: the tree above its two buttons, and a narrow column
// at the right edge, next to the team group, with "<<" above ">>".
class PouleGroep : public QGroupBox
{
    Q_OBJECT

public:
    explicit PouleGroep(const ToernooiModel& model, QWidget* parent = nullptr);

    [[nodiscard]] PouleLijstBoom* PouleLijst() const { return m_boom; }
    [[nodiscard]] QPushButton* PouleToevoegen() const { return m_toevoegen; }
    [[nodiscard]] QPushButton* PouleVerwijderen() const { return m_verwijderen; }
    [[nodiscard]] QPushButton* SpeedButton1() const { return m_erin; }
    [[nodiscard]] QPushButton* SpeedButton2() const { return m_eruit; }

private:
    PouleLijstBoom* m_boom = nullptr;
    QPushButton* m_toevoegen = nullptr;
    QPushButton* m_verwijderen = nullptr;
    QPushButton* m_erin = nullptr;
    QPushButton* m_eruit = nullptr;
};
