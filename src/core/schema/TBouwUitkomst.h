#pragma once

#include <QString>

// What a schedule build reports back: success, or the Dutch reason it stopped.
struct TBouwUitkomst
{
    bool Gelukt = false;
    QString Reden;
    // Stopped because the organiser asked so; not a fault of the tournament.
    bool Geannuleerd = false;
};
