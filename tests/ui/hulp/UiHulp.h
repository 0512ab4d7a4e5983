#pragma once

#include "core/model/ToernooiModel.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/indeling/PouleGroep.h"
#include "ui/indeling/PouleLijstBoom.h"
#include "ui/indeling/TeamGroep.h"
#include "ui/indeling/TeamLijstLijst.h"
#include "ui/programma/TForm1.h"

#include <QListWidget>
#include <QPushButton>

// Shared steps of the window suites: adding through the real buttons with scripted names,
// and reading what the lists show.
namespace UiHulp {

using ::T;

inline void VoegTeamsToe(TForm1& form, ScriptVraagsteller& vraagsteller, const QStringList& namen)
{
    for (const QString& naam : namen) {
        vraagsteller.Naam(naam);
        form.Teams()->TeamToevoegen()->click();
    }
}

inline void VoegPoulesToe(TForm1& form, ScriptVraagsteller& vraagsteller, const QStringList& namen)
{
    for (const QString& naam : namen) {
        vraagsteller.Naam(naam);
        form.Poules()->PouleToevoegen()->click();
    }
}

// Selects exactly these teams in TeamLijst, the last one focused.
inline void KiesTeams(TForm1& form, const QStringList& namen)
{
    TeamLijstLijst* lijst = form.Teams()->TeamLijst();
    lijst->clearSelection();
    for (int rij = 0; rij < lijst->count(); ++rij) {
        if (namen.contains(lijst->item(rij)->text())) {
            lijst->setCurrentRow(rij, QItemSelectionModel::Select);
        }
    }
}

// The teams of a poule as the tree shows them.
inline QStringList TeamsInBoom(TForm1& form, int poule)
{
    QStringList namen;
    const QTreeWidgetItem* item = form.Poules()->PouleLijst()->topLevelItem(poule);
    for (int i = 0; item && i < item->childCount(); ++i)
        namen.append(item->child(i)->text(0));
    return namen;
}

inline QStringList TeamsInPoule(TForm1& form)
{
    QStringList rijen;
    const QListWidget* lijst = form.Teams()->TeamsInPoule();
    for (int rij = 0; rij < lijst->count(); ++rij)
        rijen.append(lijst->item(rij)->text());
    return rijen;
}

} // namespace UiHulp
