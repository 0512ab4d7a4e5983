#include "core/bestand/ToernooiSchrijver.h"

#include "core/bestand/SchemaGroep.h"
#include "core/bestand/ScheidsrechterGroep.h"
#include "core/bestand/Tekstcodering.h"
#include "core/bestand/ToernooiSleutel.h"
#include "core/bestand/UitloopGroep.h"
#include "core/bestand/UitslagenGroep.h"
#include "core/model/Tijdstempel.h"
#include "core/model/ToernooiModel.h"

#include <QIODevice>
#include <QSet>

#include <algorithm>

namespace ToernooiSchrijver {

namespace {

constexpr QStringView Einde = u"\r\n";

bool IsRegelEinde(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar(26);
}

class Regels
{
public:
    explicit Regels(qsizetype verwacht) { m_tekst.reserve(verwacht); }

    void Regel(QStringView tekst)
    {
        m_tekst += tekst;
        m_tekst += Einde;
    }
    void Sleutel(QStringView sleutel, QStringView waarde)
    {
        m_tekst += sleutel;
        m_tekst += u'=';
        // A value is one line up to the file's end: a line break or a Ctrl-Z in it would
        // split or end the file for the reader, so such a character is written as a space.
        if (std::any_of(waarde.begin(), waarde.end(), IsRegelEinde)) {
            for (const QChar c : waarde)
                m_tekst += IsRegelEinde(c) ? QChar(u' ') : c;
        } else {
            m_tekst += waarde;
        }
        m_tekst += Einde;
    }
    void Sleutel(QStringView sleutel, int waarde) { Sleutel(sleutel, QString::number(waarde)); }
    void Sleutel(TToernooiSleutel sleutel, QStringView waarde)
    {
        Sleutel(SleutelNaam(sleutel), waarde);
    }
    void Sleutel(TToernooiSleutel sleutel, int waarde) { Sleutel(SleutelNaam(sleutel), waarde); }
    void Sluit() { Regel(u"#"); }

    QString Tekst() && { return std::move(m_tekst); }

private:
    QString m_tekst;
};

void SchrijfLettertype(Regels& regels, QStringView soort, const TLettertype& lettertype)
{
    const auto sleutel = [&](QStringView deel) {
        QString volledig = soort.toString();
        volledig += LettertypeTussenstuk;
        volledig += deel;
        return volledig;
    };
    regels.Sleutel(sleutel(LettertypeNaam), lettertype.Naam);
    regels.Sleutel(sleutel(LettertypeGrootte), lettertype.Grootte);
    regels.Sleutel(sleutel(LettertypeStijl), StijlLijst(lettertype));
    regels.Sleutel(sleutel(LettertypeKleur), int(lettertype.Kleur));
    regels.Sluit();
}

// The eleven lines of a team and "#"; voorvoegsel goes before every key.
void SchrijfTeam(Regels& regels, const TTeamDetails& team, QStringView voorvoegsel)
{
    const auto sleutel = [&](TToernooiSleutel naam, const QString& waarde) {
        QString volledig = voorvoegsel.toString();
        volledig += SleutelNaam(naam);
        regels.Sleutel(volledig, waarde);
    };
    sleutel(TToernooiSleutel::TeamNaam, team.TeamNaam);
    sleutel(TToernooiSleutel::ClubNaam, team.ClubNaam);
    sleutel(TToernooiSleutel::ClubAdres, team.ClubAdres);
    sleutel(TToernooiSleutel::ClubPostcodePlaats, team.ClubPostcodePlaats);
    sleutel(TToernooiSleutel::ClubTelefoon, team.ClubTelefoon);
    sleutel(TToernooiSleutel::ClubFax, team.ClubFax);
    sleutel(TToernooiSleutel::BegeleiderNaam, team.BegeleiderNaam);
    sleutel(TToernooiSleutel::BegeleiderAdres, team.BegeleiderAdres);
    sleutel(TToernooiSleutel::BegeleiderPostcodePlaats, team.BegeleiderPostcodePlaats);
    sleutel(TToernooiSleutel::BegeleiderTelefoon, team.BegeleiderTelefoon);
    sleutel(TToernooiSleutel::BegeleiderFax, team.BegeleiderFax);
    regels.Sluit();
}

} // namespace

QString StijlLijst(const TLettertype& lettertype)
{
    QString lijst;
    // Every word after the first place has its comma, also when no word stands before it.
    const auto voegToe = [&](QStringView woord, bool komma) {
        if (komma)
            lijst += u',';
        lijst += woord;
    };
    if (lettertype.Vet)
        voegToe(StijlVet, false);
    if (lettertype.Cursief)
        voegToe(StijlCursief, true);
    if (lettertype.Onderstreept)
        voegToe(StijlOnderstreept, true);
    if (lettertype.Doorgehaald)
        voegToe(StijlDoorgehaald, true);
    return lijst;
}

QString KopRegel(const QDateTime& moment, const QLocale& locale)
{
    return QStringLiteral("# Bewaard op: ") + Tijdstempel::DatumTijd(moment, locale) + u'.';
}

QString ToernooiTekst(const ToernooiModel& model, const QDateTime& moment, const QLocale& locale)
{
    Regels regels(4096 + qsizetype(model.PouleLijst().size()) * 200 +
                  qsizetype(model.TeamLijst().size()) * 400);

    // 1. Header.
    regels.Regel(KopRegel(moment, locale));
    regels.Sluit();

    // 2. Tournament.
    regels.Sleutel(TToernooiSleutel::ToernooiNaam, model.ToernooiNaam());
    regels.Sleutel(TToernooiSleutel::StartDatum, model.StartDatum());
    regels.Sleutel(TToernooiSleutel::AantalDagen, model.AantalDelen());
    regels.Sleutel(TToernooiSleutel::DelenPerDagen, model.AantalDelenPerDag());

    // 3. Day parts.
    const TDagTijden& delen = model.DagTijden();
    for (qsizetype n = 0; n < delen.size(); ++n) {
        regels.Regel(QString(QStringLiteral("# Deel ") + QString::number(n + 1)));
        regels.Sleutel(TToernooiSleutel::BeginTijd, delen.at(n).Begin);
        regels.Sleutel(TToernooiSleutel::EindTijd, delen.at(n).Eind);
    }
    regels.Sluit();

    // 4. Match settings.
    regels.Sleutel(TToernooiSleutel::GewoneVelden, model.GewoneVelden());
    regels.Sleutel(TToernooiSleutel::SpecialeVelden, model.SpecialeVelden());
    regels.Sleutel(TToernooiSleutel::DuurWedstrijd, model.DuurWedstrijd());
    regels.Sleutel(TToernooiSleutel::Pauze, model.Pauze());
    regels.Sluit();

    // 5. Fonts.
    const TLettertypen& fonts = model.Lettertypen();
    for (const TLettertypeSleutel& font : LettertypeSleutels)
        SchrijfLettertype(regels, font.Naam, fonts.*font.Lettertype);

    // 6. Unavailable cells: rounds 1..rows + 1, fields 1..columns + 1 of the shown extent.
    const VeldenEnRonden& velden = model.Velden();
    for (int ronde = 1; ronde <= velden.RijAantal() + 1; ++ronde) {
        for (int veld = 1; veld <= velden.KolomAantal() + 1; ++veld) {
            if (!velden.Beschikbaar(veld, ronde))
                regels.Sleutel(TToernooiSleutel::GeenWedstrijd,
                               QString(QString::number(veld) + u',' + QString::number(ronde)));
        }
    }
    regels.Sluit();

    // 7. Poules, each followed by its teams.
    for (const auto& poule : model.PouleLijst()) {
        const TPouleDetails& p = *poule->Details;
        regels.Sleutel(TToernooiSleutel::PouleNaam, p.PouleNaam);
        regels.Sleutel(TToernooiSleutel::CompetitieType,
                       p.CompetitieType == TCompetitieType::HeleCompetitie ? WaardeHeleCompetitie
                                                                           : WaardeHalveCompetitie);
        regels.Sleutel(TToernooiSleutel::KruisPoule,
                       p.KruisPoule ? p.KruisPoule->PouleNaam : QStringLiteral("Geen"));
        regels.Sleutel(TToernooiSleutel::KruisPouleCompetitieType,
                       p.KruisPouleCompetitieType == TKruisPouleCompetitieType::EnkeleWedstrijden
                           ? WaardeEnkeleWedstrijden
                           : WaardeDubbeleWedstrijden);
        regels.Sleutel(TToernooiSleutel::MinimaleRust, p.MinimaleRust);
        regels.Sluit();
        for (const TTeamDetails* team : poule->Teams)
            SchrijfTeam(regels, *team, u"");
    }

    // 8. Teams in no poule, under keys of their own that a reader of the groups above
    // skips; the group is left out when there are none, so such files stay as they were.
    QSet<const TTeamDetails*> ingedeeld;
    for (const auto& poule : model.PouleLijst())
        ingedeeld.unite(QSet<const TTeamDetails*>(poule->Teams.begin(), poule->Teams.end()));
    for (const auto& team : model.TeamLijst()) {
        if (!ingedeeld.contains(team.get()))
            SchrijfTeam(regels, *team, LosVoorvoegsel);
    }

    // 9. The match day, after everything else; nothing when there is nothing to keep.
    QString tekst = std::move(regels).Tekst();
    tekst += UitslagenGroep::Regels(model.Uitslagen());
    tekst += SchemaGroep::Regels(model.SchemaIndeling());
    tekst += UitloopGroep::Regels(model.Uitloop());
    tekst += ScheidsrechterGroep::Regels(model.Scheidsrechters());
    return tekst;
}

QByteArray ToernooiBytes(const ToernooiModel& model, const QDateTime& moment, const QLocale& locale)
{
    return Tekstcodering::CodeerBestand(ToernooiTekst(model, moment, locale));
}

bool SchrijfAlles(QIODevice& doel, const QByteArray& bytes)
{
    qsizetype geschreven = 0;
    while (geschreven < bytes.size()) {
        const qint64 stap = doel.write(bytes.constData() + geschreven, bytes.size() - geschreven);
        if (stap <= 0)
            return false;
        geschreven += qsizetype(stap);
    }
    return true;
}

bool SchrijfToernooi(QIODevice& doel, const ToernooiModel& model, const QDateTime& moment,
                     const QLocale& locale)
{
    return SchrijfAlles(doel, ToernooiBytes(model, moment, locale));
}

} // namespace ToernooiSchrijver
