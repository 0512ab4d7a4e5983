#include "core/bestand/UitloopGroep.h"

#include "core/bestand/ToernooiSleutel.h"

namespace UitloopGroep {

QString Regels(const TUitloop& uitloop)
{
    if (uitloop.isEmpty())
        return {};
    const QString sleutel = SleutelNaam(TToernooiSleutel::Uitloop).toString() + u'=';
    QString tekst;
    for (const TUitloopRegel& regel : uitloop) {
        tekst += sleutel + QString::number(regel.Ronde) + u',' + QString::number(regel.Minuten)
                 + QStringLiteral("\r\n");
    }
    return tekst + QStringLiteral("#\r\n");
}

void LeesRegel(TUitloop& uitloop, QStringView waarde)
{
    const qsizetype komma = waarde.indexOf(u',');
    if (komma < 0)
        return;
    const auto ronde = LeesGetal(waarde.first(komma));
    const auto minuten = LeesGetal(waarde.sliced(komma + 1));
    // The model keeps what is in range and in order of rounds.
    if (ronde && minuten)
        uitloop.append(TUitloopRegel{*ronde, *minuten});
}

} // namespace UitloopGroep
