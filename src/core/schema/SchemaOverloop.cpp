#include "core/schema/SchemaOverloop.h"

#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/TUitslagen.h"

#include <QHash>

namespace {

// Round and field of every match of a schedule, by "Keer|match text" as the results name it.
QHash<QString, std::pair<std::size_t, std::size_t>> Plaatsen(const TSchemaBoom& boom)
{
    QHash<QString, std::pair<std::size_t, std::size_t>> plaatsen;
    boom.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails&,
                               const QString& tekst, int keer) {
        plaatsen.insert(QString::number(keer) + u'|' + tekst, {r, v});
    });
    return plaatsen;
}

} // namespace

QString SchemaOverloop(const TSchemaBoom& boom, const VeldenEnRonden& velden)
{
    const int ronden = int(boom.Ronden.size());
    const int gepland = velden.GeplandeRonden();
    if (ronden <= gepland)
        return {};
    QString tekst = QStringLiteral("Het schema loopt door tot na de laatste dag: ");
    tekst += ronden == gepland + 1
                 ? QStringLiteral("ronde %1 valt").arg(ronden)
                 : QStringLiteral("de ronden %1 tot en met %2 vallen").arg(gepland + 1).arg(ronden);
    tekst += QStringLiteral(" na het laatste dagdeel van het toernooi");
    const int metKop = VeldenEnRonden::GetoondeRijen - 1;
    if (ronden > metKop)
        tekst += QStringLiteral(", en de ronden na ronde %1 hebben geen dag en tijd").arg(metKop);
    return tekst + u'.';
}

int VerplaatsteGespeeld(const TSchemaBoom& oud, const TSchemaBoom& nieuw,
                        const TUitslagen& uitslagen)
{
    if (oud.Leeg() || uitslagen.Lijst().empty())
        return 0;
    const auto voor = Plaatsen(oud);
    const auto na = Plaatsen(nieuw);
    int verplaatst = 0;
    for (const TUitslag& uitslag : uitslagen.Lijst()) {
        const QString sleutel = QString::number(uitslag.Keer) + u'|' + uitslag.Wedstrijd;
        const auto plek = voor.constFind(sleutel);
        if (plek != voor.cend() && na.value(sleutel, {SIZE_MAX, SIZE_MAX}) != *plek)
            ++verplaatst;
    }
    return verplaatst;
}
