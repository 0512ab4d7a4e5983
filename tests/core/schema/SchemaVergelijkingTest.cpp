#include "hulp/SchemaTestHulp.h"
#include "schema/LetterlijkeBouwer.h"
#include <random>
#include "hulp/SchemaTestHulp.h"
#include "hulp/WillekeurigToernooi.h"
#include "schema/LetterlijkeBouwer.h"

using namespace SchemaTestHulp;

TEST(SchemaVergelijking, BuilderEqualsTheLiteralRulesOnRandomTournaments)
{
    std::mt19937 toeval(20261208);
    int gebouwd = 0;
    for (int geval = 0; geval < 300; ++geval) {
        ToernooiModel model;
        MaakWillekeurig(model, toeval);
        TSchemaBoom letterlijk;
        const bool letterlijkGelukt = BouwLetterlijk(model, letterlijk);
        TSchemaBoom snel;
        const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(snel);
        ASSERT_EQ(uitkomst.Gelukt, letterlijkGelukt) << "geval " << geval;
        if (!uitkomst.Gelukt)
            continue;
        ++gebouwd;
        ASSERT_EQ(snel.AlsTekst(), letterlijk.AlsTekst()) << "geval " << geval;
        ASSERT_EQ(snel, letterlijk) << "geval " << geval;
    }
    EXPECT_GT(gebouwd, 250);
}

TEST(SchemaVergelijking, TheRoundBoundRefusesExactlyWhatTheFullRunCannotPlace)
{
    // Small poules whose rest puts the fewest rounds they need around the last round of the
    // table, some linked: the quick refusal must agree with a full run, both ways.
    std::mt19937 toeval(20261211);
    auto getal = [&toeval](int laag, int hoog) {
        return std::uniform_int_distribution<int>(laag, hoog)(toeval);
    };
    int geweigerd = 0;
    int gebouwd = 0;
    for (int geval = 0; geval < 40; ++geval) {
        ToernooiModel model;
        std::vector<TPouleOpzet> opzet;
        const int aantal = getal(1, 3);
        int team = 1;
        for (int p = 0; p < aantal; ++p) {
            const int n = getal(3, 6);
            TPouleOpzet poule{p == 0 ? "A" : p == 1 ? "B" : "C", TeamReeks(team, team + n - 1)};
            team += n;
            poule.Competitie =
                getal(0, 1) == 0 ? TCompetitieType::HeleCompetitie : TCompetitieType::HalveCompetitie;
            const qint64 eigen = poule.Competitie == TCompetitieType::HeleCompetitie
                                     ? n * (n - 1) : n * (n - 1) / 2;
            const qint64 vensters = (eigen + n / 2 - 1) / (n / 2);
            const int doel = getal(260, 340);
            poule.MinimaleRust = p == 0 ? int((doel - 1) / (vensters - 1)) - 1 + getal(0, 1)
                                        : getal(0, 20);
            opzet.push_back(poule);
        }
        if (aantal >= 2 && getal(0, 1) == 0) {
            opzet[0].KruisPoule = 2;
            opzet[1].KruisPoule = 1;
        }
        VoegPoulesToe(model, opzet);
        model.ZetGewoneVelden(getal(1, 3));

        TSchemaBoom letterlijk;
        const bool letterlijkGelukt = BouwLetterlijk(model, letterlijk);
        TSchemaBoom snel;
        const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(snel);
        ASSERT_EQ(uitkomst.Gelukt, letterlijkGelukt) << "geval " << geval;
        if (uitkomst.Gelukt) {
            ++gebouwd;
            EXPECT_EQ(snel, letterlijk) << "geval " << geval;
        } else {
            EXPECT_EQ(uitkomst.Reden, TSchemaBouwer::NietPassendTekst()) << "geval " << geval;
        }
        const auto& eerste = *model.PouleLijst().front();
        if (TSchemaBouwer::MinsteRonden(*eerste.Details, qint64(eerste.Teams.size())) >
            TSchemaBouwer::LaatsteRonde)
            ++geweigerd;
    }
    EXPECT_GE(geweigerd, 8);
    EXPECT_GE(gebouwd, 8);
}
