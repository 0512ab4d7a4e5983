#include "core/bestand/ToernooiRegelLezer.h"

#include "core/bestand/SchemaGroep.h"
#include "core/bestand/ScheidsrechterGroep.h"
#include "core/bestand/ToernooiSleutel.h"
#include "core/bestand/UitloopGroep.h"
#include "core/bestand/UitslagenGroep.h"

#include <QHash>
#include <algorithm>

namespace {

// True when the part occurs anywhere in the key except at its very first character.
bool BevatNaEerste(QStringView tekst, QStringView deel)
{
    return tekst.size() > 1 && tekst.sliced(1).contains(deel);
}

// The spelling a then b, upper-cased.
QString Hoofd(QStringView a, QStringView b = {})
{
    QString tekst = a.toString();
    tekst += b;
    return HoofdLetters(tekst);
}

int GetalOf(QStringView waarde, int standaard)
{
    return LeesGetal(waarde).value_or(standaard);
}

// The detail field of a team key from ClubNaam on; nullptr for any other key.
QString TTeamDetails::*TeamVeld(TToernooiSleutel soort)
{
    switch (soort) {
    case TToernooiSleutel::ClubNaam:
        return &TTeamDetails::ClubNaam;
    case TToernooiSleutel::ClubAdres:
        return &TTeamDetails::ClubAdres;
    case TToernooiSleutel::ClubPostcodePlaats:
        return &TTeamDetails::ClubPostcodePlaats;
    case TToernooiSleutel::ClubTelefoon:
        return &TTeamDetails::ClubTelefoon;
    case TToernooiSleutel::ClubFax:
        return &TTeamDetails::ClubFax;
    case TToernooiSleutel::BegeleiderNaam:
        return &TTeamDetails::BegeleiderNaam;
    case TToernooiSleutel::BegeleiderAdres:
        return &TTeamDetails::BegeleiderAdres;
    case TToernooiSleutel::BegeleiderPostcodePlaats:
        return &TTeamDetails::BegeleiderPostcodePlaats;
    case TToernooiSleutel::BegeleiderTelefoon:
        return &TTeamDetails::BegeleiderTelefoon;
    case TToernooiSleutel::BegeleiderFax:
        return &TTeamDetails::BegeleiderFax;
    default:
        return nullptr;
    }
}

} // namespace

ToernooiRegelLezer::ToernooiRegelLezer(ToernooiModel& model)
    : m_model(model), m_dagDelen(model.DagTijden()), m_lettertypen(model.Lettertypen())
{
}

void ToernooiRegelLezer::Begin()
{
    // Every cell is made available, not only those of the fields shown before the load: a
    // cell left unavailable by an earlier, wider tournament would otherwise come back when
    // the file sets more fields.
    m_model.LeegPoulesEnTeams();
    m_model.ResetAlleCellen();
}

void ToernooiRegelLezer::ZetDagDelenInModel()
{
    if (!m_dagDelenGewijzigd)
        return;
    m_model.ZetDagDelen(m_dagDelen);
    m_dagDelen = m_model.DagTijden();
    m_dagDelenGewijzigd = false;
}

void ToernooiRegelLezer::Regel(QStringView regel)
{
    // A comment, then the spaces before the key, then key and value at the first "=".
    if (regel.startsWith(u'#'))
        return;
    const QStringView heel = regel;
    qsizetype begin = 0;
    while (begin < regel.size() && regel[begin] == u' ')
        ++begin;
    regel = regel.sliced(begin);
    const qsizetype is = regel.indexOf(u'=');
    if (is <= 0)
        return; // no "=", or an empty key: matches nothing
    const QString sleutel = HoofdLetters(regel.first(is));
    const QStringView waarde = regel.sliced(is + 1);

    if (IsLettertypeSleutel(sleutel)) {
        Lettertype(sleutel, waarde, HoofdLetters(waarde));
        return;
    }

    const TToernooiSleutel soort = ZoekToernooiSleutel(sleutel);
    if (IsUitslagSleutel(soort)) {
        UitslagenGroep::LeesRegel(m_uitslagen, soort, waarde, heel);
        return;
    }
    if (soort == TToernooiSleutel::SchemaPlek) {
        SchemaGroep::LeesRegel(m_schemaIndeling, waarde);
        return;
    }
    if (soort == TToernooiSleutel::Uitloop) {
        UitloopGroep::LeesRegel(m_uitloop, waarde);
        return;
    }
    if (IsScheidsrechterSleutel(soort)) {
        m_scheidsrechters.Regel(soort, waarde);
        return;
    }
    if (soort == TToernooiSleutel::Geen) {
        LosTeam(ZoekLosTeamSleutel(sleutel), waarde);
        return;
    }
    TPouleDetails* poule = m_huidigePoule ? m_huidigePoule->Details.get() : nullptr;
    TTeamDetails* team = m_huidigTeam;
    switch (soort) {
    case TToernooiSleutel::Geen:
        return;
    case TToernooiSleutel::ToernooiNaam:
        m_model.ZetToernooiNaam(waarde.toString());
        return;
    case TToernooiSleutel::StartDatum:
        m_model.ZetStartDatum(waarde.toString());
        return;
    case TToernooiSleutel::AantalDagen:
        Instelling([&] { m_model.ZetAantalDelen(GetalOf(waarde, 1)); });
        return;
    case TToernooiSleutel::DelenPerDagen:
        Instelling([&] { m_model.ZetAantalDelenPerDag(GetalOf(waarde, 1)); });
        return;
    case TToernooiSleutel::GewoneVelden:
        m_model.ZetGewoneVelden(GetalOf(waarde, 1));
        return;
    case TToernooiSleutel::SpecialeVelden:
        m_model.ZetSpecialeVelden(GetalOf(waarde, 1));
        return;
    case TToernooiSleutel::BeginTijd: {
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
    case TToernooiSleutel::EindTijd:
        if (m_dagDeelAantal > 0 && m_dagDeelAantal <= m_dagDelen.size()) {
            m_dagDelen[m_dagDeelAantal - 1].Eind = waarde.toString();
            m_dagDelenGewijzigd = true;
        }
        return;
    case TToernooiSleutel::DuurWedstrijd:
        // The model keeps the duration and the pause within 0..MaxMinuten.
        Instelling([&] { m_model.ZetDuurWedstrijd(GetalOf(waarde, 25)); });
        return;
    case TToernooiSleutel::Pauze:
        Instelling([&] { m_model.ZetPauze(GetalOf(waarde, 5)); });
        return;
    case TToernooiSleutel::GeenWedstrijd: {
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
    case TToernooiSleutel::PouleNaam:
        m_poules.push_back(std::make_unique<TPoule>(waarde.toString()));
        m_huidigePoule = m_poules.back().get();
        return; // the second row sets the same name again
    case TToernooiSleutel::CompetitieType: {
        static const QString hele = HoofdLetters(WaardeHeleCompetitie);
        if (poule)
            poule->CompetitieType = HoofdLetters(waarde) == hele ? TCompetitieType::HeleCompetitie
                                                                 : TCompetitieType::HalveCompetitie;
        return;
    }
    case TToernooiSleutel::KruisPoule:
        if (poule)
            poule->KruisPouleNaam = waarde.toString();
        return;
    case TToernooiSleutel::KruisPouleCompetitieType: {
        static const QString enkele = HoofdLetters(WaardeEnkeleWedstrijden);
        if (poule)
            poule->KruisPouleCompetitieType = HoofdLetters(waarde) == enkele
                                                  ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                                  : TKruisPouleCompetitieType::DubbeleWedstrijden;
        return;
    }
    case TToernooiSleutel::MinimaleRust:
        // A negative rest would let a team play twice in one round.
        if (poule)
            poule->MinimaleRust = std::clamp(GetalOf(waarde, 1), ToernooiModel::MinMinimaleRust,
                                             ToernooiModel::MaxMinimaleRust);
        return;
    case TToernooiSleutel::TeamNaam:
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
    if (QString TTeamDetails::*veld = TeamVeld(soort))
        team->*veld = waarde.toString();
}

void ToernooiRegelLezer::LosTeam(TToernooiSleutel soort, QStringView waarde)
{
    if (soort == TToernooiSleutel::TeamNaam) {
        m_teams.push_back(std::make_unique<TTeamDetails>(waarde.toString()));
        m_huidigLosTeam = m_teams.back().get();
        return;
    }
    if (!m_huidigLosTeam)
        return;
    if (QString TTeamDetails::*veld = TeamVeld(soort))
        m_huidigLosTeam->*veld = waarde.toString();
}

void ToernooiRegelLezer::Lettertype(QStringView sleutel, QStringView waarde,
                                    QStringView hoofdWaarde)
{
    // The spellings upper-cased once: the font names with the dot after them, and the parts
    // and style words.
    static const std::array<QString, LettertypeSleutels.size()> namen = [] {
        std::array<QString, LettertypeSleutels.size()> n;
        for (std::size_t i = 0; i < n.size(); ++i)
            n[i] = Hoofd(LettertypeSleutels[i].Naam, u".");
        return n;
    }();
    static const QString naam = Hoofd(u".", LettertypeNaam);
    static const QString grootte = Hoofd(u".", LettertypeGrootte);
    static const QString stijl = Hoofd(u".", LettertypeStijl);
    static const QString kleur = Hoofd(u".", LettertypeKleur);
    static const QString vet = Hoofd(StijlVet);
    static const QString cursief = Hoofd(StijlCursief);
    static const QString onderstreept = Hoofd(StijlOnderstreept);
    static const QString doorgehaald = Hoofd(StijlDoorgehaald);

    // 1. Select the font; later tests replace earlier ones; none keeps the last selection.
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (sleutel.contains(namen[i]))
            m_gekozenLettertype = &(m_lettertypen.*LettertypeSleutels[i].Lettertype);
    }
    TLettertype* font = m_gekozenLettertype;
    if (!font)
        return; // a font line before any font was selected
    if (BevatNaEerste(sleutel, naam))
        font->Naam = waarde.toString();
    if (BevatNaEerste(sleutel, grootte))
        font->Grootte =
            std::max(GetalOf(waarde, 11), 1); // a zero size would make the printed line height zero
    if (BevatNaEerste(sleutel, stijl)) {
        font->Vet = hoofdWaarde.contains(vet);
        font->Cursief = hoofdWaarde.contains(cursief);
        font->Onderstreept = hoofdWaarde.contains(onderstreept);
        font->Doorgehaald = hoofdWaarde.contains(doorgehaald);
    }
    if (BevatNaEerste(sleutel, kleur))
        font->Kleur = GetalOf(waarde, 0);
}

void ToernooiRegelLezer::Einde()
{
    ZetDagDelenInModel();
    m_model.ZetLettertypen(m_lettertypen);

    // Partners, against "Geen" and the poule names in tree order: the first entry equal to
    // the name read, letter case ignored (Qt's case folding).
    QHash<QString, TPouleDetails*> poules;
    poules.reserve(qsizetype(m_poules.size()) + 1);
    // QHash::insert replaces, so walk back to front to keep the first poule of a name, and
    // "Geen" last: a poule named Geen resolves to no partner.
    for (std::size_t i = m_poules.size(); i-- > 0;)
        poules.insert(m_poules[i]->Details->PouleNaam.toCaseFolded(), m_poules[i]->Details.get());
    poules.insert(QStringLiteral("Geen").toCaseFolded(), nullptr);
    for (const auto& poule : m_poules) {
        TPouleDetails& details = *poule->Details;
        details.KruisPoule = poules.value(details.KruisPouleNaam.toCaseFolded(), nullptr);
    }

    // The team list from the poules (the window shows the first team and poule).
    m_model.VervangPoulesEnTeams(std::move(m_poules), std::move(m_teams));

    m_model.ZetUitslagen(std::move(m_uitslagen));
    m_model.ZetSchemaIndeling(std::move(m_schemaIndeling));
    std::sort(m_uitloop.begin(), m_uitloop.end(),
              [](const TUitloopRegel& a, const TUitloopRegel& b) { return a.Ronde < b.Ronde; });
    m_model.ZetUitloopLijst(m_uitloop);
    m_model.ZetScheidsrechters(m_scheidsrechters.Neem());

    // The round headers once with the loaded day parts, duration and pause.
    m_model.VulRondeKoppen();

    // A complete load leaves nothing unsaved (and, as a replacement, no current schedule).
    m_model.ZetGewijzigd(false);
}
