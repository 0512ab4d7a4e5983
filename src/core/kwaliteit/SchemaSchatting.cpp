#include "core/kwaliteit/SchemaSchatting.h"

#include "core/model/ToernooiModel.h"

namespace {

QString Getal(qint64 waarde)
{
    return QString::number(waarde);
}

} // namespace

TSchemaSchatting SchatSchema(const ToernooiModel& model)
{
    TSchemaSchatting schatting;
    schatting.Ondergrens = BerekenOndergrens(model);
    if (!schatting.Ondergrens.PastNiet())
        schatting.VroegsteEinde = RondeEinde(model.Velden(), schatting.Ondergrens.Ronden);
    return schatting;
}

QString TSchemaSchatting::Tekst() const
{
    const TOndergrens& grens = Ondergrens;
    if (grens.Wedstrijden == 0)
        return {};
    if (grens.PastNiet()) {
        return QStringLiteral("Te weinig plaats: ronde 1 tot en met ") +
               Getal(VeldenEnRonden::OpgeslagenRijen) + QStringLiteral(" bieden ") +
               Getal(grens.Plaatsen) + QStringLiteral(" plaatsen op de velden voor ") +
               Getal(grens.Wedstrijden) + QStringLiteral(" wedstrijden.");
    }
    QString tekst =
        QStringLiteral("Minimaal ") + Getal(grens.Ronden) + QStringLiteral(" ronden nodig");
    if (grens.Ronden > VeldenEnRonden::OpgeslagenRijen) {
        return tekst + QStringLiteral(", meer dan de ") + Getal(VeldenEnRonden::OpgeslagenRijen) +
               QStringLiteral(" ronden die het schema kan bevatten.");
    }
    if (!VroegsteEinde.Tijd.isEmpty()) {
        tekst += QStringLiteral(", op zijn vroegst klaar op dag ") + VroegsteEinde.Dag +
                 QStringLiteral(" om ") + VroegsteEinde.Tijd;
    }
    return tekst + u'.';
}
