#pragma once

#include <QStyledItemDelegate>

// The editor of a day-part time: a plain text field, so that "9.30", "9:30" and "930" can
// all be typed. Enter and Tab always finish it; the grid's model reads the text and says
// so when it is no time.
class TijdInvoer : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
