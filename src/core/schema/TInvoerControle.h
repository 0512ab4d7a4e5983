#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ToernooiModel;

// The check of the input before a build: teams outside every poule are warnings, a missing
// poule or a poule of fewer than two teams is an error. Errors stop the build; warnings are
// shown and the build goes on.
struct TInvoerControle
{
    enum class TSoort
    {
        Waarschuwing,
        Fout,
        Slot
    };

    struct TRegel
    {
        TSoort Soort;
        QString Tekst;
    };

    // In the order of the error list, ended by the closing line when there is anything at all.
    QList<TRegel> Regels;

    [[nodiscard]] bool HeeftFouten() const;
    [[nodiscard]] bool HeeftWaarschuwingen() const;
    // True when there is no error; warnings alone still allow the build.
    [[nodiscard]] bool MagBouwen() const { return !HeeftFouten(); }
    [[nodiscard]] QStringList Teksten() const;
};

// Checks the poule tree and the team lists as they stand.
[[nodiscard]] TInvoerControle ControleerInvoer(const ToernooiModel& model);
