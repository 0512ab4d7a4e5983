#include "ui/instellingen/TijdInvoer.h"

#include <QLineEdit>

namespace {

// Longer than any way of typing a time, short enough to keep a pasted text out.
constexpr int MaxLengte = 12;

} // namespace

QWidget* TijdInvoer::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                  const QModelIndex&) const
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("TijdEdit"));
    edit->setMaxLength(MaxLengte);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

void TijdInvoer::setModelData(QWidget* editor, QAbstractItemModel* model,
                              const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}
