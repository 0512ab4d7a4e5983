#pragma once

#include "core/model/TScheidsrechters.h"

#include <QString>

class TScheidsOpzet;

// The assignment as text, UTF-8 and TAB-separated: one line per match in schedule order,
// "<round>\t<field>\t<match text>\t<referee>" (empty without one), an empty line, then one line
// per referee in the order of the referee list, "<name>\t<number of matches>". A name of the
// assignment that is no referee of the list follows the list. A match has the referee whose
// entry names its round, field, Keer and text.
[[nodiscard]] QString ScheidsrechterLijst(const TScheidsOpzet& opzet, const QList<TScheidsToewijzing>& toewijzingen);
