#include "core/programma/ProgrammaVersie.h"

QString ProgrammaVersie()
{
    return QStringLiteral(RONDOPLAN_VERSIE);
}
