#pragma once

#include <QString>

// Test texts are written as UTF-8 literals: T("Poule É").
inline QString T(const char* tekst)
{
    return QString::fromUtf8(tekst);
}
