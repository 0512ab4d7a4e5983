#include "ui/indeling/TeamSleepGegevens.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace TeamSleepGegevens {

QMimeData* Maak(const QStringList& namen)
{
    QByteArray bytes;
    QDataStream stroom(&bytes, QIODevice::WriteOnly);
    stroom << namen;
    auto* gegevens = new QMimeData;
    gegevens->setData(QLatin1String(MimeType), bytes);
    return gegevens;
}

QStringList Lees(const QMimeData* gegevens)
{
    if (!gegevens || !gegevens->hasFormat(QLatin1String(MimeType)))
        return {};
    QStringList namen;
    QDataStream stroom(gegevens->data(QLatin1String(MimeType)));
    stroom >> namen;
    return namen;
}

} // namespace TeamSleepGegevens
