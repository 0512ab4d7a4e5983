#include "bestand/ToernooiSleutel.h"

#include <QHash>

namespace {

// Every exact key of the key table. A key that contains ".LETTERTYPE." can equal none of
// them, so testing the font row by itself and then the exact rows keeps the table order.
const QHash<QString, TToernooiSleutel>& SleutelTabel()
{
    static const QHash<QString, TToernooiSleutel> tabel{
        {QStringLiteral("TOERNOOINAAM"), TToernooiSleutel::ToernooiNaam},
        {QStringLiteral("STARTDATUM"), TToernooiSleutel::StartDatum},
        {QStringLiteral("AANTALDAGEN"), TToernooiSleutel::AantalDagen},
        {QStringLiteral("DELENPERDAGEN"), TToernooiSleutel::DelenPerDagen},
        {QStringLiteral("GEWONEVELDEN"), TToernooiSleutel::GewoneVelden},
        {QStringLiteral("SPECIALEVELDEN"), TToernooiSleutel::SpecialeVelden},
        {QStringLiteral("BEGINTIJD"), TToernooiSleutel::BeginTijd},
        {QStringLiteral("EINDTIJD"), TToernooiSleutel::EindTijd},
        {QStringLiteral("DUURWEDSTRIJD"), TToernooiSleutel::DuurWedstrijd},
        {QStringLiteral("PAUZE"), TToernooiSleutel::Pauze},
        {QStringLiteral("GEENWEDSTRIJD"), TToernooiSleutel::GeenWedstrijd},
        {QStringLiteral("POULENAAM"), TToernooiSleutel::PouleNaam},
        {QStringLiteral("COMPETITIETYPE"), TToernooiSleutel::CompetitieType},
        {QStringLiteral("KRUISPOULE"), TToernooiSleutel::KruisPoule},
        {QStringLiteral("KRUISPOULECOMPETITIETYPE"), TToernooiSleutel::KruisPouleCompetitieType},
        {QStringLiteral("MINIMALERUST"), TToernooiSleutel::MinimaleRust},
        {QStringLiteral("TEAMNAAM"), TToernooiSleutel::TeamNaam},
        {QStringLiteral("CLUBNAAM"), TToernooiSleutel::ClubNaam},
        {QStringLiteral("CLUBADRES"), TToernooiSleutel::ClubAdres},
        {QStringLiteral("CLUBPOSTCODEPLAATS"), TToernooiSleutel::ClubPostcodePlaats},
        {QStringLiteral("CLUBTELEFOON"), TToernooiSleutel::ClubTelefoon},
        {QStringLiteral("CLUBFAX"), TToernooiSleutel::ClubFax},
        {QStringLiteral("BEGELEIDERNAAM"), TToernooiSleutel::BegeleiderNaam},
        {QStringLiteral("BEGELEIDERADRES"), TToernooiSleutel::BegeleiderAdres},
        {QStringLiteral("BEGELEIDERPOSTCODEPLAATS"), TToernooiSleutel::BegeleiderPostcodePlaats},
        {QStringLiteral("BEGELEIDERTELEFOON"), TToernooiSleutel::BegeleiderTelefoon},
        {QStringLiteral("BEGELEIDERFAX"), TToernooiSleutel::BegeleiderFax},
    };
    return tabel;
}

} // namespace

TToernooiSleutel ZoekToernooiSleutel(const QString& hoofdSleutel)
{
    return SleutelTabel().value(hoofdSleutel, TToernooiSleutel::Geen);
}

TToernooiSleutel ZoekLosTeamSleutel(const QString& hoofdSleutel)
{
    if (!hoofdSleutel.startsWith(QLatin1StringView("LOS")))
        return TToernooiSleutel::Geen;
    const TToernooiSleutel sleutel = ZoekToernooiSleutel(hoofdSleutel.sliced(3));
    if (sleutel < TToernooiSleutel::TeamNaam || sleutel > TToernooiSleutel::BegeleiderFax)
        return TToernooiSleutel::Geen;
    return sleutel;
}

bool IsBekendeSleutel(const QString& hoofdSleutel)
{
    return (hoofdSleutel.size() > 1 && hoofdSleutel.sliced(1).contains(u".LETTERTYPE.")) ||
           ZoekToernooiSleutel(hoofdSleutel) != TToernooiSleutel::Geen ||
           ZoekLosTeamSleutel(hoofdSleutel) != TToernooiSleutel::Geen;
}
