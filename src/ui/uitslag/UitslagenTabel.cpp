#include "ui/uitslag/UitslagenTabel.h"

#include "ui/uitslag/UitslagenModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace {

// Score fields take digits only; an empty field means "no score".
class ScoreDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* regel = qobject_cast<QLineEdit*>(editor)) {
            // As many digits as the largest score has.
            const auto cijfers = QString::number(TUitslag::MaxDoelpunten).size();
            regel->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{0,%1}").arg(cijfers)), regel));
            regel->setAlignment(Qt::AlignCenter);
        }
        return editor;
    }
};

} // namespace

UitslagenTabel::UitslagenTabel(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new ScoreDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    setWordWrap(false);
}

void UitslagenTabel::GaNaarWedstrijd(int rij)
{
    const auto* uitslagen = qobject_cast<const UitslagenModel*>(model());
    if (!uitslagen || rij < 0 || rij >= uitslagen->AantalWedstrijden())
        return;
    const QModelIndex cel = model()->index(rij, UitslagenModel::Doelpunten1);
    setCurrentIndex(cel);
    scrollTo(cel);
}

void UitslagenTabel::VolgendeWedstrijd()
{
    const QModelIndex huidig = currentIndex();
    GaNaarWedstrijd(huidig.isValid() ? huidig.row() + 1 : 0);
}

void UitslagenTabel::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter commits the score with the hint to submit; go on to the next match instead.
    const bool verder = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, verder ? QAbstractItemDelegate::NoHint : hint);
    if (verder)
        VolgendeWedstrijd();
}

void UitslagenTabel::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && state() != QAbstractItemView::EditingState) {
        VolgendeWedstrijd();
        event->accept();
        return;
    }
    // Delete and Backspace on a score that is not being edited empty it.
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && state() != QAbstractItemView::EditingState && currentIndex().isValid()
        && (model()->flags(currentIndex()) & Qt::ItemIsEditable)) {
        model()->setData(currentIndex(), QString(), Qt::EditRole);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
