#include "instellingen/TijdInvoer.h"

#include <QLineEdit>

QWidget* TijdInvoer::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                  const QModelIndex&) const
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("TijdEdit"));
    edit->setInputMask(QLatin1String(Masker));
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

void TijdInvoer::setModelData(QWidget* editor, QAbstractItemModel* model,
                              const QModelIndex& index) const
{
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit || !edit->hasAcceptableInput())
        return;
    model->setData(index, edit->text(), Qt::EditRole);
}
