#include "core/bestand/ToernooiLezer.h"
#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/verbeteren/HandVerplaatsing.h"
#include "core/verbeteren/Regelcontrole.h"
#include "core/verbeteren/TSchemaVerbeteraar.h"
#include "hulp/WillekeurigToernooi.h"
#include "verbeteren/VerbeterTestHulp.h"

#include <QFile>

using namespace SchemaTestHulp;
using namespace VerbeterTestHulp;

namespace {

TSchemaBoom Gebouwd(const ToernooiModel& model)
{
    TSchemaBoom boom;
    EXPECT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    return boom;
}

// About every fifth match of the schedule gets a result.
TUitslagen SpeelSommige(const TSchemaBoom& boom, std::mt19937& toeval)
{
    TUitslagen uitslagen;
    boom.VoorElkeWedstrijd([&](std::size_t, std::size_t, const TWedstrijdDetails&, const QString& tekst, int keer) {
        if (toeval() % 5 == 0)
            uitslagen.Zet(TUitslag{keer, 1, 0, 0, tekst, {}, {}});
    });
    return uitslagen;
}

} // namespace

// On random tournaments that build, with some matches played: the improved schedule keeps
// every rule by a check of its own (same matches, usable slots, rest, phases, finals, played
// matches in place), is never worse than the builder's in rounds and then back-to-back
// matches, and comes out the same twice. The rule check agrees with that check on the
// builder's schedules, and a swap by hand is refused exactly when it would break a rule.
TEST(Verbeteren, KeepsEveryRuleAndNeverLosesOnRandomTournaments)
{
    int verbeterd = 0;
    int geweigerd = 0;
    const int gebouwd = VoorElkGebouwdToernooi(2207, 150, [&](int geval, const ToernooiModel& model,
                                                              const TSchemaBoom& boom, std::mt19937& toeval) {
        const TUitslagen uitslagen = SpeelSommige(boom, toeval);
        const bool bouwerGoed = EersteFout(model, boom, boom, &boom, &uitslagen).empty();
        ASSERT_EQ(ControleerSchema(model, boom, uitslagen, &boom).isEmpty(), bouwerGoed) << "geval " << geval;

        TSchemaVerbeteraar verbeteraar(model);
        verbeteraar.ZetInspanning(1);
        const TVerbeterUitkomst uitkomst = verbeteraar.Verbeter(boom, uitslagen);
        ASSERT_FALSE(uitkomst.Geannuleerd);
        if (!uitkomst.Verbeterd) {
            ASSERT_EQ(uitkomst.Schema, boom) << "geval " << geval;
            return;
        }
        ++verbeterd;
        ASSERT_EQ(EersteFout(model, uitkomst.Schema, boom, &boom, &uitslagen), "") << "geval " << geval;
        const auto voor = std::pair(uitkomst.Voor.Ronden, uitkomst.Voor.AchterElkaar);
        const auto na = std::pair(uitkomst.Na.Ronden, uitkomst.Na.AchterElkaar);
        if (bouwerGoed)
            ASSERT_LE(na, voor) << "geval " << geval;
        ASSERT_LE(uitkomst.Na.Ronden, uitkomst.Voor.Ronden) << "geval " << geval;
        ASSERT_EQ(uitkomst.Na, TSchemaVerbeteraar::Cijfers(model, uitkomst.Schema));
        ASSERT_EQ(verbeteraar.Verbeter(boom, uitslagen).Schema, uitkomst.Schema) << "geval " << geval;

        // A swap of two random slots of the improved schedule.
        const TSchemaBoom& schema = uitkomst.Schema;
        const TSchemaRonde& r1 = schema.Ronden[toeval() % schema.Ronden.size()];
        const TSchemaRonde& r2 = schema.Ronden[toeval() % schema.Ronden.size()];
        if (r1.Velden.empty() || r2.Velden.empty())
            return;
        const TVak a{r1.Ronde, int(toeval() % r1.Velden.size()) + 1};
        const TVak b{r2.Ronde, int(toeval() % r2.Velden.size()) + 1};
        const TVerplaatsUitkomst wissel = WisselVakken(model, schema, uitslagen, a, b);
        if (wissel.Gelukt()) {
            ASSERT_EQ(EersteFout(model, wissel.Schema, boom, &schema, &uitslagen), "") << "geval " << geval;
        } else {
            ++geweigerd;
            ASSERT_TRUE(wissel.Schema.Leeg());
        }
    });
    EXPECT_GT(gebouwd, 110);
    EXPECT_GT(verbeterd, gebouwd / 2);
    EXPECT_GT(geweigerd, 5);
}

// On small tournaments an exact solver of the test's own proves the fewest rounds and then the
// fewest back-to-back matches; the improver reaches that optimum on every one it proves.
TEST(Verbeteren, ReachesTheProvenOptimumOnSmallTournaments)
{
    std::mt19937 toeval(515);
    auto getal = [&toeval](int laag, int hoog) { return laag + int(toeval() % unsigned(hoog - laag + 1)); };
    int bewezen = 0;
    for (int geval = 0; geval < 45; ++geval) {
        ToernooiModel model;
        std::vector<TPouleOpzet> opzet;
        const char* namen[] = {"A", "B", "C"};
        int team = 1;
        const int poules = getal(1, 3);
        for (int p = 0; p < poules; ++p) {
            const int n = getal(2, 4);
            TPouleOpzet poule{namen[p], TeamReeks(team, team + n - 1)};
            team += n;
            poule.Competitie = getal(0, 2) == 0 ? TCompetitieType::HeleCompetitie : TCompetitieType::HalveCompetitie;
            poule.MinimaleRust = getal(0, 4) == 0 ? getal(1, 2) : 0;
            opzet.push_back(poule);
        }
        if (poules >= 2 && getal(0, 1) == 0) {
            opzet[0].KruisPoule = 2;
            opzet[1].KruisPoule = 1;
            opzet[0].KruisType = opzet[1].KruisType = getal(0, 1) == 0
                                                          ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                                          : TKruisPouleCompetitieType::DubbeleWedstrijden;
        }
        VoegPoulesToe(model, opzet);
        model.ZetGewoneVelden(getal(1, 3));
        for (int ronde = 1; ronde <= 20; ++ronde) {
            for (int veld = 1; veld <= model.AantalVelden(); ++veld) {
                if (getal(0, 7) == 0)
                    model.ZetVeldBeschikbaar(veld, ronde, false);
            }
        }
        TSchemaBoom boom;
        if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt || Lees(model, boom).size() > 14)
            continue;
        const TExacteOplosser::TOptimum optimum = TExacteOplosser(model, boom, 200000).Los();
        if (!optimum.Bewezen)
            continue;
        ++bewezen;
        const TVerbeterUitkomst uitkomst = TSchemaVerbeteraar(model).Verbeter(boom, model.Uitslagen());
        EXPECT_EQ(std::pair(uitkomst.Na.Ronden, uitkomst.Na.AchterElkaar),
                  std::pair(optimum.Ronden, optimum.AchterElkaar))
            << "geval " << geval << ", de bouwer: " << uitkomst.Voor.Ronden << " ronden, "
            << uitkomst.Voor.AchterElkaar << " na elkaar";
    }
    EXPECT_GT(bewezen, 20);
}

// The example tournament: the builder's 12 rounds with 8 back-to-back matches become 12 rounds
// (the lower bound) with 2 (proven optimal by an exact model) and a longest wait of at most 4.
TEST(Verbeteren, TheExampleTournament)
{
    ToernooiModel model;
    QFile bestand(QStringLiteral(RONDOPLAN_VOORBEELDEN "/jeugdtoernooi.trn"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ToernooiLezer::LeesToernooiBytes(model, bestand.readAll());
    const TSchemaBoom boom = Gebouwd(model);
    std::vector<int> voortgang;
    TSchemaVerbeteraar verbeteraar(model);
    verbeteraar.ZetVoortgang([&voortgang](int procent) { voortgang.push_back(procent); });
    const TVerbeterUitkomst uitkomst = verbeteraar.Verbeter(boom, model.Uitslagen());
    EXPECT_TRUE(uitkomst.Verbeterd);
    EXPECT_EQ(uitkomst.Voor, (TSchemaCijfers{12, 8, 3}));
    EXPECT_EQ(uitkomst.Na.Ronden, 12);
    EXPECT_EQ(uitkomst.Na.AchterElkaar, 2);
    EXPECT_LE(uitkomst.Na.LangsteWacht, 4);
    EXPECT_EQ(EersteFout(model, uitkomst.Schema, boom), "");
    EXPECT_TRUE(ControleerSchema(model, uitkomst.Schema, model.Uitslagen()).isEmpty());
    ASSERT_FALSE(voortgang.empty());
    EXPECT_TRUE(std::is_sorted(voortgang.begin(), voortgang.end()));
    EXPECT_EQ(voortgang.back(), 100);
    EXPECT_EQ(uitkomst.Melding.left(25), T("Het schema is verbeterd: "));
}

// A run stopped by its flag, before the start or midway through its progress, returns the
// builder's schedule unchanged and says so.
TEST(Verbeteren, CancelledReturnsTheBuildersSchedule)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 8), TCompetitieType::HeleCompetitie},
                          {"B", TeamReeks(9, 14)}});
    model.ZetGewoneVelden(3);
    const TSchemaBoom boom = Gebouwd(model);
    for (const int bij : {0, 30}) {
        std::atomic<bool> stop{bij == 0};
        TSchemaVerbeteraar verbeteraar(model);
        verbeteraar.ZetAnnulering(&stop);
        verbeteraar.ZetVoortgang([&](int procent) {
            if (procent >= bij)
                stop = true;
        });
        const TVerbeterUitkomst uitkomst = verbeteraar.Verbeter(boom, model.Uitslagen());
        EXPECT_TRUE(uitkomst.Geannuleerd) << bij;
        EXPECT_FALSE(uitkomst.Verbeterd);
        EXPECT_EQ(uitkomst.Schema, boom);
        EXPECT_EQ(uitkomst.Na, uitkomst.Voor);
        EXPECT_EQ(uitkomst.Melding, T("Het verbeteren is afgebroken."));
    }
}
