#pragma once

#include <QTableView>

// The table of the results window, made for fast entry from the keyboard: typing a digit on
// a score starts editing it, Tab goes to the other score, and Enter (editing or not) goes on
// to the first score of the next match.
class UitslagenTabel : public QTableView
{
    Q_OBJECT

public:
    explicit UitslagenTabel(QWidget* parent = nullptr);

    // The first score of the match in that row becomes the current cell.
    void GaNaarWedstrijd(int rij);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void VolgendeWedstrijd();
};
