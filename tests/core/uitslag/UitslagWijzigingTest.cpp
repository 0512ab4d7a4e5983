#include "core/uitslag/UitslagWijziging.h"

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/bestand/UitslagenGroep.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "hulp/ScriptVraagsteller.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const char* pad)
{
    QFile bestand(QString::fromUtf8(pad));
    EXPECT_TRUE(bestand.open(QIODevice::ReadOnly)) << pad;
    return bestand.readAll();
}

TSchemaBoom Bouw(const ToernooiModel& model)
{
    TSchemaBoom boom;
    EXPECT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    return boom;
}

int Zoek(const TWedstrijdDag& dag, QStringView begin)
{
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i)
        if (dag.Wedstrijden()[i].Tekst.startsWith(begin))
            return int(i);
    return -1;
}

TUitslag Score(int d1, int d2)
{
    TUitslag u;
    u.Doelpunten1 = d1;
    u.Doelpunten2 = d2;
    return u;
}

// No result counts for teams that did not play it: a cross match's result with teams counts
// only while its sides are those teams.
void TeltAlleenVoorWieSpeelde(const TWedstrijdDag& dag)
{
    for (const TDagWedstrijd& w : dag.Wedstrijden()) {
        if (!w.IsKruis() || !w.Uitslag || !w.Uitslag->HeeftTeams())
            continue;
        ASSERT_TRUE(w.Kant1 && w.Kant2) << w.Tekst.toStdString();
        EXPECT_EQ(w.Kant1->TeamNaam, w.Uitslag->Team1) << w.Tekst.toStdString();
        EXPECT_EQ(w.Kant2->TeamNaam, w.Uitslag->Team2) << w.Tekst.toStdString();
    }
}

QString Namen(const TDagWedstrijd& w)
{
    return (w.Kant1 ? w.Kant1->TeamNaam : QStringLiteral("?")) + QStringLiteral(" x ")
           + (w.Kant2 ? w.Kant2->TeamNaam : QStringLiteral("?"));
}

} // namespace

// The half-played example: the placement matches 9e&10e (decided after penalties) and 7e&8e
// are played, then a poule result before them is corrected.
TEST(UitslagWijziging, ACorrectedPouleResultNeverMovesPlayedPlacementResultsToOtherTeams)
{
    ToernooiModel model;
    ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(model, Bytes(RONDOPLAN_WEDSTRIJDDAG)));
    const TSchemaBoom boom = Bouw(model);
    TWedstrijdDag dag(model, boom);
    const int negende = Zoek(dag, u"9e&10e:");
    const int zevende = Zoek(dag, u"7e&8e:");
    ASSERT_GE(negende, 0);
    ASSERT_GE(zevende, 0);
    dag.ZetUitslag(zevende, Score(1, 0));
    const QString speelden9 = Namen(dag.Wedstrijden()[std::size_t(negende)]);
    const QString speelden7 = Namen(dag.Wedstrijden()[std::size_t(zevende)]);
    ASSERT_EQ(dag.Wedstrijden()[std::size_t(negende)].Winnaar, 1);
    model.ZetGewijzigd(false);
    const QString voor = UitslagenGroep::Regels(model.Uitslagen());

    // The E-pupillen A match that ended 2-2 in round 10 becomes 3-2.
    int correctie = -1;
    for (std::size_t i = 0; i < dag.Wedstrijden().size(); ++i) {
        const TDagWedstrijd& w = dag.Wedstrijden()[i];
        if (w.Ronde == 9 && w.Tekst.startsWith(u"E-pupillen A") && w.Uitslag
            && w.Uitslag->Doelpunten1 == 2 && w.Uitslag->Doelpunten2 == 2)
            correctie = int(i);
    }
    ASSERT_GE(correctie, 0);

    // Annuleren changes nothing, and the question names both played matches.
    ScriptVraagsteller vragen;
    vragen.Nee();
    EXPECT_FALSE(UitslagWijziging::ZetUitslag(dag, vragen, correctie, Score(3, 2)));
    ASSERT_EQ(vragen.Soorten(), QStringList{QStringLiteral("Doorgaan")});
    EXPECT_EQ(vragen.Gevraagd[0].Titel, QStringLiteral("Gespeelde wedstrijden"));
    EXPECT_TRUE(vragen.Gevraagd[0].Tekst.contains(QStringLiteral("9e&10e: ") + speelden9));
    EXPECT_TRUE(vragen.Gevraagd[0].Tekst.contains(QStringLiteral("7e&8e: ") + speelden7));
    EXPECT_EQ(UitslagenGroep::Regels(model.Uitslagen()), voor);
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_EQ(Namen(dag.Wedstrijden()[std::size_t(negende)]), speelden9);

    // Going on: both results lapse with the teams that played them, the places they decided
    // are open again, and the correction counts.
    vragen.Ja();
    EXPECT_TRUE(UitslagWijziging::ZetUitslag(dag, vragen, correctie, Score(3, 2)));
    EXPECT_EQ(dag.Wedstrijden()[std::size_t(correctie)].Uitslag->Doelpunten1, 3);
    TeltAlleenVoorWieSpeelde(dag);
    QStringList vervallen;
    for (const TUitslag& u : dag.Vervallen())
        vervallen.append(u.Wedstrijd.section(u':', 0, 0) + QStringLiteral(": ") + u.Team1
                         + QStringLiteral(" x ") + u.Team2);
    EXPECT_TRUE(vervallen.contains(QStringLiteral("9e&10e: ") + speelden9)) << vervallen.join(u'|').toStdString();
    EXPECT_TRUE(vervallen.contains(QStringLiteral("7e&8e: ") + speelden7));
    EXPECT_FALSE(dag.Wedstrijden()[std::size_t(negende)].Uitslag);
    for (const TEindPlaats& plaats : dag.Paren()[0].Eindstand)
        if (plaats.Plaats >= 7 && plaats.Plaats <= 10)
            EXPECT_EQ(plaats.Team, nullptr) << plaats.Plaats;

    // Saved and read again, the file says the same.
    ToernooiModel gelezen;
    ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(
        gelezen, ToernooiSchrijver::ToernooiBytes(model, QDateTime(), QLocale::c())));
    const TSchemaBoom zelfde = Bouw(gelezen);
    TWedstrijdDag weer(gelezen, zelfde);
    EXPECT_EQ(weer.Vervallen().size(), dag.Vervallen().size());
    EXPECT_FALSE(weer.Wedstrijden()[std::size_t(negende)].Uitslag);
    TeltAlleenVoorWieSpeelde(weer);

    // A new result in a lapsed match's place sets the old one aside instead of losing it;
    // correcting the poule result back lets the other one count again for its own teams.
    dag.ZetUitslag(zevende, Score(0, 5));
    EXPECT_EQ(model.Uitslagen().Terzijde().size(), 1u);
    vragen.Ja();
    ASSERT_TRUE(UitslagWijziging::ZetUitslag(dag, vragen, correctie, Score(2, 2)));
    EXPECT_EQ(Namen(dag.Wedstrijden()[std::size_t(negende)]), speelden9);
    EXPECT_EQ(dag.Wedstrijden()[std::size_t(negende)].Winnaar, 1);
    TeltAlleenVoorWieSpeelde(dag);
}

// Random edits of a tournament with a chain of cross matches, every question answered at
// random: a call-off changes nothing, and no result ever counts for teams that did not play.
TEST(UitslagWijziging, RandomEditsNeverCountAResultForOthers)
{
    ToernooiModel model;
    ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(model,
                                                 Bytes(RONDOPLAN_SCHEMA_MAP "/kruis_4_4_dubbel.trn")));
    const TSchemaBoom boom = Bouw(model);
    TWedstrijdDag dag(model, boom);
    QRandomGenerator willekeur(20261209);
    ScriptVraagsteller vragen;
    const int aantal = int(dag.Wedstrijden().size());
    for (int stap = 0; stap < 400; ++stap) {
        const int wedstrijd = int(willekeur.bounded(aantal));
        std::optional<TUitslag> uitslag;
        if (willekeur.bounded(6) > 0)
            uitslag = Score(int(willekeur.bounded(3)), int(willekeur.bounded(3)));
        const bool doorgaan = willekeur.bounded(2) == 0;
        vragen.Antwoorden = {doorgaan};
        const QString voor = UitslagenGroep::Regels(model.Uitslagen());
        const bool gedaan = willekeur.bounded(5) == 0
            ? UitslagWijziging::Wijzig(dag, vragen, [&](TUitslagen& u) {
                  return u.ZetPunten(TPunten{int(willekeur.bounded(4)), 1, 0});
              })
            : UitslagWijziging::ZetUitslag(dag, vragen, wedstrijd, uitslag);
        if (!gedaan && vragen.Antwoorden.isEmpty())
            ASSERT_EQ(UitslagenGroep::Regels(model.Uitslagen()), voor) << stap;
        TeltAlleenVoorWieSpeelde(dag);
        // The match day says what a fresh one made from the same results says.
        TWedstrijdDag vers(model, boom);
        for (int i = 0; i < aantal; ++i)
            ASSERT_EQ(Namen(vers.Wedstrijden()[std::size_t(i)]), Namen(dag.Wedstrijden()[std::size_t(i)])) << stap;
    }
}
