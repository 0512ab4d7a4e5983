#include "uitwisseling/HtmlSchema.h"

namespace HtmlSchema {

QByteArray Schrijf(const ToernooiModel& model, const TSchemaBoom& boom, const TWedstrijdDag* dag)
{
    Q_UNUSED(model);
    Q_UNUSED(boom);
    Q_UNUSED(dag);
    return {};
}

} // namespace HtmlSchema
