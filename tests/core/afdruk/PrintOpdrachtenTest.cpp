#include "core/afdruk/PrintOpdrachten.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

using namespace PrintOpdrachten;

namespace {
const QStringList Teams{T("Ajax"), T("Blauw/Wit"), T("Rood")};
} // namespace

TEST(PrintOpdrachten, AllFourInTheirFixedOrderWithOneJobPerSelectedTeam)
{
    TKeuzes keuzes;
    keuzes.Poules = true;
    keuzes.PerTeam = true;
    keuzes.Scheidsrechterbriefjes = true;
    keuzes.GeselecteerdeTeams = {2, 0};
    const QList<TOpdracht> verwacht{
        {T("Rondoplan. Schema. Zomer"), TSoort::Schema, 0},
        {T("Rondoplan. Poules. Zomer"), TSoort::Poules, 0},
        {T("Rondoplan. Team Ajax. Zomer"), TSoort::Schema, 1},
        {T("Rondoplan. Team Rood. Zomer"), TSoort::Schema, 3},
        {T("Rondoplan. Scheidsrechterbriefjes. Zomer"), TSoort::Briefjes, 0},
    };
    EXPECT_EQ(StelOp(keuzes, Teams, T("Zomer")), verwacht);
}

TEST(PrintOpdrachten, TeamsCountOnlyWithPerTeamAndPerTeamOnlyWithTeams)
{
    TKeuzes keuzes;
    keuzes.VolSchema = false;
    keuzes.GeselecteerdeTeams = {1};
    EXPECT_TRUE(StelOp(keuzes, Teams, T("Zomer")).isEmpty());
    keuzes.PerTeam = true;
    keuzes.GeselecteerdeTeams.clear();
    EXPECT_TRUE(StelOp(keuzes, Teams, T("Zomer")).isEmpty());
    keuzes.GeselecteerdeTeams = {1, 7};
    ASSERT_EQ(StelOp(keuzes, Teams, QString()).size(), 1);
    EXPECT_EQ(StelOp(keuzes, Teams, QString()).first().Titel, T("Rondoplan. Team Blauw/Wit. "));
}

TEST(PrintOpdrachten, PdfNamesReplaceSlashes)
{
    EXPECT_EQ(PdfNaam(T("Rondoplan. Team Blauw/Wit. Zomer")), T("Rondoplan. Team Blauw_Wit. Zomer.pdf"));
}

TEST(PrintOpdrachten, RefereesAfterTheNotesAndBeforeTheResults)
{
    TKeuzes keuzes;
    keuzes.VolSchema = false;
    keuzes.Scheidsrechterbriefjes = true;
    keuzes.Scheidsrechters = true;
    keuzes.Uitslagen = true;
    const QList<TOpdracht> verwacht{
        {T("Rondoplan. Scheidsrechterbriefjes. Zomer"), TSoort::Briefjes, 0},
        {T("Rondoplan. Scheidsrechters. Zomer"), TSoort::Scheidsrechters, 0},
        {T("Rondoplan. Uitslagen. Zomer"), TSoort::Uitslagen, 0},
    };
    EXPECT_EQ(StelOp(keuzes, Teams, T("Zomer")), verwacht);
}
