#pragma once

#include <QList>
#include <QString>

// Begin and end time of one day part, each five characters "uu:mm".
struct TDagDeel
{
    QString Begin;
    QString Eind;

    friend bool operator==(const TDagDeel&, const TDagDeel&) = default;
};

using TDagTijden = QList<TDagDeel>;
