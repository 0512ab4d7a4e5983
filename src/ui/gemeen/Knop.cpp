#include "ui/gemeen/Knop.h"

#include <QVariant>

namespace {

constexpr char HelpContextEigenschap[] = "helpContext";

} // namespace

QPushButton* MaakKnop(const QString& naam, const QString& tekst, const QString& hint,
                      int helpContext, QWidget* ouder)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(naam);
    if (!hint.isEmpty())
        knop->setToolTip(hint);
    if (helpContext > 0)
        ZetHelpContext(knop, helpContext);
    return knop;
}

void ZetHelpContext(QWidget* widget, int context)
{
    widget->setProperty(HelpContextEigenschap, context);
}

int HelpContextVan(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property(HelpContextEigenschap);
        if (context.isValid())
            return context.toInt();
    }
    return 0;
}
