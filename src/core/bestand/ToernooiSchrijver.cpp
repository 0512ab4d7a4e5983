#include "bestand/ToernooiSchrijver.h"

#include "bestand/Tekstcodering.h"
#include "model/Tijdstempel.h"
#include "model/ToernooiModel.h"
#include "uitslag/UitslagenBestand.h"

#include <QIODevice>
#include <QSet>

namespace ToernooiSchrijver {

namespace {

constexpr QStringView Einde = u"\r\n";

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
        m_tekst += waarde;
        m_tekst += Einde;
    }
    void Sleutel(QStringView sleutel, int waarde) { Sleutel(sleutel, QString::number(waarde)); }
    void Sluit() { Regel(u"#"); }

    QString Tekst() && { return std::move(m_tekst); }

private:
    QString m_tekst;
};

void SchrijfLettertype(Regels& regels, QStringView soort, const TLettertype& lettertype)
{
    const QString voor = soort.toString() + QStringLiteral(".Lettertype.");
    regels.Sleutel(QString(voor + QStringLiteral("Naam")), lettertype.Naam);
    regels.Sleutel(QString(voor + QStringLiteral("Size")), lettertype.Grootte);
    regels.Sleutel(QString(voor + QStringLiteral("Style")), StijlLijst(lettertype));
    regels.Sleutel(QString(voor + QStringLiteral("Kleur")), int(lettertype.Kleur));
    regels.Sluit();
}

// The eleven lines of a team and "#"; voorvoegsel goes before every key.
void SchrijfTeam(Regels& regels, const TTeamDetails& team, QStringView voorvoegsel)
{
    const auto sleutel = [&](QStringView naam, const QString& waarde) {
        QString volledig = voorvoegsel.toString();
        volledig += naam;
        regels.Sleutel(volledig, waarde);
    };
    sleutel(u"TeamNaam", team.TeamNaam);
    sleutel(u"ClubNaam", team.ClubNaam);
    sleutel(u"ClubAdres", team.ClubAdres);
    sleutel(u"ClubPostcodePlaats", team.ClubPostcodePlaats);
    sleutel(u"ClubTelefoon", team.ClubTelefoon);
    sleutel(u"ClubFax", team.ClubFax);
    sleutel(u"BegeleiderNaam", team.BegeleiderNaam);
    sleutel(u"BegeleiderAdres", team.BegeleiderAdres);
    sleutel(u"BegeleiderPostcodePlaats", team.BegeleiderPostcodePlaats);
    sleutel(u"BegeleiderTelefoon", team.BegeleiderTelefoon);
    sleutel(u"BegeleiderFax", team.BegeleiderFax);
    regels.Sluit();
}

} // namespace

QString StijlLijst(const TLettertype& lettertype)
{
    QString lijst;
    if (lettertype.Vet)
        lijst += QStringLiteral("fsBold");
    if (lettertype.Cursief)
        lijst += QStringLiteral(",fsItalic");
    if (lettertype.Onderstreept)
        lijst += QStringLiteral(",fsUnderline");
    if (lettertype.Doorgehaald)
        lijst += QStringLiteral(",fsStrikeOut");
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
    regels.Sleutel(u"ToernooiNaam", model.ToernooiNaam());
    regels.Sleutel(u"StartDatum", model.StartDatum());
    regels.Sleutel(u"AantalDagen", model.AantalDelen());
    regels.Sleutel(u"DelenPerDagen", model.AantalDelenPerDag());

    // 3. Day parts.
    const TDagTijden& delen = model.DagTijden();
    for (qsizetype n = 0; n < delen.size(); ++n) {
        regels.Regel(QString(QStringLiteral("# Deel ") + QString::number(n + 1)));
        regels.Sleutel(u"BeginTijd", delen.at(n).Begin);
        regels.Sleutel(u"EindTijd", delen.at(n).Eind);
    }
    regels.Sluit();

    // 4. Match settings.
    regels.Sleutel(u"GewoneVelden", model.GewoneVelden());
    regels.Sleutel(u"SpecialeVelden", model.SpecialeVelden());
    regels.Sleutel(u"DuurWedstrijd", model.DuurWedstrijd());
    regels.Sleutel(u"Pauze", model.Pauze());
    regels.Sluit();

    // 5. Fonts.
    const TLettertypen& fonts = model.Lettertypen();
    SchrijfLettertype(regels, u"Header", fonts.HeaderFont);
    SchrijfLettertype(regels, u"Footer", fonts.FooterFont);
    SchrijfLettertype(regels, u"Tekst", fonts.TextFont);
    SchrijfLettertype(regels, u"VetTeam", fonts.VetTeamFont);

    // 6. Unavailable cells: rounds 1..rows + 1, fields 1..columns + 1 of the shown extent.
    const VeldenEnRonden& velden = model.Velden();
    for (int ronde = 1; ronde <= velden.RijAantal() + 1; ++ronde) {
        for (int veld = 1; veld <= velden.KolomAantal() + 1; ++veld) {
            if (!velden.Beschikbaar(veld, ronde))
                regels.Sleutel(u"GeenWedstrijd",
                               QString(QString::number(veld) + u',' + QString::number(ronde)));
        }
    }
    regels.Sluit();

    // 7. Poules, each followed by its teams.
    const QStringList partners = model.KruisPouleLijst();
    for (const auto& poule : model.PouleLijst()) {
        const TPouleDetails& p = *poule->Details;
        regels.Sleutel(u"PouleNaam", p.PouleNaam);
        regels.Regel(p.CompetitieType == TCompetitieType::HeleCompetitie
                         ? u"CompetitieType=HeleCompetitie"
                         : u"CompetitieType=HalveCompetitie");
        const bool heeftPartner = p.KruisPoule > 0 && p.KruisPoule < partners.size();
        regels.Sleutel(u"KruisPoule", heeftPartner ? partners.at(p.KruisPoule) : partners.at(0));
        regels.Regel(p.KruisPouleCompetitieType == TKruisPouleCompetitieType::EnkeleWedstrijden
                         ? u"KruisPouleCompetitieType=EnkeleWedstrijden"
                         : u"KruisPouleCompetitieType=DubbeleWedstrijden");
        regels.Sleutel(u"MinimaleRust", p.MinimaleRust);
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
            SchrijfTeam(regels, *team, u"Los");
    }

    // 9. The match day, after everything else; nothing when there is nothing to keep.
    QString tekst = std::move(regels).Tekst();
    tekst += UitslagenBestand::Regels(model.Uitslagen());
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
