#pragma once

// Helpers shared by the tests of the tournament file: the small example tournament,
// a richer tournament for round trips, reading golden files, and a device that fails.

#include "core/model/ToernooiModel.h"
#include "hulp/Tekst.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <ostream>

// Readable gtest output for Qt texts.
inline void PrintTo(const QString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.toStdString() << '"';
}
inline void PrintTo(const QStringList& lijst, std::ostream* uit)
{
    *uit << '{';
    for (const QString& t : lijst) {
        PrintTo(t, uit);
        *uit << ", ";
    }
    *uit << '}';
}

namespace ToernooiHulp {

using ::T;

// The moment and locale of the golden files: "03-05-1999 14:03:27 UTC".
inline QDateTime VasteKlok()
{
    return QDateTime(QDate(1999, 5, 3), QTime(14, 3, 27), QTimeZone::utc());
}
inline QLocale VasteLocale()
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands);
}

inline QByteArray LeesTestBestand(const char* naam)
{
    QFile bestand(QStringLiteral(RONDOPLAN_TEST_BESTANDEN "/") + QString::fromUtf8(naam));
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return bestand.readAll();
}

// The names of the teams of poule index poule, in the poule's order.
inline QStringList PouleTeams(const ToernooiModel& model, int poule)
{
    QStringList namen;
    for (const TTeamDetails* team : model.PouleLijst().at(std::size_t(poule))->Teams)
        namen.append(team->TeamNaam);
    return namen;
}

inline TTeamDetails* Team(ToernooiModel& model, const QString& naam)
{
    return model.VoegTeamToe(naam).Nieuw;
}

inline TPouleDetails* Poule(ToernooiModel& model, const QString& naam)
{
    return model.VoegPouleToe(naam).Nieuw;
}

inline void ZetInPoule(ToernooiModel& model, int poule, const QList<TTeamDetails*>& teams)
{
    model.ZetTeamsInPoule(poule, teams);
}

// The small example tournament: one day in two parts, two fields, field 2 unavailable in round 1,
// one poule with the teams Rood and Blauw (in that order), the fonts at their defaults.
inline void VulVoorbeeld(ToernooiModel& model)
{
    model.ZetToernooiNaam(T("Zomer"));
    model.ZetStartDatum(T("12/06/99"));
    model.ZetAantalDelen(1);
    model.ZetAantalDelenPerDag(2);
    model.ZetGewoneVelden(2);
    model.ZetVeldBeschikbaar(2, 1, false);
    Poule(model, T("Poule A"));
    TTeamDetails* rood = Team(model, T("Rood"));
    TTeamDetails* blauw = Team(model, T("Blauw"));
    ZetInPoule(model, 0, {rood, blauw});
}

// A tournament that uses every part of the format.
inline void VulRijkToernooi(ToernooiModel& model)
{
    model.ZetToernooiNaam(T("Zomer € Ł toernooi"));
    model.ZetStartDatum(T("12/06/99"));
    model.ZetAantalDelen(2);
    model.ZetAantalDelenPerDag(2);
    model.ZetDagTijd(1, 1, T("08:30"));
    model.ZetDagTijd(3, 2, T("18:15"));
    model.ZetGewoneVelden(3);
    model.ZetSpecialeVelden(1);
    model.ZetDuurWedstrijd(17);
    model.ZetPauze(3);
    TLettertypen fonts = model.Lettertypen();
    fonts.HeaderFont = TLettertype{T("Arial"), 20, true, false, false, true, 0x00FF00};
    fonts.FooterFont.Cursief = true;
    fonts.FooterFont.Onderstreept = true;
    fonts.TextFont.Kleur = qint32(0x80000005);
    model.ZetLettertypen(fonts);
    model.ZetVeldBeschikbaar(1, 1, false);
    model.ZetVeldBeschikbaar(4, 99, false);
    model.ZetVeldBeschikbaar(5, 101, false); // fields + 1, round 101: still written

    TPouleDetails* a = Poule(model, T("Poule A"));
    TPouleDetails* b = Poule(model, T("Poule B"));
    Poule(model, T("Leeg"));
    TTeamDetails* rood = Team(model, T("Rood"));
    TTeamDetails* blauw = Team(model, T("Blauw"));
    TTeamDetails* groen = Team(model, T("Groen=#"));
    TTeamDetails* geel = Team(model, T("Geel"));
    Team(model, T("Zonder poule"));
    ZetInPoule(model, 0, {rood, blauw});
    ZetInPoule(model, 1, {geel, groen});
    TTeamDetails details = *rood;
    details.ClubAdres = T("Straat 1");
    details.BegeleiderFax = T("#0123");
    details.BegeleiderNaam = T(" Jan = Jansen ");
    model.ZetTeamDetails(rood, details);
    model.ZetPouleDetails(a, TCompetitieType::HalveCompetitie, b,
                          TKruisPouleCompetitieType::DubbeleWedstrijden, 3);
    model.ZetPouleDetails(b, TCompetitieType::HeleCompetitie, a,
                          TKruisPouleCompetitieType::DubbeleWedstrijden, 0);
}

// Everything a file holds, as comparable text.
inline QStringList Inhoud(const ToernooiModel& model)
{
    QStringList r;
    r << model.ToernooiNaam() << model.StartDatum() << QString::number(model.AantalDelen())
      << QString::number(model.AantalDelenPerDag());
    for (const TDagDeel& deel : model.DagTijden())
        r << deel.Begin + u'-' + deel.Eind;
    r << QString::number(model.GewoneVelden()) << QString::number(model.SpecialeVelden())
      << QString::number(model.DuurWedstrijd()) << QString::number(model.Pauze());
    for (const TLettertype* f : {&model.Lettertypen().HeaderFont, &model.Lettertypen().FooterFont,
                                 &model.Lettertypen().TextFont, &model.Lettertypen().VetTeamFont})
        r << f->Naam + u'|' + QString::number(f->Grootte) + u'|' + QString::number(f->Vet) +
                 QString::number(f->Cursief) + QString::number(f->Onderstreept) +
                 QString::number(f->Doorgehaald) + u'|' + QString::number(f->Kleur);
    for (int ronde = 1; ronde <= 101; ++ronde)
        for (int veld = 1; veld <= model.Velden().KolomAantal() + 1; ++veld)
            if (!model.Velden().Beschikbaar(veld, ronde))
                r << QStringLiteral("geen %1,%2").arg(veld).arg(ronde);
    for (const auto& poule : model.PouleLijst()) {
        const TPouleDetails& p = *poule->Details;
        r << QStringLiteral("poule %1 %2 %3 %4 %5")
                 .arg(p.PouleNaam)
                 .arg(int(p.CompetitieType))
                 .arg(model.KruisPositie(p.KruisPoule))
                 .arg(int(p.KruisPouleCompetitieType))
                 .arg(p.MinimaleRust);
        for (const TTeamDetails* t : poule->Teams)
            r << QStringList{t->TeamNaam,           t->ClubNaam,        t->ClubAdres,
                             t->ClubPostcodePlaats, t->ClubTelefoon,    t->ClubFax,
                             t->BegeleiderNaam,     t->BegeleiderAdres, t->BegeleiderPostcodePlaats,
                             t->BegeleiderTelefoon, t->BegeleiderFax}
                     .join(u'|');
    }
    for (const auto& team : model.TeamLijst())
        if (!model.PouleVanTeam(team.get()))
            r << QStringLiteral("los ") + team->TeamNaam + u'|' + team->ClubNaam + u'|' +
                     team->BegeleiderFax;
    return r;
}

// A device that accepts the first Limiet bytes and then fails every write.
class FailDevice : public QIODevice
{
public:
    explicit FailDevice(qint64 limiet) : m_limiet(limiet) { open(QIODevice::WriteOnly); }
    QByteArray Geschreven;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 ruimte = m_limiet - Geschreven.size();
        if (ruimte <= 0) {
            setErrorString(QStringLiteral("Schijf vol"));
            return -1;
        }
        const qint64 n = std::min(len, ruimte);
        Geschreven.append(data, qsizetype(n));
        return n;
    }

private:
    qint64 m_limiet;
};

} // namespace ToernooiHulp
