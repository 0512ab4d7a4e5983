#include "core/verbeteren/BewaardSchema.h"

#include "core/model/ToernooiModel.h"
#include "core/verbeteren/Regelcontrole.h"
#include "core/verbeteren/TSchemaOpzet.h"

#include <QHash>

#include <algorithm>
#include <tuple>
#include <utility>

namespace BewaardSchema {

namespace {

using TSleutel = std::pair<QString, int>; // match text and Keer

std::optional<TSchemaBoom> Past(QString* reden, const QString& waarom)
{
    if (reden)
        *reden = QStringLiteral("Het bewaarde schema past niet meer bij het toernooi: ") + waarom;
    return std::nullopt;
}

} // namespace

TSchemaIndeling Indeling(const TSchemaBoom& schema)
{
    TSchemaIndeling indeling;
    schema.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails&,
                                 const QString& tekst, int keer) {
        indeling.Plekken.append({schema.Ronden[r].Ronde, int(v) + 1, keer, tekst});
    });
    return indeling;
}

std::optional<TSchemaBoom> PasToe(const ToernooiModel& model, const TSchemaBoom& eigen,
                                  const TSchemaIndeling& indeling, QString* reden)
{
    QHash<TSleutel, TSchemaVeld> open;
    eigen.VoorElkeWedstrijd([&](std::size_t r, std::size_t v, const TWedstrijdDetails&,
                                const QString& tekst, int keer) {
        open.insert({tekst, keer}, eigen.Ronden[r].Velden[v]);
    });
    std::vector<TGeplaatsteWedstrijd> geplaatst;
    geplaatst.reserve(std::size_t(indeling.Plekken.size()));
    for (const TSchemaPlek& plek : indeling.Plekken) {
        const auto gevonden = open.constFind({plek.Tekst, plek.Keer});
        if (gevonden == open.cend())
            return Past(reden, QStringLiteral("de wedstrijd %1 hoort er niet (meer) bij.").arg(plek.Tekst));
        geplaatst.push_back({plek.Ronde, plek.Veld, *gevonden});
        open.erase(gevonden);
    }
    if (!open.isEmpty())
        return Past(reden, QStringLiteral("de wedstrijd %1 staat er niet in.").arg(open.cbegin().key().first));

    TSchemaBoom schema = MaakSchemaBoom(model, geplaatst);
    // Two matches of one text must stay in their order, or a result would move to the other.
    TSchemaIndeling gelezen = Indeling(schema);
    TSchemaIndeling verwacht = indeling;
    const auto opPlek = [](const TSchemaPlek& a, const TSchemaPlek& b) {
        return std::tie(a.Ronde, a.Veld) < std::tie(b.Ronde, b.Veld);
    };
    std::sort(verwacht.Plekken.begin(), verwacht.Plekken.end(), opPlek);
    if (gelezen != verwacht)
        return Past(reden, QStringLiteral("twee plaatsen of twee gelijke wedstrijden zijn verwisseld."));
    if (const QStringList regels = ControleerSchema(model, schema, model.Uitslagen()); !regels.isEmpty())
        return Past(reden, regels.constFirst());
    return schema;
}

} // namespace BewaardSchema
