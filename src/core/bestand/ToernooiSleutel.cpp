#include "core/bestand/ToernooiSleutel.h"

#include <QHash>
#include <limits>

namespace {

struct TSleutelSpelling
{
    TToernooiSleutel Sleutel;
    QStringView Naam;
};

// Every exact key with its spelling, in the order of the enum.
constexpr TSleutelSpelling Spellingen[] = {
    {TToernooiSleutel::ToernooiNaam, u"ToernooiNaam"},
    {TToernooiSleutel::StartDatum, u"StartDatum"},
    {TToernooiSleutel::AantalDagen, u"AantalDagen"},
    {TToernooiSleutel::DelenPerDagen, u"DelenPerDagen"},
    {TToernooiSleutel::GewoneVelden, u"GewoneVelden"},
    {TToernooiSleutel::SpecialeVelden, u"SpecialeVelden"},
    {TToernooiSleutel::BeginTijd, u"BeginTijd"},
    {TToernooiSleutel::EindTijd, u"EindTijd"},
    {TToernooiSleutel::DuurWedstrijd, u"DuurWedstrijd"},
    {TToernooiSleutel::Pauze, u"Pauze"},
    {TToernooiSleutel::GeenWedstrijd, u"GeenWedstrijd"},
    {TToernooiSleutel::PouleNaam, u"PouleNaam"},
    {TToernooiSleutel::CompetitieType, u"CompetitieType"},
    {TToernooiSleutel::KruisPoule, u"KruisPoule"},
    {TToernooiSleutel::KruisPouleCompetitieType, u"KruisPouleCompetitieType"},
    {TToernooiSleutel::MinimaleRust, u"MinimaleRust"},
    {TToernooiSleutel::TeamNaam, u"TeamNaam"},
    {TToernooiSleutel::ClubNaam, u"ClubNaam"},
    {TToernooiSleutel::ClubAdres, u"ClubAdres"},
    {TToernooiSleutel::ClubPostcodePlaats, u"ClubPostcodePlaats"},
    {TToernooiSleutel::ClubTelefoon, u"ClubTelefoon"},
    {TToernooiSleutel::ClubFax, u"ClubFax"},
    {TToernooiSleutel::BegeleiderNaam, u"BegeleiderNaam"},
    {TToernooiSleutel::BegeleiderAdres, u"BegeleiderAdres"},
    {TToernooiSleutel::BegeleiderPostcodePlaats, u"BegeleiderPostcodePlaats"},
    {TToernooiSleutel::BegeleiderTelefoon, u"BegeleiderTelefoon"},
    {TToernooiSleutel::BegeleiderFax, u"BegeleiderFax"},
    {TToernooiSleutel::Punten, u"Punten"},
    {TToernooiSleutel::Loting, u"Loting"},
    {TToernooiSleutel::Uitslag, u"Uitslag"},
    {TToernooiSleutel::UitslagVervallen, u"UitslagVervallen"},
    {TToernooiSleutel::UitslagTeam1, u"UitslagTeam1"},
    {TToernooiSleutel::UitslagTeam2, u"UitslagTeam2"},
    {TToernooiSleutel::SchemaPlek, u"SchemaPlek"},
    {TToernooiSleutel::Uitloop, u"Uitloop"},
    {TToernooiSleutel::ScheidsrechterTeams, u"ScheidsrechterTeams"},
    {TToernooiSleutel::ScheidsrechterPoule, u"ScheidsrechterPoule"},
    {TToernooiSleutel::Scheidsrechter, u"Scheidsrechter"},
    {TToernooiSleutel::ScheidsrechterAfwezig, u"ScheidsrechterAfwezig"},
    {TToernooiSleutel::ScheidsrechterWedstrijden, u"ScheidsrechterWedstrijden"},
    {TToernooiSleutel::ScheidsrechterRust, u"ScheidsrechterRust"},
    {TToernooiSleutel::ScheidsrechterEigenClub, u"ScheidsrechterEigenClub"},
    {TToernooiSleutel::Fluiter, u"Fluiter"},
    {TToernooiSleutel::Fluit, u"Fluit"},
};

// Each row must sit at its enum value less one, so SleutelNaam can index the table.
constexpr bool OpVolgorde()
{
    int i = 1;
    for (const TSleutelSpelling& rij : Spellingen) {
        if (int(rij.Sleutel) != i++)
            return false;
    }
    return i == int(TToernooiSleutel::Fluit) + 1;
}
static_assert(OpVolgorde(), "the spellings follow the order of TToernooiSleutel");

// The upper-cased spellings, as the reader looks keys up. A key that contains
// ".LETTERTYPE." can equal none of them, so testing the font row by itself and then the
// exact rows keeps the table order.
const QHash<QString, TToernooiSleutel>& SleutelTabel()
{
    static const QHash<QString, TToernooiSleutel> tabel = [] {
        QHash<QString, TToernooiSleutel> t;
        t.reserve(std::size(Spellingen));
        for (const TSleutelSpelling& rij : Spellingen)
            t.insert(HoofdLetters(rij.Naam), rij.Sleutel);
        return t;
    }();
    return tabel;
}

} // namespace

QStringView SleutelNaam(TToernooiSleutel sleutel)
{
    const int i = int(sleutel) - 1;
    if (i < 0 || i >= int(std::size(Spellingen)))
        return {};
    return Spellingen[i].Naam;
}

QString HoofdLetters(QStringView tekst)
{
    QString uit = tekst.toString();
    for (QChar& c : uit) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return uit;
}

std::optional<int> LeesGetal(QStringView waarde)
{
    qsizetype i = 0;
    while (i < waarde.size() && waarde[i] == u' ')
        ++i;
    bool negatief = false;
    if (i < waarde.size() && (waarde[i] == u'+' || waarde[i] == u'-')) {
        negatief = waarde[i] == u'-';
        ++i;
    }
    if (i >= waarde.size())
        return std::nullopt;
    qint64 getal = 0;
    for (; i < waarde.size(); ++i) {
        const char16_t c = waarde[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        getal = getal * 10 + (c - u'0');
        if (getal > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negatief)
        getal = -getal;
    if (getal < std::numeric_limits<int>::min() || getal > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(getal);
}

TToernooiSleutel ZoekToernooiSleutel(const QString& hoofdSleutel)
{
    return SleutelTabel().value(hoofdSleutel, TToernooiSleutel::Geen);
}

TToernooiSleutel ZoekLosTeamSleutel(const QString& hoofdSleutel)
{
    static const QString los = HoofdLetters(LosVoorvoegsel);
    if (!hoofdSleutel.startsWith(los))
        return TToernooiSleutel::Geen;
    const TToernooiSleutel sleutel = ZoekToernooiSleutel(hoofdSleutel.sliced(los.size()));
    if (sleutel < TToernooiSleutel::TeamNaam || sleutel > TToernooiSleutel::BegeleiderFax)
        return TToernooiSleutel::Geen;
    return sleutel;
}

bool IsLettertypeSleutel(QStringView hoofdSleutel)
{
    static const QString tussenstuk = HoofdLetters(LettertypeTussenstuk);
    return hoofdSleutel.size() > 1 && hoofdSleutel.sliced(1).contains(tussenstuk);
}

bool IsBekendeSleutel(const QString& hoofdSleutel)
{
    const TToernooiSleutel sleutel = ZoekToernooiSleutel(hoofdSleutel);
    return IsLettertypeSleutel(hoofdSleutel) ||
           (sleutel != TToernooiSleutel::Geen && !IsAchterSleutel(sleutel)) ||
           ZoekLosTeamSleutel(hoofdSleutel) != TToernooiSleutel::Geen;
}
