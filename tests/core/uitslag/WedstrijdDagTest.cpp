#include "core/uitslag/TWedstrijdDag.h"

#include "core/afdruk/AfdrukInhoud.h"
#include "core/afdruk/PaginaOpmaak.h"
#include "core/afdruk/TPaginaMaten.h"
#include "core/bestand/ToernooiLezer.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/StandTekst.h"
#include "hulp/OpnameCanvas.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

void Laad(ToernooiModel& model, const char* naam)
{
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/") + QString::fromUtf8(naam));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly)) << naam;
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
}

TSchemaBoom Bouw(const ToernooiModel& model)
{
    TSchemaBoom boom;
    EXPECT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    return boom;
}

TUitslag Score(int doelpunten1, int doelpunten2, int beslist = 0)
{
    TUitslag uitslag;
    uitslag.Doelpunten1 = doelpunten1;
    uitslag.Doelpunten2 = doelpunten2;
    uitslag.Beslist = beslist;
    return uitslag;
}

// The team named first wins every poule match, so the standings follow the poule order.
void SpeelPoules(TWedstrijdDag& dag, int doelpunten1 = 1)
{
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        if (!dag.Wedstrijden()[i].IsKruis())
            dag.ZetUitslag(int(i), Score(doelpunten1, 0));
    }
}

// The first side wins every cross match; a level final is decided for the second side.
void SpeelKruis(TWedstrijdDag& dag)
{
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        const TDagWedstrijd& w = dag.Wedstrijden()[i];
        if (w.IsKruis())
            dag.ZetUitslag(int(i), w.Tekst.startsWith(u"1e&2e:") ? Score(0, 0, 2) : Score(1, 0));
    }
}

int Zoek(const TWedstrijdDag& dag, QStringView begin)
{
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        if (dag.Wedstrijden()[i].Tekst.startsWith(begin))
            return int(i);
    }
    return -1;
}

QStringList Eindstand(const TDagPaar& paar)
{
    QStringList namen;
    for (const TEindPlaats& plaats : paar.Eindstand)
        namen.append(QString::number(plaats.Plaats) + u' '
                     + (plaats.Team ? plaats.Team->TeamNaam : QStringLiteral("?")));
    return namen;
}

} // namespace

TEST(WedstrijdDag, KruisKetting4En4Dubbel)
{
    ToernooiModel model;
    Laad(model, "kruis_4_4_dubbel.trn");
    const TSchemaBoom boom = Bouw(model);
    TWedstrijdDag dag(model, boom);
    const int kruis4 = Zoek(dag, u"Kr. AB4:");
    const int finale = Zoek(dag, u"1e&2e:");
    ASSERT_GE(kruis4, 0);
    ASSERT_GE(finale, 0);
    EXPECT_FALSE(model.Gewijzigd());

    // All level: the standings are final but every place is marked, so nothing is known.
    SpeelPoules(dag, 0);
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_TRUE(dag.Stand(0).Definitief);
    EXPECT_EQ(dag.IngevuldeTekst(kruis4), QStringLiteral("Kr. AB4:Nummer 4 B x Nummer 3 A"));

    SpeelPoules(dag);
    EXPECT_EQ(dag.IngevuldeTekst(kruis4), QStringLiteral("Kr. AB4:T8 x T3"));
    EXPECT_EQ(dag.IngevuldeTekst(finale),
              QStringLiteral("1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"));

    SpeelKruis(dag);
    EXPECT_EQ(dag.IngevuldeTekst(finale), QStringLiteral("1e&2e:T5 x T6"));
    ASSERT_EQ(dag.Paren().size(), 1u);
    EXPECT_EQ(Eindstand(dag.Paren()[0]),
              QStringList({QStringLiteral("1 T6"), QStringLiteral("2 T5"), QStringLiteral("3 T1"),
                           QStringLiteral("4 T2"), QStringLiteral("5 T7"), QStringLiteral("6 T8"),
                           QStringLiteral("7 T3"), QStringLiteral("8 T4")}));

    // Removing a crossing result makes the placement match that follows from it unknown.
    dag.ZetUitslag(Zoek(dag, u"Kr. AB1:"), std::nullopt);
    EXPECT_EQ(dag.IngevuldeTekst(finale), QStringLiteral("1e&2e:Winnaar Kr. AB1 x T6"));
    EXPECT_EQ(dag.Paren()[0].Eindstand[0].Team, nullptr);
}

class KruisKetting : public testing::TestWithParam<std::pair<const char*, int>>
{
};

TEST_P(KruisKetting, VultElkePlaatsIn)
{
    ToernooiModel model;
    Laad(model, GetParam().first);
    const TSchemaBoom boom = Bouw(model);
    TWedstrijdDag dag(model, boom);
    SpeelPoules(dag);
    SpeelKruis(dag);

    for (const TDagWedstrijd& w : dag.Wedstrijden()) {
        if (!w.IsKruis())
            continue;
        EXPECT_TRUE(w.Kruis) << w.Tekst.toStdString();
        EXPECT_TRUE(w.Kant1 && w.Kant2 && w.Winnaar != 0) << w.Tekst.toStdString();
    }
    ASSERT_EQ(dag.Paren().size(), 1u);
    const auto& eindstand = dag.Paren()[0].Eindstand;
    ASSERT_EQ(int(eindstand.size()), GetParam().second);
    QStringList teams;
    for (std::size_t i = 0; i < eindstand.size(); ++i) {
        EXPECT_EQ(eindstand[i].Plaats, int(i) + 1);
        ASSERT_NE(eindstand[i].Team, nullptr);
        EXPECT_FALSE(teams.contains(eindstand[i].Team->TeamNaam));
        teams.append(eindstand[i].Team->TeamNaam);
    }
}

INSTANTIATE_TEST_SUITE_P(WedstrijdDag, KruisKetting,
                         testing::Values(std::pair{"kruis_3_3_dubbel.trn", 6},
                                         std::pair{"kruis_4_3_dubbel.trn", 6},
                                         std::pair{"kruis_4_5_enkel.trn", 8}));

TEST(WedstrijdDag, UitslagenBlijvenBijHerbouwenEnVervallen)
{
    ToernooiModel model;
    Laad(model, "kruis_4_4_dubbel.trn");
    std::vector<std::optional<TUitslag>> voor;
    {
        const TSchemaBoom boom = Bouw(model);
        TWedstrijdDag dag(model, boom);
        SpeelPoules(dag);
        SpeelKruis(dag);
        for (const TDagWedstrijd& w : dag.Wedstrijden())
            voor.push_back(w.Uitslag);
    }

    const TSchemaBoom zelfde = Bouw(model);
    TWedstrijdDag opnieuw(model, zelfde);
    ASSERT_EQ(opnieuw.Wedstrijden().size(), voor.size());
    for (std::size_t i = 0; i < voor.size(); ++i)
        EXPECT_EQ(opnieuw.Wedstrijden()[i].Uitslag, voor[i]) << i;
    EXPECT_TRUE(opnieuw.Vervallen().empty());

    // Without T4 the matches naming it, and the cross matches of a 3 and 4 pair that a 4 and
    // 4 pair does not have, are gone; their results are kept as lapsed.
    const std::size_t aantal = model.Uitslagen().Lijst().size();
    model.VerwijderTeams({model.TeamLijst()[std::size_t(model.TeamIndex(
        model.PouleLijst()[0]->Teams[3]))].get()});
    const TSchemaBoom anders = Bouw(model);
    TWedstrijdDag dag(model, anders);
    EXPECT_EQ(model.Uitslagen().Lijst().size(), aantal);
    bool t4Vervallen = false;
    for (const TUitslag& u : dag.Vervallen())
        t4Vervallen = t4Vervallen || u.Wedstrijd == QStringLiteral("A : T1 x T4");
    EXPECT_TRUE(t4Vervallen);
    std::size_t gekoppeld = 0;
    for (const TDagWedstrijd& w : dag.Wedstrijden())
        gekoppeld += w.Uitslag ? 1 : 0;
    EXPECT_EQ(gekoppeld + dag.Vervallen().size(), aantal);
}

TEST(WedstrijdDag, UitslagenAfdrukBlijftBinnenDePagina)
{
    ToernooiModel model;
    Laad(model, "kruis_4_4_dubbel.trn");
    const TSchemaBoom boom = Bouw(model);
    TWedstrijdDag dag(model, boom);
    SpeelPoules(dag);

    // A page just wide enough for the standings' columns beside a short label column.
    OpnameCanvas canvas(900, 4000);
    TAfdrukGegevens gegevens =
        AfdrukInhoud(model, boom, TPaginaMaten::MeasurePage(canvas, model.Lettertypen()), QString());
    gegevens.Dag = &dag;
    gegevens.PageCount = 1;
    PaginaOpmaak::PrintUitslagen(canvas, gegevens);

    const QRegularExpression tekst(QStringLiteral("^(\\d+),\\d+ (\\d+)b? (.*)$"));
    int teksten = 0;
    for (const QString& regel : canvas.Opname) {
        const auto m = tekst.match(regel);
        if (!m.hasMatch())
            continue;
        ++teksten;
        EXPECT_LE(m.captured(1).toInt() + m.captured(3).size() * m.captured(2).toInt(), 900) << regel.toStdString();
    }
    EXPECT_GT(teksten, 20);
}

// The standings headings: a poule already named "Poule A" is not written "Poule Poule A",
// the heading of the printout has a line of its own above its column header, and a poule
// that has played nothing shows no "gelijk".
TEST(WedstrijdDag, StandKoppenEnGelijkMerkenVoorHetSpelen)
{
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    QByteArray bytes = bestand.readAll();
    bytes.replace("PouleNaam=A\n", "PouleNaam=Poule A\n").replace("KruisPoule=A\n", "KruisPoule=Poule A\n");
    ToernooiModel model;
    ToernooiLezer::LeesToernooiBytes(model, bytes);
    const TSchemaBoom boom = Bouw(model);
    TWedstrijdDag dag(model, boom);

    const QString tekst = StandTekst(dag);
    EXPECT_TRUE(tekst.startsWith(QStringLiteral("Poule A\n1\tT1\t0\t0\t0\t0\t0\t0\t0\n")))
        << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("\nPoule B\n")));
    EXPECT_FALSE(tekst.contains(QStringLiteral("Poule Poule")));
    EXPECT_FALSE(tekst.contains(QStringLiteral("gelijk")));

    OpnameCanvas canvas(900, 4000);
    TAfdrukGegevens gegevens =
        AfdrukInhoud(model, boom, TPaginaMaten::MeasurePage(canvas, model.Lettertypen()), QString());
    gegevens.Dag = &dag;
    gegevens.PageCount = 1;
    PaginaOpmaak::PrintUitslagen(canvas, gegevens);
    EXPECT_TRUE(canvas.Met(QStringLiteral("Poule Poule")).isEmpty());
    EXPECT_TRUE(canvas.Met(QStringLiteral("gelijk")).isEmpty());
    const QRegularExpression tekstOp(QStringLiteral("^\\d+,(\\d+) "));
    const QStringList koppen =
        canvas.Opname.filter(QRegularExpression(QStringLiteral("^\\d+,\\d+ \\d+b Poule ")));
    const QStringList kolommen = canvas.Met(QStringLiteral(" Gesp."));
    ASSERT_EQ(koppen.size(), 2);
    ASSERT_EQ(kolommen.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const int kopY = tekstOp.match(koppen[i]).captured(1).toInt();
        const int kolomY = tekstOp.match(kolommen[i]).captured(1).toInt();
        EXPECT_GT(kolomY, kopY) << koppen[i].toStdString() << " / " << kolommen[i].toStdString();
    }
    EXPECT_TRUE(koppen[0].endsWith(QStringLiteral(" Poule A"))) << koppen[0].toStdString();

    // Once both teams of a match drew, the tie is reported again.
    dag.ZetUitslag(Zoek(dag, u"Poule A : T1 x T2"), Score(1, 1));
    EXPECT_TRUE(StandTekst(dag).contains(QStringLiteral("\tgelijk\n")));
}

// Numbers near the end of the int range in a file: such points and scores are not taken, so
// the standings stay sane (two wins used to add up past the range), and the note of the
// command-line tool counts the scores as results of no match.
TEST(WedstrijdDag, GroteGetallenUitEenBestandGevenEenGezondeStand)
{
    QFile bestand(QStringLiteral(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    const QByteArray bytes = bestand.readAll()
                             + "Punten=2147483647,1,0\n"
                               "Uitslag=1,2147483647,0,0,A : T1 x T2\n"
                               "Uitslag=1,2147483647,0,0,A : T1 x T3\n"
                               "Uitslag=1,999,0,0,A : T1 x T4\n"
                               "Uitslag=1,0,999,0,B : T5 x T6\n";
    ToernooiModel model;
    ToernooiLezer::LeesToernooiBytes(model, bytes);
    const TSchemaBoom boom = Bouw(model);
    const TWedstrijdDag dag(model, boom);

    for (int p = 0; p < 2; ++p) {
        for (const TStandRegel& r : dag.Stand(p).Regels) {
            EXPECT_GE(r.Punten, 0);
            EXPECT_LE(r.Punten, 3 * r.Gespeeld);
            EXPECT_LE(r.Voor, 999 * r.Gespeeld);
            EXPECT_LE(r.Tegen, 999 * r.Gespeeld);
        }
    }
    const TStandRegel& eerste = dag.Stand(0).Regels.front();
    EXPECT_EQ(eerste.Team, 0);
    EXPECT_EQ(eerste.Punten, 3);
    EXPECT_EQ(eerste.Voor, 999);
    EXPECT_EQ(dag.Stand(1).Regels.front().Punten, 3);
    EXPECT_EQ(VervallenMelding(dag),
              QStringLiteral("2 uitslagen horen bij geen wedstrijd in het schema; de "
                             "uitslagenlijst toont ze als vervallen."));
}

// A decision flag read with a result counts only for a cross match with a level score: no
// other match shows a "*" or has a winner by it.
TEST(WedstrijdDag, AlleenEenGelijkeKruiswedstrijdIsBeslist)
{
    ToernooiModel model;
    Laad(model, "kruis_4_4_dubbel.trn");
    const TSchemaBoom boom = Bouw(model);
    TUitslagen uitslagen;
    {
        const TWedstrijdDag leeg(model, boom);
        for (std::size_t i = 0; i < leeg.Wedstrijden().size(); ++i) {
            const TDagWedstrijd& w = leeg.Wedstrijden()[i];
            // Level and not level, decided for either side.
            uitslagen.Zet(TUitslag{w.Keer, 1, i % 3 == 0 ? 0 : 1, 1 + int(i % 2), w.Tekst, {}, {}});
        }
    }
    model.ZetUitslagen(uitslagen);
    const TWedstrijdDag dag(model, boom);
    int beslist = 0;
    for (const TDagWedstrijd& w : dag.Wedstrijden()) {
        ASSERT_TRUE(w.Uitslag) << w.Tekst.toStdString();
        const bool telt = w.IsKruis() && w.Uitslag->Doelpunten1 == w.Uitslag->Doelpunten2;
        EXPECT_EQ(ScoreTekst(*w.Uitslag).contains(u'*'), telt) << w.Tekst.toStdString();
        beslist += telt ? 1 : 0;
    }
    EXPECT_GT(beslist, 0);
}
