#include "core/model/Tijdstempel.h"

namespace Tijdstempel {

QLocale Locale(const QLocale& systeem)
{
    if (systeem.language() == QLocale::C)
        return QLocale(QLocale::Dutch, QLocale::Netherlands);
    return systeem;
}

QString DatumTijd(const QDateTime& moment, const QLocale& locale)
{
    // One format for the whole moment, so that a time zone in the long time format is the
    // moment's own (a test passes a fixed UTC time and gets the same text everywhere).
    const QString formaat =
        locale.dateFormat(QLocale::ShortFormat) + u' ' + locale.timeFormat(QLocale::LongFormat);
    return locale.toString(moment, formaat);
}

} // namespace Tijdstempel
