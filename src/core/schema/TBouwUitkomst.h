#pragma once

#include <QString>

// What a schedule build reports back: success, or the Dutch reason it stopped.
struct TBouwUitkomst
{
    bool Gelukt = false;
    QString Reden;
};
