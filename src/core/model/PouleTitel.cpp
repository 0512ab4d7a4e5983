#include "core/model/PouleTitel.h"

QString PouleTitel(const QString& pouleNaam, const QString& woord)
{
    const bool heeftWoord = pouleNaam.startsWith(woord, Qt::CaseInsensitive)
                            && (pouleNaam.size() == woord.size() || pouleNaam.at(woord.size()).isSpace());
    return heeftWoord ? pouleNaam : woord + u' ' + pouleNaam;
}
