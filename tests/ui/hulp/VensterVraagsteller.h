#pragma once

#include "hulp/ScriptVraagsteller.h"
#include "ui/indeling/TToevoegen.h"

#include <QList>
#include <optional>

// The scripted answers of the core tests, plus what only windows ask: the font dialog, the
// folder choice, and names typed into the real name dialog.
class VensterVraagsteller : public ScriptVraagsteller
{
public:
    QList<std::optional<TLettertype>> Lettertypen;
    QStringList Mappen;
    // When set, names are asked in this real dialog instead of taken from the script.
    TToevoegen* NaamDialoog = nullptr;

    std::optional<TLettertype> KiesLettertype(const TLettertype& huidig) override
    {
        Gevraagd.append({QStringLiteral("Lettertype"), {}, huidig.Naam, {}, {}});
        return Lettertypen.isEmpty() ? std::nullopt : Lettertypen.takeFirst();
    }
    QString KiesMap(const QString& titel) override
    {
        Gevraagd.append({QStringLiteral("Map"), titel, {}, {}, {}});
        return Mappen.isEmpty() ? QString() : Mappen.takeFirst();
    }
    QString VraagNaam() override
    {
        if (!NaamDialoog)
            return ScriptVraagsteller::VraagNaam();
        Gevraagd.append({QStringLiteral("Naam"), {}, {}, {}, {}});
        return NaamDialoog->VraagNaam();
    }
};
