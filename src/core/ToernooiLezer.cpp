#include "ToernooiLezer.h"

#include "Tekstcodering.h"
#include "ToernooiModel.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace ToernooiLezer {

namespace {

enum class Sleutel
{
    Geen,
    ToernooiNaam,
    StartDatum,
    AantalDagen,
    DelenPerDagen,
    GewoneVelden,
    SpecialeVelden,
    BeginTijd,
    EindTijd,
    DuurWedstrijd,
    Pauze,
    GeenWedstrijd,
    PouleNaam,
    CompetitieType,
    KruisPoule,
    KruisPouleCompetitieType,
    MinimaleRust,
    TeamNaam,
    ClubNaam,
    ClubAdres,
    ClubPostcodePlaats,
    ClubTelefoon,
    ClubFax,
    BegeleiderNaam,
    BegeleiderAdres,
    BegeleiderPostcodePlaats,
    BegeleiderTelefoon,
    BegeleiderFax,
};

// Every exact key of the key table. A key that contains ".LETTERTYPE." can equal none of
// them, so testing the font row by itself and then the exact rows keeps the table order.
const QHash<QString, Sleutel>& SleutelTabel()
{
    static const QHash<QString, Sleutel> tabel{
        {QStringLiteral("TOERNOOINAAM"), Sleutel::ToernooiNaam},
        {QStringLiteral("STARTDATUM"), Sleutel::StartDatum},
        {QStringLiteral("AANTALDAGEN"), Sleutel::AantalDagen},
        {QStringLiteral("DELENPERDAGEN"), Sleutel::DelenPerDagen},
        {QStringLiteral("GEWONEVELDEN"), Sleutel::GewoneVelden},
        {QStringLiteral("SPECIALEVELDEN"), Sleutel::SpecialeVelden},
        {QStringLiteral("BEGINTIJD"), Sleutel::BeginTijd},
        {QStringLiteral("EINDTIJD"), Sleutel::EindTijd},
        {QStringLiteral("DUURWEDSTRIJD"), Sleutel::DuurWedstrijd},
        {QStringLiteral("PAUZE"), Sleutel::Pauze},
        {QStringLiteral("GEENWEDSTRIJD"), Sleutel::GeenWedstrijd},
        {QStringLiteral("POULENAAM"), Sleutel::PouleNaam},
        {QStringLiteral("COMPETITIETYPE"), Sleutel::CompetitieType},
        {QStringLiteral("KRUISPOULE"), Sleutel::KruisPoule},
        {QStringLiteral("KRUISPOULECOMPETITIETYPE"), Sleutel::KruisPouleCompetitieType},
        {QStringLiteral("MINIMALERUST"), Sleutel::MinimaleRust},
        {QStringLiteral("TEAMNAAM"), Sleutel::TeamNaam},
        {QStringLiteral("CLUBNAAM"), Sleutel::ClubNaam},
        {QStringLiteral("CLUBADRES"), Sleutel::ClubAdres},
        {QStringLiteral("CLUBPOSTCODEPLAATS"), Sleutel::ClubPostcodePlaats},
        {QStringLiteral("CLUBTELEFOON"), Sleutel::ClubTelefoon},
        {QStringLiteral("CLUBFAX"), Sleutel::ClubFax},
        {QStringLiteral("BEGELEIDERNAAM"), Sleutel::BegeleiderNaam},
        {QStringLiteral("BEGELEIDERADRES"), Sleutel::BegeleiderAdres},
        {QStringLiteral("BEGELEIDERPOSTCODEPLAATS"), Sleutel::BegeleiderPostcodePlaats},
        {QStringLiteral("BEGELEIDERTELEFOON"), Sleutel::BegeleiderTelefoon},
        {QStringLiteral("BEGELEIDERFAX"), Sleutel::BegeleiderFax},
    };
    return tabel;
}

// True when the part occurs anywhere in the key except at its very first character.
bool BevatNaEerste(QStringView tekst, QStringView deel)
{
    return tekst.size() > 1 && tekst.sliced(1).contains(deel);
}

int GetalOf(QStringView waarde, int standaard)
{
    return LeesGetal(waarde).value_or(standaard);
}

// The working state of one load.
class Lezer
{
public:
    explicit Lezer(ToernooiModel& model)
        : m_model(model), m_lettertypen(model.Lettertypen()), m_dagDelen(model.DagTijden())
    {
    }

    void Begin()
    {
        // Steps 3 and 4. The new poules and teams are built aside and installed at the end.
        m_model.LeegPoulesEnTeams();
        m_model.ResetAlleVelden();
    }

    void Regel(QStringView regel);
    void Einde();

private:
    void Lettertype(QStringView sleutel, QStringView waarde, QStringView hoofdWaarde);
    // Settings that rebuild or refill the day parts run through the model; the day parts
    // collected from "BeginTijd="/"EindTijd=" lines go in first and are read back after.
    template <typename Zet> void Instelling(Zet zet)
    {
        ZetDagDelenInModel();
        zet();
        m_dagDelen = m_model.DagTijden();
    }
    void ZetDagDelenInModel()
    {
        if (!m_dagDelenGewijzigd)
            return;
        m_model.ZetDagDelen(m_dagDelen);
        m_dagDelen = m_model.DagTijden();
        m_dagDelenGewijzigd = false;
    }

    ToernooiModel& m_model;
    ToernooiModel::PouleLijstType m_poules;
    ToernooiModel::TeamLijstType m_teams;
    TPoule* m_huidigePoule = nullptr;
    TTeamDetails* m_huidigTeam = nullptr;
    int m_dagDeelAantal = 0;
    TLettertypen m_lettertypen;
    TLettertype* m_gekozenLettertype = nullptr;
    TDagTijden m_dagDelen;
    bool m_dagDelenGewijzigd = false;
};

void Lezer::Regel(QStringView regel)
{
    // 6.1 comment; 6.2 leading spaces; 6.3 key and value.
    if (regel.startsWith(u'#'))
        return;
    qsizetype begin = 0;
    while (begin < regel.size() && regel[begin] == u' ')
        ++begin;
    regel = regel.sliced(begin);
    const qsizetype is = regel.indexOf(u'=');
    if (is <= 0)
        return; // no "=", or an empty key: matches nothing
    const QString sleutel = HoofdLetters(regel.first(is));
    const QStringView waarde = regel.sliced(is + 1);

    if (BevatNaEerste(sleutel, u".LETTERTYPE.")) {
        Lettertype(sleutel, waarde, HoofdLetters(waarde));
        return;
    }

    const Sleutel soort = SleutelTabel().value(sleutel, Sleutel::Geen);
    TPouleDetails* poule = m_huidigePoule ? m_huidigePoule->Details.get() : nullptr;
    TTeamDetails* team = m_huidigTeam;
    switch (soort) {
    case Sleutel::Geen:
        return;
    case Sleutel::ToernooiNaam:
        m_model.ZetToernooiNaam(waarde.toString());
        return;
    case Sleutel::StartDatum:
        m_model.ZetStartDatum(waarde.toString());
        return;
    case Sleutel::AantalDagen:
        Instelling([&] { m_model.ZetAantalDelen(GetalOf(waarde, 1)); });
        return;
    case Sleutel::DelenPerDagen:
        Instelling([&] { m_model.ZetAantalDelenPerDag(GetalOf(waarde, 1)); });
        return;
    case Sleutel::GewoneVelden:
        m_model.ZetGewoneVelden(GetalOf(waarde, 1));
        return;
    case Sleutel::SpecialeVelden:
        m_model.ZetSpecialeVelden(GetalOf(waarde, 1));
        return;
    case Sleutel::BeginTijd: {
        // The table gets exactly "count" rows; rows it gains take this time as well.
        ++m_dagDeelAantal;
        const QString tijd = waarde.toString();
        if (m_dagDelen.size() > m_dagDeelAantal)
            m_dagDelen.resize(m_dagDeelAantal);
        while (m_dagDelen.size() < m_dagDeelAantal)
            m_dagDelen.append(TDagDeel{tijd, tijd});
        m_dagDelen.back() = TDagDeel{tijd, tijd};
        m_dagDelenGewijzigd = true;
        return;
    }
    case Sleutel::EindTijd:
        if (m_dagDeelAantal > 0 && m_dagDeelAantal <= m_dagDelen.size()) {
            m_dagDelen[m_dagDeelAantal - 1].Eind = waarde.toString();
            m_dagDelenGewijzigd = true;
        }
        return;
    case Sleutel::DuurWedstrijd:
        // The model keeps the duration and the pause at 0 or more.
        Instelling([&] { m_model.ZetDuurWedstrijd(GetalOf(waarde, 25)); });
        return;
    case Sleutel::Pauze:
        Instelling([&] { m_model.ZetPauze(GetalOf(waarde, 5)); });
        return;
    case Sleutel::GeenWedstrijd: {
        const qsizetype komma = waarde.indexOf(u',');
        if (komma < 0)
            return;
        const auto veld = LeesGetal(waarde.first(komma));
        const auto ronde = LeesGetal(waarde.sliced(komma + 1));
        if (!veld || !ronde || *veld <= 0 || *ronde <= 0)
            return;
        m_model.ZetVeldBeschikbaar(*veld, *ronde, false);
        return;
    }
    case Sleutel::PouleNaam:
        m_poules.push_back(std::make_unique<TPoule>(waarde.toString()));
        m_huidigePoule = m_poules.back().get();
        return; // the second row sets the same name again
    case Sleutel::CompetitieType:
        if (poule)
            poule->CompetitieType = HoofdLetters(waarde) == u"HELECOMPETITIE"
                                        ? TCompetitieType::HeleCompetitie
                                        : TCompetitieType::HalveCompetitie;
        return;
    case Sleutel::KruisPoule:
        if (poule)
            poule->KruisPouleNaam = waarde.toString();
        return;
    case Sleutel::KruisPouleCompetitieType:
        if (poule)
            poule->KruisPouleCompetitieType = HoofdLetters(waarde) == u"ENKELEWEDSTRIJDEN"
                                                  ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                                  : TKruisPouleCompetitieType::DubbeleWedstrijden;
        return;
    case Sleutel::MinimaleRust:
        // A negative rest would let a team play twice in one round.
        if (poule)
            poule->MinimaleRust = std::clamp(GetalOf(waarde, 1), ToernooiModel::MinMinimaleRust,
                                             ToernooiModel::MaxMinimaleRust);
        return;
    case Sleutel::TeamNaam:
        if (!m_huidigePoule) {
            // No poule to join: ignored, with the detail lines that follow it.
            m_huidigTeam = nullptr;
            return;
        }
        m_teams.push_back(std::make_unique<TTeamDetails>(waarde.toString()));
        m_huidigTeam = m_teams.back().get();
        m_huidigePoule->Teams.push_back(m_huidigTeam);
        return;
    default:
        break;
    }

    if (!team)
        return;
    QString TTeamDetails::*veld = nullptr;
    switch (soort) {
    case Sleutel::ClubNaam:
        veld = &TTeamDetails::ClubNaam;
        break;
    case Sleutel::ClubAdres:
        veld = &TTeamDetails::ClubAdres;
        break;
    case Sleutel::ClubPostcodePlaats:
        veld = &TTeamDetails::ClubPostcodePlaats;
        break;
    case Sleutel::ClubTelefoon:
        veld = &TTeamDetails::ClubTelefoon;
        break;
    case Sleutel::ClubFax:
        veld = &TTeamDetails::ClubFax;
        break;
    case Sleutel::BegeleiderNaam:
        veld = &TTeamDetails::BegeleiderNaam;
        break;
    case Sleutel::BegeleiderAdres:
        veld = &TTeamDetails::BegeleiderAdres;
        break;
    case Sleutel::BegeleiderPostcodePlaats:
        veld = &TTeamDetails::BegeleiderPostcodePlaats;
        break;
    case Sleutel::BegeleiderTelefoon:
        veld = &TTeamDetails::BegeleiderTelefoon;
        break;
    case Sleutel::BegeleiderFax:
        veld = &TTeamDetails::BegeleiderFax;
        break;
    default:
        return;
    }
    team->*veld = waarde.toString();
}

void Lezer::Lettertype(QStringView sleutel, QStringView waarde, QStringView hoofdWaarde)
{
    // 1. Select the font; later tests replace earlier ones; none keeps the last selection.
    if (sleutel.contains(u"HEADER."))
        m_gekozenLettertype = &m_lettertypen.HeaderFont;
    if (sleutel.contains(u"FOOTER."))
        m_gekozenLettertype = &m_lettertypen.FooterFont;
    if (sleutel.contains(u"TEKST."))
        m_gekozenLettertype = &m_lettertypen.TextFont;
    if (sleutel.contains(u"VETTEAM."))
        m_gekozenLettertype = &m_lettertypen.VetTeamFont;
    TLettertype* font = m_gekozenLettertype;
    if (!font)
        return; // a font line before any font was selected
    if (BevatNaEerste(sleutel, u".NAAM"))
        font->Naam = waarde.toString();
    if (BevatNaEerste(sleutel, u".SIZE"))
        font->Grootte =
            std::max(GetalOf(waarde, 11), 1); // a zero size would make the printed line height zero
    if (BevatNaEerste(sleutel, u".STYLE")) {
        font->Vet = hoofdWaarde.contains(u"FSBOLD");
        font->Cursief = hoofdWaarde.contains(u"FSITALIC");
        font->Onderstreept = hoofdWaarde.contains(u"FSUNDERLINE");
        font->Doorgehaald = hoofdWaarde.contains(u"FSSTRIKEOUT");
    }
    if (BevatNaEerste(sleutel, u".KLEUR"))
        font->Kleur = GetalOf(waarde, 0);
}

void Lezer::Einde()
{
    ZetDagDelenInModel();
    m_model.ZetLettertypen(m_lettertypen);

    // Partners, against "Geen" and the poule names in tree order: the first entry equal to
    // the name read, letter case ignored (Qt's case folding).
    QHash<QString, int> posities;
    posities.reserve(qsizetype(m_poules.size()) + 1);
    // QHash::insert replaces, so walk back to front to keep the first position of a name,
    // and "Geen" last: a poule named Geen resolves to no partner.
    for (std::size_t i = m_poules.size(); i-- > 0;)
        posities.insert(m_poules[i]->Details->PouleNaam.toCaseFolded(), int(i) + 1);
    posities.insert(QStringLiteral("Geen").toCaseFolded(), 0);
    for (const auto& poule : m_poules) {
        TPouleDetails& details = *poule->Details;
        details.KruisPoule = posities.value(details.KruisPouleNaam.toCaseFolded(), 0);
    }

    // Finish 1-5: the team list from the poules, the first team and poule current.
    m_model.VervangPoulesEnTeams(std::move(m_poules), std::move(m_teams));
    if (!m_model.TeamLijst().empty())
        m_model.ZetHuidigTeam(m_model.TeamLijst().front().get());
    if (!m_model.PouleLijst().empty())
        m_model.ZetHuidigePoule(m_model.PouleLijst().front()->Details.get());

    // The round headers once with the loaded day parts, duration and pause.
    m_model.VulRondeKoppen();

    // Finish 6.
    m_model.ZetGewijzigd(false);
    m_model.ZetStartBestand(QString());
    m_model.ZetSchemaGebouwd(false);
}

} // namespace

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

QString HoofdLetters(QStringView tekst)
{
    QString uit = tekst.toString();
    for (QChar& c : uit) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return uit;
}

void LeesToernooi(ToernooiModel& model, QStringView tekst)
{
    const qsizetype ctrlZ = tekst.indexOf(QChar(26));
    if (ctrlZ >= 0)
        tekst = tekst.first(ctrlZ);

    Lezer lezer(model);
    lezer.Begin();
    QString regel;
    qsizetype begin = 0;
    while (begin < tekst.size()) {
        qsizetype eind = tekst.indexOf(u'\n', begin);
        if (eind < 0)
            eind = tekst.size();
        QStringView ruw = tekst.sliced(begin, eind - begin);
        if (ruw.contains(u'\r')) {
            regel = ruw.toString();
            regel.remove(u'\r');
            lezer.Regel(regel);
        } else {
            lezer.Regel(ruw);
        }
        begin = eind + 1;
    }
    lezer.Einde();
}

void LeesToernooiBytes(ToernooiModel& model, QByteArrayView bytes)
{
    LeesToernooi(model, Tekstcodering::DecodeerBestand(bytes));
}

} // namespace ToernooiLezer
