#include "core/model/ToernooiModel.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

namespace {

// Four poules P1..P4 at partner positions 1..4.
class KruisPoule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* naam : {"P1", "P2", "P3", "P4"})
            p.push_back(model.VoegPouleToe(T(naam)).Nieuw);
    }

    // What the tab does when the shown poule is written: the poule at the selector's
    // position becomes its partner.
    void SchrijfTab(TPouleDetails* poule, int keuze)
    {
        model.ZetPouleDetails(poule, poule->CompetitieType, model.PouleOpKruisPositie(keuze),
                              poule->KruisPouleCompetitieType, poule->MinimaleRust);
    }

    ToernooiModel model;
    std::vector<TPouleDetails*> p;
};

} // namespace

TEST_F(KruisPoule, ChoosingAnUnlinkedPouleLinksBothWays)
{
    p[0]->KruisPouleCompetitieType = TKruisPouleCompetitieType::DubbeleWedstrijden;
    EXPECT_EQ(model.KiesKruisPoule(p[0], 2, false), 2);
    EXPECT_EQ(p[1]->KruisPoule, p[0]);
    EXPECT_EQ(p[1]->KruisPouleCompetitieType, TKruisPouleCompetitieType::DubbeleWedstrijden);
    EXPECT_EQ(p[0]->KruisPoule, nullptr);
    SchrijfTab(p[0], 2);
    EXPECT_EQ(p[0]->KruisPoule, p[1]);
}

TEST_F(KruisPoule, BreakingAnExistingLinkAsksFirst)
{
    model.KiesKruisPoule(p[0], 2, false);
    SchrijfTab(p[0], 2);


    // No: every link stays.
    EXPECT_EQ(model.KiesKruisPoule(p[2], 2, false), 2);
    EXPECT_EQ(p[0]->KruisPoule, p[1]);
    EXPECT_EQ(p[1]->KruisPoule, p[0]);

    // Yes: P1 loses its partner, P2 names P3.
    model.KiesKruisPoule(p[2], 2, true);
    EXPECT_EQ(p[0]->KruisPoule, nullptr);
    EXPECT_EQ(p[1]->KruisPoule, p[2]);
}

TEST_F(KruisPoule, ChoosingItselfUnlinksBothSides)
{
    model.KiesKruisPoule(p[0], 2, false);
    SchrijfTab(p[0], 2);
    // P1 is linked to P2; P1 chooses itself.
    EXPECT_EQ(model.KiesKruisPoule(p[0], 1, true), 0);
    EXPECT_EQ(p[1]->KruisPoule, nullptr);
    EXPECT_EQ(p[0]->KruisPoule, nullptr);
}

TEST_F(KruisPoule, ChoosingGeenChangesNoRecord)
{
    model.KiesKruisPoule(p[0], 2, false);
    SchrijfTab(p[0], 2);
    EXPECT_EQ(model.KiesKruisPoule(p[0], 0, false), 0);
    SchrijfTab(p[0], 0);
    EXPECT_EQ(p[0]->KruisPoule, nullptr);
    EXPECT_EQ(p[1]->KruisPoule, p[0]);
}

TEST_F(KruisPoule, RemovingAPouleKeepsOtherLinksAndMovesTheirPositions)
{
    model.KiesKruisPoule(p[2], 4, false);
    SchrijfTab(p[2], 4);
    ASSERT_EQ(p[3]->KruisPoule, p[2]);

    model.VerwijderPoule(1);
    EXPECT_EQ(p[2]->KruisPoule, p[3]);
    EXPECT_EQ(p[3]->KruisPoule, p[2]);
    EXPECT_EQ(model.KruisPouleLijst(), (QStringList{T("Geen"), T("P1"), T("P3"), T("P4")}));
    EXPECT_EQ(model.KruisPositie(p[2]->KruisPoule), 3);
    EXPECT_EQ(model.KruisPositie(p[3]->KruisPoule), 2);

    // Removing P4 (now at index 2) leaves P3 without partner.
    model.VerwijderPoule(2);
    EXPECT_EQ(p[2]->KruisPoule, nullptr);
}

TEST_F(KruisPoule, TypedSelectorTextIsNoPartner)
{
    SchrijfTab(p[3], -1);
    EXPECT_EQ(p[3]->KruisPoule, nullptr);
    EXPECT_EQ(model.PartnerIndexen(model.PouleLijst()), (std::vector<int>{-1, -1, -1, -1}));
}

TEST_F(KruisPoule, CaseInsensitiveSearchFindsTheFirstOfTwoNames)
{
    TPouleDetails* klein = model.VoegPouleToe(T("p1")).Nieuw;
    ASSERT_NE(klein, nullptr);
    // Shown "p1" chooses P2: P2's link points at the first name equal ignoring case, "P1".
    model.KiesKruisPoule(klein, 2, false);
    EXPECT_EQ(p[1]->KruisPoule, p[0]);
}

TEST_F(KruisPoule, TypeCopiesToThePartnerOnlyWhenItDiffers)
{
    model.ZetGewijzigd(false);
    model.ZetKruisPouleTypeVanPartner(2, TKruisPouleCompetitieType::EnkeleWedstrijden);
    EXPECT_FALSE(model.Gewijzigd());
    model.ZetKruisPouleTypeVanPartner(2, TKruisPouleCompetitieType::DubbeleWedstrijden);
    EXPECT_EQ(p[1]->KruisPouleCompetitieType, TKruisPouleCompetitieType::DubbeleWedstrijden);
    EXPECT_TRUE(model.Gewijzigd());
    model.ZetKruisPouleTypeVanPartner(0, TKruisPouleCompetitieType::DubbeleWedstrijden);
}
