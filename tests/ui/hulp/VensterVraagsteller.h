#pragma once

#include "hulp/ScriptVraagsteller.h"

#include <QList>
#include <optional>

// The scripted answers of the core tests, plus the font dialog and the folder choice.
class VensterVraagsteller : public ScriptVraagsteller
{
public:
    QList<std::optional<TLettertype>> Lettertypen;
    QStringList Mappen;

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
};
