#include "core/programma/Venstertitel.h"

QString Venstertitel(const QString& toernooiNaam)
{
    if (toernooiNaam.isEmpty())
        return QStringLiteral("Rondoplan");
    return QStringLiteral("Rondoplan (") + toernooiNaam + u')';
}
