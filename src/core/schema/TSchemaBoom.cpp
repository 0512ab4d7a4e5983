#include "core/schema/TSchemaBoom.h"

#include "core/model/VeldenEnRonden.h"

QString TSchemaBoom::AlsTekst(const VeldenEnRonden* rondeKoppen) const
{
    QString tekst;
    for (const TSchemaRonde& ronde : Ronden) {
        tekst += ronde.Tekst;
        if (rondeKoppen)
            tekst += u'\t' + rondeKoppen->RondeKop(ronde.Ronde);
        tekst += u'\n';
        for (const TSchemaVeld& veld : ronde.Velden)
            tekst += QStringLiteral("  ") + veld.Tekst + u'\n';
    }
    return tekst;
}

QString TSchemaBoom::WedstrijdTekst(const QString& slot)
{
    const qsizetype dubbelepunt = slot.indexOf(u": ");
    return dubbelepunt < 0 ? slot : slot.sliced(dubbelepunt + 2);
}
