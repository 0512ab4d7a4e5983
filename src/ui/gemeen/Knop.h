#pragma once

#include <QPushButton>

// A push button with its name, hint and help context (used by F1 while it has the focus).
QPushButton* MaakKnop(const QString& naam, const QString& tekst, const QString& hint,
                      int helpContext, QWidget* ouder);

// The help context of a widget: its own, or the nearest one of its parents; 0 when none.
[[nodiscard]] int HelpContextVan(const QWidget* widget);
void ZetHelpContext(QWidget* widget, int context);
