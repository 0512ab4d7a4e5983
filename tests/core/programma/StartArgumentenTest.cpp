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

TEST(StartArgumenten, OnlyALoneOptionAsksForText)
{
    using StartArgumenten::Optie;
    using StartArgumenten::TStartOptie;
    EXPECT_EQ(Optie({T("--help")}), TStartOptie::Hulp);
    EXPECT_EQ(Optie({T("-h")}), TStartOptie::Hulp);
    EXPECT_EQ(Optie({T("--version")}), TStartOptie::Versie);
    // Beside other words, or spelled otherwise, it is part of a file name.
    for (const QStringList& naam : {QStringList{T("--help"), T("mij.trn")}, QStringList{T("./--help")},
                                    QStringList{T("--HELP")}, QStringList{T("--versie")}, QStringList{}}) {
        EXPECT_EQ(Optie(naam), TStartOptie::Geen) << naam.join(u' ').toStdString();
    }
    EXPECT_EQ(StartArgumenten::StartBestand({T("./--help")}), T("./--help"));
}

TEST(Venstertitel, CaptionAlwaysReflectsTheName)
{
    EXPECT_EQ(Venstertitel(QString()), T("Rondoplan"));
    EXPECT_EQ(Venstertitel(T("Zomer")), T("Rondoplan (Zomer)"));
}
