#include "core/uitslag/PouleStand.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Volgorde(const TPouleStand& stand)
{
    std::vector<int> teams;
    for (const TStandRegel& r : stand.Regels)
        teams.push_back(r.Team);
    return teams;
}

std::vector<bool> Merken(const TPouleStand& stand)
{
    std::vector<bool> merken;
    for (const TStandRegel& r : stand.Regels)
        merken.push_back(r.GelijkMerk);
    return merken;
}

} // namespace

TEST(PouleStand, TeltEnOrdentMetDePuntenInstelling)
{
    // 0 beats 1, 2 beats 0, 1 and 2 draw.
    const std::vector<TGespeeld> gespeeld{{0, 1, 1, 0}, {0, 2, 0, 1}, {1, 2, 0, 0}};
    const TPouleStand stand = BerekenStand(3, gespeeld, TPunten{}, std::nullopt);
    EXPECT_EQ(Volgorde(stand), (std::vector<int>{2, 0, 1}));
    const TStandRegel& eerste = stand.Regels[0];
    EXPECT_EQ(eerste.Gespeeld, 2);
    EXPECT_EQ(eerste.Gewonnen, 1);
    EXPECT_EQ(eerste.Gelijk, 1);
    EXPECT_EQ(eerste.Verloren, 0);
    EXPECT_EQ(eerste.Voor, 1);
    EXPECT_EQ(eerste.Tegen, 0);
    EXPECT_EQ(eerste.Punten, 4);

    // A draw worth more than a win turns 0 and 1 round.
    const TPouleStand anders = BerekenStand(3, gespeeld, TPunten{1, 2, 0}, std::nullopt);
    EXPECT_EQ(Volgorde(anders), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(anders.Regels[0].Punten, 3);
}

TEST(PouleStand, DrieGelijkeTeamsOnderlingBeslist)
{
    // 0, 1 and 2 go round in a circle and beat 3 by scores that make their totals equal
    // (6 points, 4-2 each); among the three only, 0 has +1, 2 has 0 and 1 has -1.
    const std::vector<TGespeeld> gespeeld{
        {0, 1, 2, 0}, {1, 2, 1, 0}, {2, 0, 1, 0}, {0, 3, 2, 1}, {1, 3, 3, 0}, {2, 3, 3, 1},
    };
    const TPouleStand stand = BerekenStand(4, gespeeld, TPunten{}, std::nullopt);
    EXPECT_EQ(Volgorde(stand), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(Merken(stand), (std::vector<bool>{false, false, false, false}));
}

TEST(PouleStand, AlleenDeLotingBeslist)
{
    // A circle of 1-0 wins and 2-0 wins against 3: the three are equal on all six numbers.
    const std::vector<TGespeeld> gespeeld{
        {0, 1, 1, 0}, {1, 2, 1, 0}, {2, 0, 1, 0}, {0, 3, 2, 0}, {1, 3, 2, 0}, {2, 3, 2, 0},
    };
    const TPouleStand gelijk = BerekenStand(4, gespeeld, TPunten{}, std::nullopt);
    EXPECT_EQ(Volgorde(gelijk), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Merken(gelijk), (std::vector<bool>{true, true, true, false}));

    // The lot lists the third and the first team; the second follows in poule order, and
    // nobody is marked.
    const TPouleStand geloot = BerekenStand(4, gespeeld, TPunten{}, QList<int>{3, 1});
    EXPECT_EQ(Volgorde(geloot), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(Merken(geloot), (std::vector<bool>{false, false, false, false}));
    // Which neighbours the lot decides between stays known, for setting it again.
    std::vector<bool> aanVorige;
    for (const TStandRegel& r : geloot.Regels)
        aanVorige.push_back(r.GelijkAanVorige);
    EXPECT_EQ(aanVorige, (std::vector<bool>{false, true, true, false}));
}

TEST(PouleStand, ZonderGespeeldeWedstrijdGeenGelijkMerk)
{
    // Nothing played: all teams are level, which is no tie to report; with a lot order the
    // same holds.
    for (int teams = 0; teams <= 6; ++teams) {
        const TPouleStand leeg = BerekenStand(teams, {}, TPunten{}, std::nullopt);
        EXPECT_EQ(Merken(leeg), std::vector<bool>(std::size_t(teams), false)) << teams;
        std::vector<int> pouleVolgorde(static_cast<std::size_t>(teams));
        for (int t = 0; t < teams; ++t)
            pouleVolgorde[std::size_t(t)] = t;
        EXPECT_EQ(Volgorde(leeg), pouleVolgorde);
    }
    // A match of a team outside the poule counts as nothing played.
    EXPECT_EQ(Merken(BerekenStand(2, {{0, 5, 1, 1}}, TPunten{}, std::nullopt)),
              (std::vector<bool>{false, false}));
    // One level match played: the two are marked as before.
    EXPECT_EQ(Merken(BerekenStand(2, {{0, 1, 1, 1}}, TPunten{}, std::nullopt)),
              (std::vector<bool>{true, true}));
}
