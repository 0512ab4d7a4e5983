#include "core/schema/TWedstrijdGenerator.h"
#include "hulp/SchemaTestHulp.h"

using namespace SchemaTestHulp;

namespace {

constexpr auto Halve = TCompetitieType::HalveCompetitie;
constexpr auto Hele = TCompetitieType::HeleCompetitie;
constexpr auto Enkel = TKruisPouleCompetitieType::EnkeleWedstrijden;
constexpr auto Dubbel = TKruisPouleCompetitieType::DubbeleWedstrijden;

struct TKruisGeval
{
    int nP;
    int nQ;
    TKruisPouleCompetitieType Type;
    int Plaatsen;
    double Wedstrijden;
    std::vector<const char*> Teksten;
};

// A linked pair P (first) and Q; after their own competitions every cross match is booked
// with P as the chosen poule.
QStringList KruisTeksten(const TKruisGeval& geval, ToernooiModel& model)
{
    VoegPoulesToe(model, {{"P", TeamReeks(1, geval.nP), Halve, 2, geval.Type},
                          {"Q", TeamReeks(11, 10 + geval.nQ), Halve, 1, geval.Type}});
    TWedstrijdGenerator generator(model.PouleLijst());
    generator.BereidVoor();
    EXPECT_EQ(generator.Poule(0).KruisPlaatsen, geval.Plaatsen);
    EXPECT_EQ(generator.Poule(0).KruisWedstrijden, geval.Wedstrijden);
    EXPECT_EQ(generator.Poule(1).KruisWedstrijden, geval.Wedstrijden);
    for (int p = 0; p < 2; ++p) {
        const auto n = int(generator.Teams(p).size());
        for (int a = 0; a < n; ++a) {
            for (int b = a + 1; b < n; ++b)
                generator.BoekPouleWedstrijd(p, a, b, 1);
        }
    }
    const quint8 eersteFase = geval.Type == Enkel ? 3 : 2;
    EXPECT_EQ(generator.Poule(0).Fase, eersteFase);
    EXPECT_EQ(generator.Poule(1).Fase, eersteFase);
    QStringList teksten;
    for (int ronde = 2; generator.Poule(0).Fase != 4 && ronde < 40; ++ronde)
        teksten.append(generator.BoekKruisWedstrijd(0, 1, ronde).Tekst());
    EXPECT_EQ(generator.Poule(1).Fase, 4);
    EXPECT_EQ(generator.OpenPoules(), 0);
    return teksten;
}

} // namespace

TEST(WedstrijdGenerator, CrossMatchesOfTheFourPairKinds)
{
    const std::vector<TKruisGeval> gevallen = {
        {4,
         4,
         Dubbel,
         4,
         8,
         {"Kr. AB4:Nummer 4 P x Nummer 3 Q", "Kr. AB3:Nummer 3 P x Nummer 4 Q",
          "Kr. AB2:Nummer 2 P x Nummer 1 Q", "Kr. AB1:Nummer 1 P x Nummer 2 Q",
          "7e&8e:Verliezer Kr. AB4 x Verliezer Kr. AB3", "5e&6e:Winnaar Kr. AB3 x Winnaar Kr. AB4",
          "3e&4e:Verliezer Kr. AB2 x Verliezer Kr. AB1",
          "1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"}},
        {3,
         3,
         Dubbel,
         3,
         5,
         {"5e&6e:Nummer 3 P x Nummer 3 Q", "Kr. AB2:Nummer 2 P x Nummer 1 Q",
          "Kr. AB1:Nummer 1 P x Nummer 2 Q", "3e&4e:Verliezer Kr. AB2 x Verliezer Kr. AB1",
          "1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"}},
        {4,
         3,
         Dubbel,
         3,
         6,
         {"Kr. AB3:Nummer 4 P x Nummer 3 Q", "Kr. AB2:Nummer 2 P x Nummer 1 Q",
          "Kr. AB1:Nummer 1 P x Nummer 2 Q", "5e&6e:Winnaar Kr. AB3 x Nummer 3 P",
          "3e&4e:Verliezer Kr. AB2 x Verliezer Kr. AB1",
          "1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"}},
        {4,
         5,
         Enkel,
         4,
         4,
         {"7e&8e:Nummer 4 P x Nummer 4 Q", "5e&6e:Nummer 3 P x Nummer 3 Q",
          "3e&4e:Nummer 2 P x Nummer 2 Q", "1e&2e:Nummer 1 P x Nummer 1 Q"}},
        // The chosen poule the smaller one: the single match of its odd size plays number 3
        // of the larger poule.
        {3,
         4,
         Dubbel,
         3,
         6,
         {"Kr. AB3:Nummer 3 P x Nummer 4 Q", "Kr. AB2:Nummer 2 P x Nummer 1 Q",
          "Kr. AB1:Nummer 1 P x Nummer 2 Q", "5e&6e:Winnaar Kr. AB3 x Nummer 3 Q",
          "3e&4e:Verliezer Kr. AB2 x Verliezer Kr. AB1",
          "1e&2e:Winnaar Kr. AB1 x Winnaar Kr. AB2"}},
        {3,
         3,
         Enkel,
         3,
         3,
         {"5e&6e:Nummer 3 P x Nummer 3 Q", "3e&4e:Nummer 2 P x Nummer 2 Q",
          "1e&2e:Nummer 1 P x Nummer 1 Q"}},
    };
    for (const TKruisGeval& geval : gevallen) {
        SCOPED_TRACE(testing::Message() << geval.nP << " & " << geval.nQ);
        ToernooiModel model;
        QStringList verwacht;
        for (const char* tekst : geval.Teksten)
            verwacht.append(T(tekst));
        EXPECT_EQ(KruisTeksten(geval, model), verwacht);
    }
}

TEST(WedstrijdGenerator, WeightsFollowTheFormulaInItsOwnOrder)
{
    // P: 3 teams, half competition (3 own matches); Q: 3 teams, full (6). Both 3 cross matches.
    ToernooiModel model;
    VoegPoulesToe(
        model, {{"P", TeamReeks(1, 3), Halve, 2, Enkel}, {"Q", TeamReeks(4, 6), Hele, 1, Enkel}});
    TWedstrijdGenerator generator(model.PouleLijst());
    generator.BereidVoor();
    const TPouleDetails& p = generator.Poule(0);
    const TPouleDetails& q = generator.Poule(1);
    EXPECT_EQ(q.GewichtEigen, 1000.0 / 9);
    EXPECT_EQ(q.GewichtKruis, 1000.0 / 9);
    EXPECT_EQ(p.GewichtKruis, 1000.0 / 9);
    // Q's own matches times the cross weight first, then divided: the last bit differs from
    // dividing the weight first, and from simply doubling it.
    const double kruis = 1000.0 / 9;
    EXPECT_EQ(p.GewichtEigen, 6 * kruis / 3);
    EXPECT_NE(p.GewichtEigen, 6 * (kruis / 3));
    EXPECT_NEAR(p.GewichtEigen, 2 * p.GewichtKruis, 1e-9);

    // Both reach the same progress at the end of their own matches.
    generator.BoekPouleWedstrijd(0, 1, 2, 1);
    generator.BoekPouleWedstrijd(0, 0, 2, 2);
    generator.BoekPouleWedstrijd(0, 0, 1, 3);
    for (int keer = 0; keer < 2; ++keer) {
        generator.BoekPouleWedstrijd(1, 1, 2, 4 + 3 * keer);
        generator.BoekPouleWedstrijd(1, 0, 2, 5 + 3 * keer);
        generator.BoekPouleWedstrijd(1, 0, 1, 6 + 3 * keer);
    }
    EXPECT_NEAR(p.Voortgang, q.Voortgang, 1e-9);
    EXPECT_EQ(p.Fase, 3);
    EXPECT_EQ(p.FaseEindRonde, 3);
    EXPECT_EQ(q.Fase, 3);
    EXPECT_EQ(q.FaseEindRonde, 9);
}

TEST(WedstrijdGenerator, PouleMatchBookkeepingAndPairEligibility)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 3), Hele}, {"B", TeamReeks(4, 5), Halve, -1}});
    TWedstrijdGenerator generator(model.PouleLijst());
    generator.BereidVoor();
    EXPECT_EQ(generator.Poule(0).EigenWedstrijden, 6);
    EXPECT_EQ(generator.Poule(0).WedstrijdenPerHelft, 3);
    EXPECT_EQ(generator.Poule(0).FaseEindRonde, TWedstrijdGenerator::Nooit);
    EXPECT_EQ(generator.Partner(1), -1);

    // The two-team poule with -1 as partner is done after its one match.
    EXPECT_EQ(generator.BoekPouleWedstrijd(1, 0, 1, 7), T("B : T4 x T5"));
    EXPECT_EQ(generator.Poule(1).Fase, 4);
    EXPECT_EQ(generator.Poule(1).FaseEindRonde, 7);
    EXPECT_EQ(generator.Poule(1).Voortgang, 1000.0);
    EXPECT_EQ(generator.OpenPoules(), 1);

    const auto& teams = generator.Teams(0);
    auto beideKlaar = [&](int a, int b) {
        const bool klaar = generator.PaarKlaar(0, a, b);
        EXPECT_EQ(klaar,
                  TWedstrijdGenerator::PaarKlaar(*teams[std::size_t(a)], *teams[std::size_t(b)]));
        return klaar;
    };
    EXPECT_FALSE(beideKlaar(0, 1));
    generator.BoekPouleWedstrijd(0, 0, 1, 1);
    EXPECT_TRUE(beideKlaar(0, 1));
    EXPECT_TRUE(beideKlaar(1, 0));
    EXPECT_FALSE(beideKlaar(0, 2));
    EXPECT_EQ(teams[0]->LaatsteRonde, 1);
    generator.BoekPouleWedstrijd(0, 0, 2, 2);
    generator.BoekPouleWedstrijd(0, 1, 2, 3);
    // Every team met both others: second half, and every pair may meet again once.
    EXPECT_EQ(generator.Poule(0).Fase, 1);
    EXPECT_EQ(teams[0]->Fase, 1);
    EXPECT_EQ(teams[0]->WedstrijdenInHelft, 0);
    EXPECT_FALSE(beideKlaar(0, 1));
    generator.BoekPouleWedstrijd(0, 0, 1, 4);
    EXPECT_TRUE(beideKlaar(0, 1));
    EXPECT_EQ(teams[0]->Gespeeld, 3);
    EXPECT_EQ(teams[0]->Tegenstanders.count(teams[1]), 2);
}

TEST(WedstrijdGenerator, PouleLettersFollowTheCharacterTable)
{
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(1), T("A"));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(26), T("Z"));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(27), T("["));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(64), T("€"));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(65), QString(QChar(0x81)));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(95), T("Ÿ"));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(96), QString(QChar(0xA0)));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(191), T("ÿ"));
    EXPECT_EQ(TWedstrijdGenerator::PouleLetter(192), T("Ā"));
}
