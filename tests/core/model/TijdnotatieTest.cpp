#include "core/model/Tijdnotatie.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

using Tijdnotatie::NormaliseerTijd;
using Tijdnotatie::StandaardDagDelen;

namespace {
} // namespace

TEST(NormaliseerTijd, BringsTypedTimesIntoTwoDigitForm)
{
    EXPECT_EQ(NormaliseerTijd(T("9:00")), T("09:00"));
    EXPECT_EQ(NormaliseerTijd(T("1:5")), T("01:50"));
    EXPECT_EQ(NormaliseerTijd(T("7:3")), T("07:30"));
    EXPECT_EQ(NormaliseerTijd(T("12345")), T("12:34"));
    EXPECT_EQ(NormaliseerTijd(T("13:45")), T("13:45"));
}

TEST(NormaliseerTijd, FoldsHoursAndMinutesIntoRange)
{
    EXPECT_EQ(NormaliseerTijd(T("25:00")), T("01:00"));
    EXPECT_EQ(NormaliseerTijd(T("99:99")), T("03:39"));
    EXPECT_EQ(NormaliseerTijd(T("24:60")), T("00:00"));
}

TEST(NormaliseerTijd, EmptyOrDigitlessTextBecomesMidnight)
{
    EXPECT_EQ(NormaliseerTijd(QString()), T("00:00"));
    EXPECT_EQ(NormaliseerTijd(T("uur")), T("00:00"));
    EXPECT_EQ(NormaliseerTijd(T(":")), T("00:00"));
}

TEST(NormaliseerTijd, DropsStrayCharactersAndSurplusColons)
{
    EXPECT_EQ(NormaliseerTijd(T("1:2:30")), T("12:30"));
    // "8.15u" keeps "815", which reads as hour 81 (folded to 9) and minute 50.
    EXPECT_EQ(NormaliseerTijd(T(" 8.15u")), T("09:50"));
    EXPECT_EQ(NormaliseerTijd(T("ab10:15cd")), T("10:15"));
    EXPECT_EQ(NormaliseerTijd(T(":30")), T("00:30"));
}

TEST(NormaliseerTijd, PositionsWithoutTwoDigitsReadTheDigitsTheyHold)
{
    // A single digit: "7" becomes "7:000", hours read from "7:".
    EXPECT_EQ(NormaliseerTijd(T("7")), T("07:00"));
    // Three digits and a colon: "12:3:" reads minute "3:".
    EXPECT_EQ(NormaliseerTijd(T("123:")), T("12:03"));
}

TEST(StandaardDagDelen, FillsEachDayFromNine)
{
    const TDagTijden een = StandaardDagDelen(2, 1);
    ASSERT_EQ(een.size(), 2);
    EXPECT_EQ(een[0], (TDagDeel{T("09:00"), T("17:00")}));
    EXPECT_EQ(een[1], (TDagDeel{T("09:00"), T("17:00")}));

    const TDagTijden twee = StandaardDagDelen(1, 2);
    ASSERT_EQ(twee.size(), 2);
    EXPECT_EQ(twee[0], (TDagDeel{T("09:00"), T("13:00")}));
    EXPECT_EQ(twee[1], (TDagDeel{T("13:00"), T("17:00")}));

    const TDagTijden drie = StandaardDagDelen(2, 3);
    ASSERT_EQ(drie.size(), 6);
    EXPECT_EQ(drie[2], (TDagDeel{T("13:00"), T("15:00")}));
    EXPECT_EQ(drie[3], (TDagDeel{T("09:00"), T("11:00")}));
}

TEST(StandaardDagDelen, NineOrMorePartsAllRunFromNineToNine)
{
    const TDagTijden delen = StandaardDagDelen(1, 9);
    ASSERT_EQ(delen.size(), 9);
    for (const TDagDeel& deel : delen)
        EXPECT_EQ(deel, (TDagDeel{T("09:00"), T("09:00")}));
}

TEST(LeesGetypteTijd, ReadsTheWaysAnOrganiserTypesATime)
{
    using Tijdnotatie::LeesGetypteTijd;
    for (const char* getypt : {"9.30", "9:30", "930", "0930", "09:30", " 9.30 ", "9u30", "9,30",
                               "9 : 30"})
        EXPECT_EQ(LeesGetypteTijd(T(getypt)), std::optional(T("09:30"))) << getypt;
    EXPECT_EQ(LeesGetypteTijd(T("9")), std::optional(T("09:00")));
    EXPECT_EQ(LeesGetypteTijd(T("17u")), std::optional(T("17:00")));
    EXPECT_EQ(LeesGetypteTijd(T("0")), std::optional(T("00:00")));
    EXPECT_EQ(LeesGetypteTijd(T("2359")), std::optional(T("23:59")));

    // Every time of the day reads back as itself, in each way of typing it.
    for (int uur = 0; uur < 24; ++uur) {
        for (int minuut = 0; minuut < 60; ++minuut) {
            const QString verwacht = QStringLiteral("%1:%2").arg(uur, 2, 10, QLatin1Char('0'))
                                         .arg(minuut, 2, 10, QLatin1Char('0'));
            const QString mm = verwacht.right(2);
            for (const QString& getypt : {verwacht, QString::number(uur) + u'.' + mm,
                                          QString::number(uur) + mm})
                ASSERT_EQ(LeesGetypteTijd(getypt), std::optional(verwacht)) << qPrintable(getypt);
        }
    }
}

TEST(LeesGetypteTijd, RefusesWhatIsNoTimeOfDay)
{
    using Tijdnotatie::LeesGetypteTijd;
    for (const char* getypt : {"", "  ", "uur", "25:00", "24:00", "9:75", "2530", "9999", "73",
                               "9:5", "9.5", "12345", "1:2:30", "-9:30", "9:30 uur", "٩:٣٠"})
        EXPECT_EQ(LeesGetypteTijd(T(getypt)), std::nullopt) << getypt;
}
