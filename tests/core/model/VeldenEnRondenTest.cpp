#include "core/model/RondeKop.h"
#include "core/model/VeldenEnRonden.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>
#include <random>

namespace {
const QString Wedstrijd = T("Wedstrijd");
} // namespace

TEST(VeldenEnRonden, CreationWritesHeadersCellsAndDefaultRounds)
{
    const VeldenEnRonden tabel;
    EXPECT_EQ(tabel.Cel(0, 0), QString());
    EXPECT_EQ(tabel.Cel(1, 0), T("Veld 1"));
    EXPECT_EQ(tabel.Cel(299, 0), T("Veld 299"));
    EXPECT_EQ(tabel.Cel(1, 1), Wedstrijd);
    EXPECT_EQ(tabel.Cel(299, 299), Wedstrijd);
    EXPECT_EQ(tabel.RijAantal(), 100);

    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (09:00 - 09:20)"));
    EXPECT_EQ(tabel.RondeKop(2), T("Dag 1, Ronde 2 (09:25 - 09:45)"));
    EXPECT_EQ(tabel.RondeKop(20), T("Dag 1, Ronde 20 (16:55 - 17:15)"));
    EXPECT_EQ(tabel.RondeKop(21), T("Dag 2, Ronde 21 (09:00 - 09:20)"));
    // Rounds beyond the shown rows keep their plain header.
    EXPECT_EQ(tabel.RondeKop(100), T("Ronde 100"));
    EXPECT_EQ(tabel.RondeKop(299), T("Ronde 299"));
}

TEST(VeldenEnRonden, CellsOutsideTheStoredExtentAreEmptyAndStaySo)
{
    VeldenEnRonden tabel;
    EXPECT_EQ(tabel.Cel(300, 1), QString());
    EXPECT_EQ(tabel.Cel(1, 300), QString());
    EXPECT_EQ(tabel.Cel(0, 300), QString());
    EXPECT_EQ(tabel.Cel(300, 0), QString());
    EXPECT_EQ(tabel.Cel(100000, 100000), QString());
    EXPECT_FALSE(tabel.Beschikbaar(300, 5));
    EXPECT_FALSE(tabel.Beschikbaar(-1, -1));
    tabel.ZetBeschikbaar(100000, 5, true);
    EXPECT_FALSE(tabel.Beschikbaar(100000, 5));
}

TEST(VeldenEnRonden, TogglingSkipsHeadersAndRestoresOnSecondClick)
{
    VeldenEnRonden tabel;
    EXPECT_FALSE(tabel.Wissel(0, 3));
    EXPECT_FALSE(tabel.Wissel(3, 0));
    EXPECT_EQ(tabel.Cel(3, 0), T("Veld 3"));

    EXPECT_TRUE(tabel.Wissel(2, 4));
    EXPECT_EQ(tabel.Cel(2, 4), QString());
    EXPECT_TRUE(tabel.Wissel(2, 4));
    EXPECT_EQ(tabel.Cel(2, 4), Wedstrijd);
}

TEST(VeldenEnRonden, ResetWritesOnlyTheShownColumns)
{
    VeldenEnRonden tabel;
    tabel.ZetKolomAantal(6); // five fields
    tabel.ZetBeschikbaar(5, 10, false);
    tabel.ZetBeschikbaar(2, 299, false);
    tabel.ZetKolomAantal(4); // three fields
    tabel.ResetAlleVelden();
    EXPECT_EQ(tabel.Cel(2, 299), Wedstrijd);
    // Column 4 is written too: the reset covers the shown column count.
    EXPECT_EQ(tabel.Cel(4, 1), Wedstrijd);
    EXPECT_EQ(tabel.Cel(5, 10), QString());
}

TEST(VeldenEnRonden, ResetReachesFieldsAbove299)
{
    VeldenEnRonden tabel;
    tabel.ZetKolomAantal(351);
    EXPECT_FALSE(tabel.Beschikbaar(350, 1));
    tabel.ResetAlleVelden();
    EXPECT_TRUE(tabel.Beschikbaar(350, 1));
    EXPECT_TRUE(tabel.Beschikbaar(350, 299));
    EXPECT_TRUE(tabel.Beschikbaar(351, 1));
    EXPECT_FALSE(tabel.Beschikbaar(352, 1));
    EXPECT_FALSE(tabel.Beschikbaar(350, 300));
}

TEST(VulRondeKoppen, APartEndsWithTheRoundThatStartsBeforeItsEnd)
{
    VeldenEnRonden tabel;
    const TDagTijden delen{{T("09:00"), T("12:30")}, {T("13:00"), T("17:00")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&delen, 45, 5, 2));
    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (09:00 - 09:45)"));
    EXPECT_EQ(tabel.RondeKop(2), T("Dag 1, Ronde 2 (09:50 - 10:35)"));
    EXPECT_EQ(tabel.RondeKop(3), T("Dag 1, Ronde 3 (10:40 - 11:25)"));
    EXPECT_EQ(tabel.RondeKop(4), T("Dag 1, Ronde 4 (11:30 - 12:15)"));
    EXPECT_EQ(tabel.RondeKop(5), T("Dag 1, Ronde 5 (12:20 - 13:05)"));
    // Second part of the same day.
    EXPECT_EQ(tabel.RondeKop(6), T("Dag 1, Ronde 6 (13:00 - 13:45)"));
    EXPECT_EQ(tabel.RondeKop(10), T("Dag 1, Ronde 10 (16:20 - 17:05)"));
    // The configured parts are used up: a new day from 09:00 to 17:00.
    EXPECT_EQ(tabel.RondeKop(11), T("Dag 2, Ronde 11 (09:00 - 09:45)"));
}

TEST(VulRondeKoppen, TwoPartsPerDayRaiseTheDayAfterEverySecondPart)
{
    VeldenEnRonden tabel;
    const TDagTijden delen{{T("09:00"), T("10:00")}, {T("10:00"), T("11:00")},
                           {T("09:00"), T("10:00")}, {T("10:00"), T("11:00")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&delen, 25, 5, 2));
    EXPECT_EQ(tabel.RondeKop(2), T("Dag 1, Ronde 2 (09:30 - 09:55)"));
    EXPECT_EQ(tabel.RondeKop(3), T("Dag 1, Ronde 3 (10:00 - 10:25)"));
    EXPECT_EQ(tabel.RondeKop(5), T("Dag 2, Ronde 5 (09:00 - 09:25)"));
    EXPECT_EQ(tabel.RondeKop(7), T("Dag 2, Ronde 7 (10:00 - 10:25)"));
    EXPECT_EQ(tabel.RondeKop(9), T("Dag 3, Ronde 9 (09:00 - 09:25)"));
}

TEST(VulRondeKoppen, ZeroDurationAndPauseNeverAdvanceTheClock)
{
    VeldenEnRonden tabel;
    const TDagTijden delen{{T("10:00"), T("17:00")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&delen, 0, 0, 1));
    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (10:00 - 10:00)"));
    EXPECT_EQ(tabel.RondeKop(99), T("Dag 1, Ronde 99 (10:00 - 10:00)"));
}

TEST(VulRondeKoppen, HoursRunPast24AndToThreeDigits)
{
    VeldenEnRonden tabel;
    const TDagTijden delen{{T("23:50"), T("23:55")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&delen, 20, 0, 1));
    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (23:50 - 24:10)"));

    // A part that never ends lets the clock climb to three-digit hours.
    const TDagTijden lang{{T("09:00"), T("23:59")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&lang, 600, 600, 1));
    EXPECT_EQ(tabel.RondeKop(2), T("Dag 2, Ronde 2 (09:00 - 19:00)"));
    const TDagTijden nooit{{T("00:00"), T("00:00")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&nooit, 6000, 5, 1));
    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (00:00 - 100:00)"));
}

TEST(VulRondeKoppen, EveryPartYieldsARoundEvenWhenItEndsBeforeItStarts)
{
    VeldenEnRonden tabel;
    const TDagTijden delen{{T("12:00"), T("11:00")}, {T("14:00"), T("15:00")}};
    ASSERT_TRUE(tabel.VulRondeKoppen(&delen, 20, 5, 2));
    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (12:00 - 12:20)"));
    EXPECT_EQ(tabel.RondeKop(2), T("Dag 1, Ronde 2 (14:00 - 14:20)"));
}

TEST(VulRondeKoppen, UnreadableTimeStopsAtTheRoundReached)
{
    VeldenEnRonden tabel;
    const TDagTijden delen{{T("09:00"), T("09:30")}, {T("xx:00"), T("17:00")}};
    EXPECT_FALSE(tabel.VulRondeKoppen(&delen, 20, 5, 2));
    EXPECT_EQ(tabel.RondeKop(1), T("Dag 1, Ronde 1 (09:00 - 09:20)"));
    EXPECT_EQ(tabel.RondeKop(2), T("Dag 1, Ronde 2 (09:25 - 09:45)"));
    // Row 3 keeps what the previous fill wrote.
    EXPECT_EQ(tabel.RondeKop(3), T("Dag 1, Ronde 3 (09:50 - 10:10)"));
}

TEST(RondeKop, ReadsDayTextAndTimeRange)
{
    const QString kop = T("Dag 12, Ronde 140 (09:25 - 09:45)");
    EXPECT_EQ(RondeKop::DagTekst(kop), T("12"));
    EXPECT_EQ(RondeKop::TijdBereik(kop), T("09:25 - 09:45"));

    const QString kaal = T("Ronde 150");
    EXPECT_EQ(RondeKop::DagTekst(kaal), QString());
    EXPECT_EQ(RondeKop::TijdBereik(kaal), T("Ronde 150"));
    EXPECT_EQ(RondeKop::TijdBereik(T("Ronde 150 en nog wat")), T("Ronde 150 en "));

    // Three-digit hours make the range longer than 13 characters; the reader cuts it.
    EXPECT_EQ(RondeKop::TijdBereik(T("Dag 1, Ronde 1 (100:00 - 100:20)")), T("100:00 - 100:"));
}

namespace {

int Minuten(const QString& tijd)
{
    return tijd.left(2).toInt() * 60 + tijd.mid(3, 2).toInt();
}

} // namespace

// A delay moves the start and end of its round and of the later rounds of the same day by
// the sum of that day's delays so far, and changes nothing else: not the day of a round, not
// the next day, not the rounds before it.
TEST(VeldenEnRonden, DelaysMoveOnlyTheTimesOfTheirDay)
{
    const TDagTijden delen{{T("09:00"), T("12:00")}, {T("13:00"), T("17:00")},
                           {T("08:30"), T("12:00")}};
    VeldenEnRonden zonder;
    ASSERT_TRUE(zonder.VulRondeKoppen(&delen, 20, 5, 2));
    std::mt19937 toeval(7);
    for (int poging = 0; poging < 50; ++poging) {
        TUitloop uitloop;
        for (int ronde = 1; ronde <= MaxUitloopRonde; ++ronde) {
            if (toeval() % 8 == 0)
                uitloop.append({ronde, int(1 + toeval() % 90)});
        }
        VeldenEnRonden met;
        ASSERT_TRUE(met.VulRondeKoppen(&delen, 20, 5, 2, uitloop));
        for (int ronde = 1; ronde <= MaxUitloopRonde; ++ronde) {
            const QString dag = RondeKop::DagTekst(zonder.RondeKop(ronde));
            ASSERT_EQ(RondeKop::DagTekst(met.RondeKop(ronde)), dag);
            int verwacht = 0;
            for (const TUitloopRegel& regel : uitloop) {
                if (regel.Ronde <= ronde && RondeKop::DagTekst(zonder.RondeKop(regel.Ronde)) == dag)
                    verwacht += regel.Minuten;
            }
            const QString oud = RondeKop::TijdBereik(zonder.RondeKop(ronde));
            const QString nieuw = RondeKop::TijdBereik(met.RondeKop(ronde));
            ASSERT_EQ(Minuten(nieuw) - Minuten(oud), verwacht) << ronde;
            ASSERT_EQ(Minuten(nieuw.mid(8)) - Minuten(oud.mid(8)), verwacht) << ronde;
        }
    }
}
