#pragma once

#include "core/model/TTeamDetails.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class ToernooiModel;

// One row of an imported team list as the preview shows it.
struct TImportRij
{
    int Regel = 0;             // line of the file the row starts on
    TTeamDetails Team{QString()};
    QString Poule;             // the poule's name as the tournament (or the list's first row
                               // naming it) spells it; empty when the row names none
    bool Geaccepteerd = false;
    QString Reden;             // why the row is refused, or a note on an accepted row
};

// What an import of a team list would do, computed without touching the model.
struct TImportVoorbeeld
{
    QList<TImportRij> Rijen;
    QStringList NieuwePoules;  // poules to create, in file order
    QString Fout;              // the whole list cannot be read; nothing will be added
    int FoutRegel = 0;
    QString Waarschuwing;      // the encoding was guessed: names may read wrongly

    [[nodiscard]] int AantalGeaccepteerd() const;
};

// Import of teams from a spreadsheet list (CSV or pasted rows). The first row names the
// columns; the names are recognised with letter case and spaces ignored.
namespace TeamImport {

// A value longer than this (a name, an address) is no name: its row is refused.
constexpr qsizetype MaxVeldLengte = 200;

[[nodiscard]] TImportVoorbeeld Voorbeeld(const ToernooiModel& model, QByteArrayView bytes);
[[nodiscard]] TImportVoorbeeld Voorbeeld(const ToernooiModel& model, const QString& tekst);

// Adds the accepted rows through the model's own operations: the teams, then the missing
// poules after the existing ones, then every team into its poule in file order. Control
// characters are left out of every value (the preview shows the names without them).
void Pas(ToernooiModel& model, const TImportVoorbeeld& voorbeeld);

} // namespace TeamImport
