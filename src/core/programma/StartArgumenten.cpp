#include "core/programma/StartArgumenten.h"

namespace StartArgumenten {

namespace {

// Only a to z are raised, as the program name test has always done; other letters keep
// their case.
QString HoofdlettersAtotZ(const QString& tekst)
{
    QString uit = tekst;
    for (QChar& c : uit) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return uit;
}

} // namespace

QString VoegSamen(const QStringList& argumenten)
{
    return argumenten.join(u' ');
}

QString StartBestand(const QStringList& argumenten)
{
    if (argumenten.isEmpty())
        return {};
    const QString samen = VoegSamen(argumenten);
    if (HoofdlettersAtotZ(samen).contains(QLatin1String("RONDOPLAN.EXE")))
        return {};
    return samen;
}

TStartOptie Optie(const QStringList& argumenten)
{
    if (argumenten.size() != 1)
        return TStartOptie::Geen;
    const QString& argument = argumenten.constFirst();
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
        return TStartOptie::Hulp;
    if (argument == QLatin1String("--version"))
        return TStartOptie::Versie;
    return TStartOptie::Geen;
}

} // namespace StartArgumenten
