#pragma once

#include <QList>
#include <QString>

// Where each match of a schedule stands, kept with the tournament once the organiser improved
// the schedule or moved a match by hand. A match is named as the results name it: its text and
// whether it is the first or second match with that text (Keer). Empty: the schedule is the
// builder's own.
struct TSchemaPlek
{
    int Ronde = 0;
    int Veld = 0;
    int Keer = 1;
    QString Tekst;
    friend bool operator==(const TSchemaPlek&, const TSchemaPlek&) = default;
};

struct TSchemaIndeling
{
    QList<TSchemaPlek> Plekken;
    [[nodiscard]] bool Leeg() const { return Plekken.isEmpty(); }
    friend bool operator==(const TSchemaIndeling&, const TSchemaIndeling&) = default;
};
