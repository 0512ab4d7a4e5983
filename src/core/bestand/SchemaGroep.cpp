#include "core/bestand/SchemaGroep.h"

#include "core/bestand/ToernooiSleutel.h"
#include "core/model/TSchemaIndeling.h"

namespace SchemaGroep {

QString Regels(const TSchemaIndeling& indeling)
{
    if (indeling.Leeg())
        return {};
    const QString sleutel = SleutelNaam(TToernooiSleutel::SchemaPlek).toString() + u'=';
    QString tekst;
    for (const TSchemaPlek& plek : indeling.Plekken) {
        tekst += sleutel + QString::number(plek.Ronde) + u',' + QString::number(plek.Veld) + u','
                 + QString::number(plek.Keer) + u',' + plek.Tekst + QStringLiteral("\r\n");
    }
    return tekst + QStringLiteral("#\r\n");
}

void LeesRegel(TSchemaIndeling& indeling, QStringView waarde)
{
    // Three numbers, and the match text after the third comma (it may hold commas itself).
    TSchemaPlek plek;
    int* getallen[] = {&plek.Ronde, &plek.Veld, &plek.Keer};
    qsizetype begin = 0;
    for (int* getal : getallen) {
        const qsizetype komma = waarde.indexOf(u',', begin);
        if (komma < 0)
            return;
        const auto gelezen = LeesGetal(waarde.sliced(begin, komma - begin));
        if (!gelezen || *gelezen < 1)
            return;
        *getal = *gelezen;
        begin = komma + 1;
    }
    plek.Tekst = waarde.sliced(begin).toString();
    if (!plek.Tekst.isEmpty())
        indeling.Plekken.append(std::move(plek));
}

} // namespace SchemaGroep
