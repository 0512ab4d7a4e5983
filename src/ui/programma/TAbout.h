#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The start window: no border, a dark frame around a white panel with the program's picture,
// and the default button "Start" that hides this window and shows the main window.
class TAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TAbout(QWidget* parent = nullptr);

    // Shows the picture; a picture that cannot be decoded leaves the panel white and
    // returns why, in Dutch.
    [[nodiscard]] QString LaadAfbeelding(const QString& pad);
    [[nodiscard]] bool HeeftAfbeelding() const;

signals:
    void gestart();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BitBtn1Click();

    QLabel* m_afbeelding = nullptr;
    QPushButton* m_start = nullptr;
    bool m_gestart = false;
};
