#pragma once

#include <QStyledItemDelegate>

// The editor of a day-part time: the template "!00\:00", two required digits, a fixed
// colon, two required digits. An incomplete time is not accepted.
class TijdInvoer : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr char Masker[] = "99:99";

    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
