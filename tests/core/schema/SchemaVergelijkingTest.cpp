#include "hulp/SchemaTestHulp.h"
#include "schema/LetterlijkeBouwer.h"

#include <random>

using namespace SchemaTestHulp;

namespace {

// A random tournament: up to seven poules of 2..8 teams, mixed competitions and rests,
// mutual links of either kind (and now and then the -1 of a typed selector), one to four
// fields with some unavailable cells.
void MaakWillekeurig(ToernooiModel& model, std::mt19937& toeval)
{
    auto getal = [&toeval](int laag, int hoog) {
        return std::uniform_int_distribution<int>(laag, hoog)(toeval);
    };
    const int aantal = getal(1, 7);
    std::vector<TPouleOpzet> opzet;
    std::vector<QByteArray> namen;
    namen.reserve(std::size_t(aantal));
    int team = 1;
    for (int p = 0; p < aantal; ++p) {
        namen.push_back("P" + QByteArray::number(p + 1));
        const int n = getal(2, 8);
        TPouleOpzet poule{namen.back().constData(), TeamReeks(team, team + n - 1)};
        team += n;
        poule.Competitie =
            getal(0, 2) == 0 ? TCompetitieType::HeleCompetitie : TCompetitieType::HalveCompetitie;
        poule.MinimaleRust = getal(0, 5) == 0 ? getal(1, 3) : 0;
        poule.KruisPoule = getal(0, 9) == 0 ? -1 : 0;
        opzet.push_back(poule);
    }
    for (int p = 0; p + 1 < aantal; p += 2) {
        if (getal(0, 2) == 0)
            continue;
        const auto type = getal(0, 1) == 0 ? TKruisPouleCompetitieType::EnkeleWedstrijden
                                           : TKruisPouleCompetitieType::DubbeleWedstrijden;
        // Partners need not be neighbours: swap with a later poule now and then.
        int q = p + 1;
        if (getal(0, 3) == 0)
            q = getal(p + 1, aantal - 1);
        if (opzet[std::size_t(q)].KruisPoule > 0)
            continue;
        opzet[std::size_t(p)].KruisPoule = q + 1;
        opzet[std::size_t(q)].KruisPoule = p + 1;
        opzet[std::size_t(p)].KruisType = type;
        opzet[std::size_t(q)].KruisType = type;
    }
    VoegPoulesToe(model, opzet);
    model.ZetGewoneVelden(getal(1, 4));
    for (int ronde = 1; ronde <= 40; ++ronde) {
        for (int veld = 1; veld <= model.AantalVelden(); ++veld) {
            if (getal(0, 9) == 0)
                model.ZetVeldBeschikbaar(veld, ronde, false);
        }
    }
}

} // namespace

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
