#pragma once

#include "core/schema/TBouwUitkomst.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QLabel;
class QPushButton;

// "Bezig met rekenen.": shown modally while the builder runs on a worker thread, with the
// elapsed time updated once a second. The modal window keeps the organiser from changing the
// tournament meanwhile, and the windows keep painting. "Annuleren" (or Escape, or the close
// box) asks the work to stop; the window stays until the work has returned.
class Tprogress : public QDialog
{
    Q_OBJECT

public:
    explicit Tprogress(QWidget* parent = nullptr);

    // Runs the work on a worker thread and returns its outcome once it is done.
    TBouwUitkomst VoerUit(const std::function<TBouwUitkomst()>& werk);

    // The elapsed time in the system's long time format.
    [[nodiscard]] static QString VerstrekenTekst(qint64 milliseconden);

signals:
    // The organiser wants the running work stopped.
    void annuleren();

protected:
    void reject() override;

private:
    void ToonTijd();
    void Annuleer();

    QLabel* m_label = nullptr;
    QPushButton* m_annuleer = nullptr;
    QTimer m_tik;
    QElapsedTimer m_start;
    bool m_bezig = false;
};
