#include "core/programma/StartArgumenten.h"
#include "core/programma/Venstertitel.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

TEST(StartArgumenten, SeveralArgumentsFormOneNameWithSingleSpaces)
{
    const QStringList argumenten{T("/home/jan/Zomer"), T("toernooi"), T("2024.trn")};
    EXPECT_EQ(StartArgumenten::StartBestand(argumenten), T("/home/jan/Zomer toernooi 2024.trn"));
    EXPECT_EQ(StartArgumenten::StartBestand({T("Één.trn")}), T("Één.trn"));
    EXPECT_TRUE(StartArgumenten::StartBestand({}).isEmpty());
}

TEST(StartArgumenten, TheProgramsOwnNameInAnyCaseLoadsNothing)
{
    EXPECT_TRUE(StartArgumenten::StartBestand({T("C:\\Prog\\rondoplan.exe")}).isEmpty());
    EXPECT_TRUE(StartArgumenten::StartBestand({T("x"), T("RondoPlan.Exe"), T("y")}).isEmpty());
    // The name only counts as a whole: the program without ".exe" is an ordinary file name.
    EXPECT_EQ(StartArgumenten::StartBestand({T("rondoplan.trn")}), T("rondoplan.trn"));
}

TEST(Venstertitel, CaptionAlwaysReflectsTheName)
{
    EXPECT_EQ(Venstertitel(QString()), T("Rondoplan"));
    EXPECT_EQ(Venstertitel(T("Zomer")), T("Rondoplan (Zomer)"));
}
