#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest print Qt strings in failure messages as text.
inline void PrintTo(const QString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.toStdString() << '"';
}
