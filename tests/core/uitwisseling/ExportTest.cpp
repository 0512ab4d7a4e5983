// The schedule out to a spreadsheet list and to calendars, each read back by a strict parser;
// with the referees when they are assigned.

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitwisseling/CsvSchema.h"
#include "core/uitwisseling/HtmlSchema.h"
#include "core/uitwisseling/IcsSchema.h"
#include "core/uitwisseling/SchemaRegels.h"
#include "hulp/ToernooiHulp.h"

#include <QMap>
#include <gtest/gtest.h>

using ToernooiHulp::T;

namespace {

const QString Lang = T("Één heel lange teamnaam die een regel ver over de grens duwt");

// Two linked poules with awkward names, one field: poule matches and cross matches.
void VulGekoppeld(ToernooiModel& model)
{
    model.ZetToernooiNaam(T("Zomer"));
    model.ZetStartDatum(T("30-12-2024"));
    model.ZetAantalDelen(2);
    model.ZetDagTijd(1, 1, T("23:00"));
    TPouleDetails* a = ToernooiHulp::Poule(model, T("A"));
    TPouleDetails* b = ToernooiHulp::Poule(model, T("B"));
    TTeamDetails* t1 = ToernooiHulp::Team(model, T("Rood, Wit"));
    TTeamDetails* t2 = ToernooiHulp::Team(model, T("\"Blauw\"; x"));
    TTeamDetails* t3 = ToernooiHulp::Team(model, T("Groen \\ Geel"));
    TTeamDetails* t4 = ToernooiHulp::Team(model, Lang);
    ToernooiHulp::ZetInPoule(model, 0, {t1, t2});
    ToernooiHulp::ZetInPoule(model, 1, {t3, t4});
    model.ZetPouleDetails(a, TCompetitieType::HalveCompetitie, b,
                          TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
    model.ZetPouleDetails(b, TCompetitieType::HalveCompetitie, a,
                          TKruisPouleCompetitieType::EnkeleWedstrijden, 0);
}

// RFC 4180 with the BOM and CR LF line ends required; every row has the header's width.
QList<QStringList> LeesCsvStrikt(const QByteArray& bytes)
{
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString tekst = QString::fromUtf8(bytes.mid(3));
    QList<QStringList> rijen;
    QStringList rij;
    QString waarde;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c == u'"' && waarde.isEmpty()) {
            for (++i; i < tekst.size(); ++i) {
                if (tekst.at(i) == u'"') {
                    if (i + 1 < tekst.size() && tekst.at(i + 1) == u'"')
                        ++i;
                    else
                        break;
                }
                waarde += tekst.at(i);
            }
            EXPECT_LT(i, tekst.size()) << "open quote";
            EXPECT_TRUE(i + 1 >= tekst.size() || tekst.at(i + 1) == u';' || tekst.at(i + 1) == u'\r');
        } else if (c == u';') {
            rij.append(waarde);
            waarde.clear();
        } else if (c == u'\r') {
            EXPECT_EQ(tekst.mid(i + 1, 1), T("\n"));
            ++i;
            rij.append(waarde);
            waarde.clear();
            rijen.append(rij);
            rij.clear();
        } else {
            EXPECT_NE(c, u'\n') << "bare LF";
            EXPECT_NE(c, u'"') << "quote inside an unquoted value";
            waarde += c;
        }
    }
    EXPECT_TRUE(rij.isEmpty() && waarde.isEmpty()) << "last row without CR LF";
    for (const QStringList& r : rijen)
        EXPECT_EQ(r.size(), rijen.constFirst().size());
    return rijen;
}

using TIcsEvent = QMap<QString, QString>;

// RFC 5545 content lines: CR LF only, at most 75 octets, folded lines unfolded, BEGIN/END
// balanced, only the TEXT escapes \\ \; \, \n. Returns the events' properties.
QList<TIcsEvent> LeesIcsStrikt(const QByteArray& bytes)
{
    QList<QByteArray> regels;
    for (const QByteArray& r : bytes.split('\n')) {
        if (r.isEmpty())
            continue;
        EXPECT_TRUE(r.endsWith('\r')) << r.constData();
        const QByteArray inhoud = r.chopped(1);
        EXPECT_LE(inhoud.size(), 75) << inhoud.constData();
        EXPECT_FALSE(inhoud.contains('\r'));
        EXPECT_FALSE(QString::fromUtf8(inhoud).contains(QChar::ReplacementCharacter));
        if (inhoud.startsWith(' '))
            regels.last() += inhoud.mid(1);
        else
            regels.append(inhoud);
    }
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<TIcsEvent> events;
    QStringList open;
    for (const QByteArray& r : regels) {
        const QString regel = QString::fromUtf8(r);
        const qsizetype dubbelepunt = regel.indexOf(u':');
        EXPECT_GT(dubbelepunt, 0) << r.constData();
        const QString naam = regel.left(dubbelepunt);
        QString waarde;
        const QString ruw = regel.mid(dubbelepunt + 1);
        for (qsizetype i = 0; i < ruw.size(); ++i) {
            if (ruw.at(i) == u';' || ruw.at(i) == u',')
                ADD_FAILURE() << "unescaped separator in " << r.constData();
            if (ruw.at(i) != u'\\') {
                waarde += ruw.at(i);
                continue;
            }
            const QChar volgende = i + 1 < ruw.size() ? ruw.at(++i) : QChar();
            if (volgende == u'n')
                waarde += u'\n';
            else if (volgende == u'\\' || volgende == u';' || volgende == u',')
                waarde += volgende;
            else
                ADD_FAILURE() << "bad escape in " << r.constData();
        }
        if (naam == T("BEGIN")) {
            open.append(waarde);
            if (waarde == T("VEVENT"))
                events.append(TIcsEvent());
        } else if (naam == T("END")) {
            EXPECT_EQ(open.isEmpty() ? QString() : open.takeLast(), waarde);
        } else if (open.size() == 2) {
            EXPECT_FALSE(events.last().contains(naam)) << "repeated " << r.constData();
            events.last().insert(naam, waarde);
        }
    }
    EXPECT_TRUE(open.isEmpty());
    return events;
}

class Export : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VulGekoppeld(model);
        ASSERT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    }
    ToernooiModel model;
    TSchemaBoom boom;
    const QDateTime nu = ToernooiHulp::VasteKlok();
};

} // namespace

TEST_F(Export, CsvHasOneRowPerSlotWithSidesAsWritten)
{
    const QList<QStringList> rijen = LeesCsvStrikt(CsvSchema::Schrijf(boom, model.Velden()));
    ASSERT_GE(rijen.size(), 5);
    EXPECT_EQ(rijen[0],
              T("Dag;Ronde;Begin;Eind;Veld;Poule;Team 1;Team 2;Thuis;Uit;Beslissing").split(u';'));
    int aantal = 0;
    for (const TSchemaRonde& r : boom.Ronden)
        aantal += int(r.Velden.size());
    EXPECT_EQ(rijen.size(), aantal + 1);
    EXPECT_EQ(rijen[1], QStringList({T("1"), T("1"), T("23:00"), T("23:20"), T("1"), T("B"),
                                     T("Groen \\ Geel"), Lang, T(""), T(""), T("")}));
    EXPECT_EQ(rijen[2].mid(5, 3), QStringList({T("A"), T("Rood, Wit"), T("\"Blauw\"; x")}));
    EXPECT_EQ(rijen[4].mid(5, 3),
              QStringList({T("1e&2e"), T("Nummer 1 B"), T("Nummer 1 A")}));
    EXPECT_EQ(CsvSchema::Veld(T("a\nb")), T("\"a\nb\""));
    // A cell a spreadsheet would run as a formula stays text.
    for (const QString& formule : {T("=HYPERLINK(\"x\")"), T("+1"), T("-1"), T("@A1"), T("\tx"), T("\r")})
        EXPECT_TRUE(CsvSchema::Veld(formule).startsWith(T("'")) ||
                    CsvSchema::Veld(formule).startsWith(T("\"'")))
            << formule.toStdString();
    EXPECT_EQ(CsvSchema::Veld(T("12")), T("12"));
    EXPECT_EQ(CsvSchema::Veld(T("A=B")), T("A=B"));
}

TEST_F(Export, CalendarEventsCarryDateTimeFieldAndStableIds)
{
    const TIcsUitkomst alles = IcsSchema::Schrijf(model, boom, QString(), QDate(), nu);
    ASSERT_EQ(alles.Status, TIcsStatus::Gelukt) << alles.Fout.toStdString();
    const QList<TIcsEvent> events = LeesIcsStrikt(alles.Inhoud);
    ASSERT_EQ(events.size(), 4);
    EXPECT_EQ(events[0].value(T("SUMMARY")), T("B : Groen \\ Geel x ") + Lang);
    EXPECT_EQ(events[0].value(T("DTSTART")), T("20241230T230000"));
    EXPECT_EQ(events[0].value(T("DTEND")), T("20241230T232000"));
    EXPECT_EQ(events[1].value(T("SUMMARY")), T("A : Rood, Wit x \"Blauw\"; x"));
    EXPECT_EQ(events[1].value(T("DTSTART")), T("20241231T090000")); // day 2
    EXPECT_EQ(events[1].value(T("DTEND")), T("20241231T092000"));
    EXPECT_EQ(events[3].value(T("SUMMARY")), T("1e&2e : Nummer 1 B x Nummer 1 A"));
    EXPECT_EQ(events[3].value(T("LOCATION")), T("Veld 1"));
    EXPECT_EQ(events[3].value(T("DTSTAMP")), T("19990503T140327Z"));
    QSet<QString> uids;
    for (const TIcsEvent& e : events)
        uids.insert(e.value(T("UID")));
    EXPECT_EQ(uids.size(), 4);

    // The same schedule again, and one team's calendar, give the same identifiers.
    const TIcsUitkomst team = IcsSchema::Schrijf(model, boom, T("Rood, Wit"), QDate(), nu.addDays(1));
    const QList<TIcsEvent> eigen = LeesIcsStrikt(team.Inhoud);
    ASSERT_EQ(eigen.size(), 1);
    EXPECT_EQ(eigen[0].value(T("UID")), events[1].value(T("UID")));
    EXPECT_EQ(LeesIcsStrikt(IcsSchema::Schrijf(model, boom, QString(), QDate(), nu).Inhoud), events);
}

// Every event lasts the match's duration, also across midnight, and no time at all for a
// duration of 0.
TEST_F(Export, CalendarEventsLastTheMatchDuration)
{
    for (const int minuten : {0, 20, 50}) {
        model.ZetDuurWedstrijd(minuten);
        const TIcsUitkomst agenda = IcsSchema::Schrijf(model, boom, QString(), QDate(), nu);
        ASSERT_EQ(agenda.Status, TIcsStatus::Gelukt) << agenda.Fout.toStdString();
        for (const TIcsEvent& e : LeesIcsStrikt(agenda.Inhoud)) {
            const auto moment = [&e](const char* veld) {
                return QDateTime::fromString(e.value(QString::fromUtf8(veld)),
                                             QStringLiteral("yyyyMMdd'T'HHmmss"));
            };
            ASSERT_TRUE(moment("DTSTART").isValid());
            EXPECT_EQ(moment("DTSTART").secsTo(moment("DTEND")), 60 * minuten)
                << minuten << ' ' << e.value(T("DTSTART")).toStdString();
        }
    }
}

TEST_F(Export, CalendarRefusesUnreadableDateAndUnknownTeam)
{
    EXPECT_EQ(IcsSchema::LeesStartDatum(T("5/6/24")), QDate(2024, 6, 5));
    EXPECT_EQ(IcsSchema::LeesStartDatum(T("12-06-99")), QDate(1999, 6, 12));
    EXPECT_EQ(IcsSchema::LeesStartDatum(T("01/02/2030")), QDate(2030, 2, 1));
    EXPECT_FALSE(IcsSchema::LeesStartDatum(T("31/02/2024")).isValid());
    EXPECT_FALSE(IcsSchema::LeesStartDatum(T("12/06-99")).isValid());

    model.ZetStartDatum(T("Pinksteren"));
    const TIcsUitkomst zonder = IcsSchema::Schrijf(model, boom, QString(), QDate(), nu);
    EXPECT_EQ(zonder.Status, TIcsStatus::OnleesbareDatum);
    EXPECT_TRUE(zonder.Inhoud.isEmpty());
    const TIcsUitkomst gevraagd = IcsSchema::Schrijf(model, boom, QString(), QDate(2025, 1, 1), nu);
    EXPECT_EQ(LeesIcsStrikt(gevraagd.Inhoud)[0].value(T("DTSTART")), T("20250101T230000"));
    EXPECT_EQ(IcsSchema::Schrijf(model, boom, T("rood, wit"), QDate(2025, 1, 1), nu).Status,
              TIcsStatus::OnbekendTeam);
}

TEST_F(Export, ResultsFillTheCrossMatchesOfEveryExport)
{
    const QString kruisUid =
        LeesIcsStrikt(IcsSchema::Schrijf(model, boom, QString(), QDate(), nu).Inhoud)[3].value(T("UID"));
    TWedstrijdDag dag(model, boom);
    const auto zet = [&dag](const QString& tekst, int d1, int d2) {
        for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
            if (dag.Wedstrijden()[i].Tekst == tekst)
                dag.ZetUitslag(int(i), TUitslag{1, d1, d2, 0, tekst});
        }
    };
    zet(T("A : Rood, Wit x \"Blauw\"; x"), 2, 1);
    zet(T("B : Groen \\ Geel x ") + Lang, 0, 1);

    const QList<QStringList> rijen = LeesCsvStrikt(CsvSchema::Schrijf(boom, model.Velden(), &dag));
    EXPECT_EQ(rijen[1].mid(5), QStringList({T("B"), T("Groen \\ Geel"), Lang, T("0"), T("1"), T("")}));
    EXPECT_EQ(rijen[4].mid(5), QStringList({T("1e&2e"), Lang, T("Rood, Wit"), T(""), T(""), T("")}));

    // The team's calendar gains the cross match under the identifier it had before.
    const QList<TIcsEvent> eigen = LeesIcsStrikt(
        IcsSchema::Schrijf(model, boom, T("Rood, Wit"), QDate(), nu, &dag).Inhoud);
    ASSERT_EQ(eigen.size(), 2);
    EXPECT_EQ(eigen[1].value(T("SUMMARY")), T("1e&2e : ") + Lang + T(" x Rood, Wit"));
    EXPECT_EQ(eigen[1].value(T("UID")), kruisUid);
    EXPECT_FALSE(eigen[1].contains(T("DESCRIPTION")));
    // Its own played match carries the score, under the identifier it had before.
    const QList<TIcsEvent> zonder =
        LeesIcsStrikt(IcsSchema::Schrijf(model, boom, T("Rood, Wit"), QDate(), nu).Inhoud);
    EXPECT_EQ(eigen[0].value(T("SUMMARY")), T("A : Rood, Wit x \"Blauw\"; x (2-1)"));
    EXPECT_EQ(eigen[0].value(T("DESCRIPTION")), T("Uitslag: 2-1"));
    EXPECT_EQ(eigen[0].value(T("UID")), zonder[0].value(T("UID")));
    EXPECT_FALSE(zonder[0].contains(T("DESCRIPTION")));

    // The page escapes every name and carries the scores and the standings.
    const QString pagina = QString::fromUtf8(HtmlSchema::Schrijf(model, boom, &dag));
    EXPECT_TRUE(pagina.startsWith(T("<!DOCTYPE html>")));
    EXPECT_TRUE(pagina.contains(T("data-team2=\"&quot;Blauw&quot;; x\"")));
    EXPECT_FALSE(pagina.contains(T("\"Blauw\"")));
    EXPECT_TRUE(pagina.contains(T("<td class=\"uitslag\">2-1</td>")));
    EXPECT_TRUE(pagina.contains(T("<h2>Stand</h2>")));
    EXPECT_TRUE(pagina.contains(T("Dag 2<span class=\"tijd\">dinsdag 31 december 2024</span>")));
    EXPECT_FALSE(QString::fromUtf8(HtmlSchema::Schrijf(model, boom)).contains(T("<h2>Stand</h2>")));
}

// A level cross match decided after penalties: the calendar and the spreadsheet name the
// winner in words, and the spreadsheet's goals stay plain numbers.
TEST_F(Export, ALevelMatchDecidedAfterPenaltiesNamesItsWinner)
{
    TWedstrijdDag dag(model, boom);
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        const TDagWedstrijd& w = dag.Wedstrijden()[i];
        dag.ZetUitslag(int(i), w.IsKruis() ? TUitslag{1, 1, 1, 2, w.Tekst}
                                           : TUitslag{1, 2, 0, 0, w.Tekst});
    }
    const QList<QStringList> rijen = LeesCsvStrikt(CsvSchema::Schrijf(boom, model.Velden(), &dag));
    ASSERT_EQ(rijen.size(), 5);
    EXPECT_EQ(rijen[4].mid(5), QStringList({T("1e&2e"), T("Groen \\ Geel"), T("Rood, Wit"), T("1"),
                                            T("1"), T("Rood, Wit wint na strafschoppen")}));
    for (const QStringList& rij : rijen.mid(1)) {
        for (const QString& doelpunten : rij.mid(8, 2)) {
            bool getal = false;
            (void)doelpunten.toInt(&getal);
            EXPECT_TRUE(getal) << qPrintable(rij.join(u';'));
        }
    }

    const QList<TIcsEvent> voor = LeesIcsStrikt(IcsSchema::Schrijf(model, boom, QString(), QDate(), nu).Inhoud);
    const QList<TIcsEvent> na = LeesIcsStrikt(IcsSchema::Schrijf(model, boom, QString(), QDate(), nu, &dag).Inhoud);
    ASSERT_EQ(na.size(), voor.size());
    for (qsizetype i = 0; i < na.size(); ++i)
        EXPECT_EQ(na[i].value(T("UID")), voor[i].value(T("UID")));
    EXPECT_EQ(na[3].value(T("SUMMARY")),
              T("1e&2e : Groen \\ Geel x Rood, Wit (1-1, Rood, Wit wint na strafschoppen)"));
    EXPECT_EQ(na[3].value(T("DESCRIPTION")), T("Uitslag: 1-1, Rood, Wit wint na strafschoppen"));
    EXPECT_EQ(na[0].value(T("DESCRIPTION")), T("Uitslag: 2-0"));
}

// Referees: a team that referees two matches, a named referee on one. Every export names them,
// and a team's calendar has its duties as events of their own at the matches' times.
TEST_F(Export, AssignedRefereesShowInEveryExport)
{
    const QString rood = T("Rood, Wit");
    const QString jan = T("Jan & \"Piet\"");
    const QList<TSchemaRegel> regels = SchemaRegels::Lees(boom, model.Velden());
    ASSERT_EQ(regels.size(), 4);
    ASSERT_NE(regels[2].Team1, rood);
    const auto toewijzing = [&regels](int i, const QString& naam) {
        return TScheidsToewijzing{regels[i].Ronde, regels[i].Veld, regels[i].Keer, regels[i].Wedstrijd, naam};
    };
    const QList<TScheidsToewijzing> fluiters = {toewijzing(0, rood), toewijzing(1, jan), toewijzing(2, rood)};

    // An assignment that names no match of this schedule changes no byte of any export.
    const QList<TScheidsToewijzing> elders = {{9, 1, 1, regels[0].Wedstrijd, rood}};
    EXPECT_EQ(CsvSchema::Schrijf(boom, model.Velden(), nullptr, elders), CsvSchema::Schrijf(boom, model.Velden()));
    EXPECT_EQ(HtmlSchema::Schrijf(model, boom, nullptr, elders), HtmlSchema::Schrijf(model, boom));
    EXPECT_EQ(IcsSchema::Schrijf(model, boom, rood, QDate(), nu, nullptr, elders).Inhoud,
              IcsSchema::Schrijf(model, boom, rood, QDate(), nu).Inhoud);

    const QList<QStringList> rijen = LeesCsvStrikt(CsvSchema::Schrijf(boom, model.Velden(), nullptr, fluiters));
    ASSERT_EQ(rijen.size(), 5);
    EXPECT_EQ(rijen[0].last(), T("Scheidsrechter"));
    EXPECT_EQ(rijen[0].size(), 12);
    QStringList kolom;
    for (const QStringList& rij : rijen.mid(1))
        kolom.append(rij.last());
    EXPECT_EQ(kolom, QStringList({rood, jan, rood, QString()}));

    const QString pagina = QString::fromUtf8(HtmlSchema::Schrijf(model, boom, nullptr, fluiters));
    EXPECT_TRUE(pagina.contains(T("<div class=\"scheids\">Scheidsrechter: Jan &amp; &quot;Piet&quot;</div>")));
    EXPECT_FALSE(pagina.contains(jan));
    EXPECT_EQ(pagina.count(T("data-scheids=\"Rood, Wit\"")), 2);
    EXPECT_TRUE(pagina.contains(T("<ul class=\"fluiten\" data-fluiter=\"Rood, Wit\" hidden>"
                                  "<li>Fluiten: ronde 1, veld 1</li><li>Fluiten: ronde 3, veld 1</li></ul>")));
    EXPECT_EQ(pagina.count(T("<ul class=\"fluiten\"")), 1); // a named referee is no team to choose

    // The whole calendar names each match's referee; the identifiers stay.
    const QList<TIcsEvent> alle = LeesIcsStrikt(IcsSchema::Schrijf(model, boom, QString(), QDate(), nu).Inhoud);
    const QList<TIcsEvent> metFluiters =
        LeesIcsStrikt(IcsSchema::Schrijf(model, boom, QString(), QDate(), nu, nullptr, fluiters).Inhoud);
    ASSERT_EQ(metFluiters.size(), 4);
    EXPECT_EQ(metFluiters[1].value(T("DESCRIPTION")), T("Scheidsrechter: ") + jan);
    EXPECT_FALSE(metFluiters[3].contains(T("DESCRIPTION")));
    QSet<QString> uids;
    for (qsizetype i = 0; i < alle.size(); ++i) {
        EXPECT_EQ(metFluiters[i].value(T("UID")), alle[i].value(T("UID")));
        uids.insert(alle[i].value(T("UID")));
    }

    // The team's calendar: its one match and its two duties, in schedule order.
    const QList<TIcsEvent> eigen =
        LeesIcsStrikt(IcsSchema::Schrijf(model, boom, rood, QDate(), nu, nullptr, fluiters).Inhoud);
    ASSERT_EQ(eigen.size(), 3);
    EXPECT_EQ(eigen[1].value(T("UID")), alle[1].value(T("UID")));
    for (const int i : {0, 2}) {
        EXPECT_EQ(eigen[i].value(T("SUMMARY")), T("Fluiten: ") + alle[i].value(T("SUMMARY")));
        EXPECT_EQ(eigen[i].value(T("DESCRIPTION")), T("Ronde %1, veld 1").arg(i + 1));
        for (const char* veld : {"DTSTART", "DTEND", "LOCATION"})
            EXPECT_EQ(eigen[i].value(T(veld)), alle[i].value(T(veld))) << veld;
        EXPECT_FALSE(uids.contains(eigen[i].value(T("UID"))));
        uids.insert(eigen[i].value(T("UID")));
    }
    EXPECT_EQ(uids.size(), 6);
}
