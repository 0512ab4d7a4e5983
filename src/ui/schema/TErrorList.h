#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// The list of what the input check found before a build: one line each, then the closing
// line. "Doorgaan" closes it, as Enter and Escape do.
class TErrorList : public QDialog
{
    Q_OBJECT

public:
    explicit TErrorList(QWidget* parent = nullptr);

    // Shows the lines modally until the window is closed.
    void Toon(const QStringList& regels);
    [[nodiscard]] QStringList Regels() const;

private:
    QPlainTextEdit* m_errors = nullptr;
};
