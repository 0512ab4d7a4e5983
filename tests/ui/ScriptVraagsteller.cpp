#include "ScriptVraagsteller.h"

#include "TToevoegen.h"

void ScriptVraagsteller::Melding(const QString& titel, const QString& tekst)
{
    Gesteld.append({titel, tekst});
}

bool ScriptVraagsteller::VraagJaNee(const QString& titel, const QString& tekst)
{
    Gesteld.append({titel, tekst});
    if (Antwoorden.isEmpty()) {
        Onverwacht.append(titel + QStringLiteral(": ") + tekst);
        return false;
    }
    return Antwoorden.takeFirst();
}

TAntwoord ScriptVraagsteller::VraagJaNeeAnnuleren(const QString& titel, const QString& tekst)
{
    Gesteld.append({titel, tekst});
    if (Keuzes.isEmpty()) {
        Onverwacht.append(titel + QStringLiteral(": ") + tekst);
        return TAntwoord::Annuleren;
    }
    return Keuzes.takeFirst();
}

QString ScriptVraagsteller::VraagNaam()
{
    if (NaamDialoog)
        return NaamDialoog->VraagNaam();
    if (Namen.isEmpty()) {
        Onverwacht.append(QStringLiteral("VraagNaam"));
        return {};
    }
    return Namen.takeFirst();
}

QString ScriptVraagsteller::KiesTeOpenenBestand(const QString&, const QString&,
                                                const QString& startMap)
{
    StartMappen.append(startMap);
    if (Bestanden.isEmpty()) {
        Onverwacht.append(QStringLiteral("KiesTeOpenenBestand"));
        return {};
    }
    return Bestanden.takeFirst();
}

QString ScriptVraagsteller::KiesOpTeSlaanBestand(const QString&, const QString&,
                                                 const QString& startMap)
{
    StartMappen.append(startMap);
    if (Bestanden.isEmpty()) {
        Onverwacht.append(QStringLiteral("KiesOpTeSlaanBestand"));
        return {};
    }
    return Bestanden.takeFirst();
}
