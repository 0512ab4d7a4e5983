#include "hulp/SchemaTestHulp.h"

using namespace SchemaTestHulp;

namespace {

constexpr auto Halve = TCompetitieType::HalveCompetitie;
constexpr auto Hele = TCompetitieType::HeleCompetitie;
constexpr auto Enkel = TKruisPouleCompetitieType::EnkeleWedstrijden;
constexpr auto Dubbel = TKruisPouleCompetitieType::DubbeleWedstrijden;

// One poule A of T1..T4, half competition, on two fields.
class EenPoule : public ::testing::Test
{
protected:
    void Maak(int rust)
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 4), Halve, 0, Enkel, rust}});
        model.ZetGewoneVelden(2);
    }

    ToernooiModel model;
};

} // namespace

TEST_F(EenPoule, HalfCompetitionOnTwoFields)
{
    Maak(0);
    EXPECT_EQ(Bouw(model),
              Lijst({"Ronde 1", "  Veld 1: A : T3 x T4", "  Veld 2: A : T1 x T2", "Ronde 2",
                     "  Veld 1: A : T2 x T4", "  Veld 2: A : T1 x T3", "Ronde 3",
                     "  Veld 1: A : T2 x T3", "  Veld 2: A : T1 x T4", "Ronde 4"}));
}

TEST_F(EenPoule, RestOfOneRoundLeavesEveryOtherRoundEmpty)
{
    Maak(1);
    EXPECT_EQ(Bouw(model),
              Lijst({"Ronde 1", "  Veld 1: A : T3 x T4", "  Veld 2: A : T1 x T2", "Ronde 2",
                     "  Veld 1: Geen wedstrijd", "  Veld 2: Geen wedstrijd", "Ronde 3",
                     "  Veld 1: A : T2 x T4", "  Veld 2: A : T1 x T3", "Ronde 4",
                     "  Veld 1: Geen wedstrijd", "  Veld 2: Geen wedstrijd", "Ronde 5",
                     "  Veld 1: A : T2 x T3", "  Veld 2: A : T1 x T4", "Ronde 6"}));
}

TEST_F(EenPoule, UnavailableFieldIsSkipped)
{
    Maak(0);
    model.ZetVeldBeschikbaar(1, 1, false);
    // Round 2: T1 and T2 have played least, so they go first; T3 and T4 have met already.
    EXPECT_EQ(Bouw(model),
              Lijst({"Ronde 1", "  Veld 1: Geen wedstrijd", "  Veld 2: A : T3 x T4", "Ronde 2",
                     "  Veld 1: A : T1 x T2", "  Veld 2: Geen wedstrijd", "Ronde 3",
                     "  Veld 1: A : T2 x T4", "  Veld 2: A : T1 x T3", "Ronde 4",
                     "  Veld 1: A : T2 x T3", "  Veld 2: A : T1 x T4", "Ronde 5"}));
}

TEST_F(EenPoule, FullCompetitionNamesTheEarlierTeamFirstBothTimes)
{
    VoegPoulesToe(model, {{"A", TeamReeks(1, 4), Hele}});
    const QStringList regels = Bouw(model);
    int wedstrijden = 0;
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const QString tekst = QStringLiteral("  Veld 1: A : T%1 x T%2").arg(i).arg(j);
            EXPECT_EQ(regels.count(tekst), i < j ? 2 : 0) << tekst.toStdString();
            wedstrijden += int(regels.count(tekst));
        }
    }
    EXPECT_EQ(wedstrijden, 12);
    // Every pair meets once in the first six matches.
    QStringList eersteHelft = regels.mid(0, 12).filter(QStringLiteral(" x "));
    eersteHelft.removeDuplicates();
    EXPECT_EQ(eersteHelft.size(), 6);
}

TEST(SchemaBouwer, LinkedPairsOfTwoTeamsOnOneField)
{
    ToernooiModel model;
    VoegPoulesToe(
        model, {{"A", TeamReeks(1, 2), Halve, 2, Enkel}, {"B", TeamReeks(3, 4), Halve, 1, Enkel}});
    EXPECT_EQ(Bouw(model),
              Lijst({"Ronde 1", "  Veld 1: B : T3 x T4", "Ronde 2", "  Veld 1: A : T1 x T2",
                     "Ronde 3", "  Veld 1: 3e&4e:Nummer 2 B x Nummer 2 A", "Ronde 4",
                     "  Veld 1: 1e&2e:Nummer 1 B x Nummer 1 A", "Ronde 5"}));
}

TEST(SchemaBouwer, UnlinkedPoulesOfEqualSizeAlternateLaterFirst)
{
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 3)}, {"B", TeamReeks(4, 6)}});
    EXPECT_EQ(
        Bouw(model),
        Lijst({"Ronde 1", "  Veld 1: B : T5 x T6", "Ronde 2", "  Veld 1: A : T2 x T3", "Ronde 3",
               "  Veld 1: B : T4 x T6", "Ronde 4", "  Veld 1: A : T1 x T3", "Ronde 5",
               "  Veld 1: B : T4 x T5", "Ronde 6", "  Veld 1: A : T1 x T2", "Ronde 7"}));
}

TEST(SchemaBouwer, FinalMovesToFieldOne)
{
    // The pair A-B finishes in round 2 with its final on field 3, while C plays on field 1.
    ToernooiModel model;
    VoegPoulesToe(model, {{"A", TeamReeks(1, 2), Halve, 2, Enkel},
                          {"B", TeamReeks(3, 4), Halve, 1, Enkel},
                          {"C", TeamReeks(5, 8)}});
    model.ZetGewoneVelden(3);
    TSchemaBoom boom;
    ASSERT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    EXPECT_EQ(Regels(boom),
              Lijst({"Ronde 1", "  Veld 1: C : T7 x T8", "  Veld 2: B : T3 x T4",
                     "  Veld 3: A : T1 x T2", "Ronde 2", "  Veld 1: 1e&2e:Nummer 1 B x Nummer 1 A",
                     "  Veld 2: 3e&4e:Nummer 2 B x Nummer 2 A", "  Veld 3: C : T5 x T6", "Ronde 3",
                     "  Veld 1: C : T6 x T8", "  Veld 2: C : T5 x T7", "  Veld 3: Geen wedstrijd",
                     "Ronde 4", "  Veld 1: C : T6 x T7", "  Veld 2: C : T5 x T8"}));
    // The records travel with their texts.
    const auto& ronde2 = boom.Ronden.at(1).Velden;
    const TPouleDetails* a = model.PouleLijst().at(0)->Details.get();
    const TPouleDetails* b = model.PouleLijst().at(1)->Details.get();
    const TPouleDetails* c = model.PouleLijst().at(2)->Details.get();
    ASSERT_TRUE(ronde2.at(0).Wedstrijd && ronde2.at(2).Wedstrijd);
    constexpr auto Nummer = TKruisKant::TSoort::Nummer;
    EXPECT_EQ(*ronde2.at(0).Wedstrijd,
              (TWedstrijdDetails{nullptr, const_cast<TPouleDetails*>(b), nullptr,
                                 const_cast<TPouleDetails*>(b),
                                 TKruisWedstrijd{0, 1, T("1e&2e:"), {Nummer, 1, b, T("Nummer 1 B")},
                                                 {Nummer, 1, a, T("Nummer 1 A")}}}));
    EXPECT_EQ(ronde2.at(2).Wedstrijd->Poule1, c);
    EXPECT_EQ(ronde2.at(2).Wedstrijd->Team1->TeamNaam, T("T5"));
    EXPECT_FALSE(boom.Ronden.at(2).Velden.at(2).Wedstrijd);
}

TEST(SchemaBouwer, SeveralFinalsInOneRoundEndWithTheLastOnFieldOne)
{
    TSchemaBoom boom;
    TSchemaRonde ronde{1, T("Ronde 1"), {}};
    const char* teksten[] = {"Veld 1: A : T1 x T2", "Veld 2: 1e&2e:X", "Veld 3: 1e&2e:Y"};
    TPouleDetails poules[] = {TPouleDetails(T("A")), TPouleDetails(T("B")), TPouleDetails(T("C"))};
    for (int i = 0; i < 3; ++i)
        ronde.Velden.push_back(
            {T(teksten[i]), TWedstrijdDetails{nullptr, &poules[i], nullptr, &poules[i]}});
    boom.Ronden.push_back(ronde);
    boom.Ronden.push_back({2, T("Ronde 2"), {}});
    TSchemaBouwer::FinaleNaarVeld1(boom);
    const auto& velden = boom.Ronden.front().Velden;
    EXPECT_EQ(velden[0].Tekst, T("Veld 1: 1e&2e:Y"));
    EXPECT_EQ(velden[1].Tekst, T("Veld 2: A : T1 x T2"));
    EXPECT_EQ(velden[2].Tekst, T("Veld 3: 1e&2e:X"));
    EXPECT_EQ(velden[0].Wedstrijd->Poule1, &poules[2]);
    EXPECT_EQ(velden[1].Wedstrijd->Poule1, &poules[0]);
    EXPECT_EQ(velden[2].Wedstrijd->Poule1, &poules[1]);
    EXPECT_TRUE(boom.Ronden.back().Velden.empty());
}
