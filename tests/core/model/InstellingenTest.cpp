#include "core/model/ToernooiModel.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

namespace {
} // namespace

TEST(Instellingen, ProgramValuesAreBroughtIntoRange)
{
    ToernooiModel model;
    model.ZetAantalDelen(40);
    EXPECT_EQ(model.AantalDelen(), 31);
    model.ZetAantalDelen(-3);
    EXPECT_EQ(model.AantalDelen(), 1);
    model.ZetAantalDelenPerDag(1000);
    EXPECT_EQ(model.AantalDelenPerDag(), 300);
    model.ZetSpecialeVelden(301);
    EXPECT_EQ(model.SpecialeVelden(), 300);
    model.ZetGewoneVelden(999);
    EXPECT_EQ(model.GewoneVelden(), 300);
    EXPECT_EQ(model.Velden().KolomAantal(), 601);
    model.ZetDuurWedstrijd(-10);
    EXPECT_EQ(model.DuurWedstrijd(), 0);
    model.ZetPauze(-1);
    EXPECT_EQ(model.Pauze(), 0);
    // The editor's upper limit, which keeps the clock of the round headers from overflowing.
    model.ZetDuurWedstrijd(100000);
    EXPECT_EQ(model.DuurWedstrijd(), ToernooiModel::MaxMinuten);
}

TEST(Instellingen, SettingTheCurrentValueChangesNothing)
{
    ToernooiModel model;
    model.ZetDagTijd(1, 1, T("10:00"));
    model.ZetGewijzigd(false);
    model.ZetAantalDelen(1);
    model.ZetAantalDelenPerDag(1);
    model.ZetGewoneVelden(1);
    model.ZetSpecialeVelden(0);
    model.ZetDuurWedstrijd(20);
    model.ZetPauze(5);
    model.ZetToernooiNaam(QString());
    model.ZetDagTijd(1, 1, T("10:00"));
    model.ZetDagTijd(1, 1, T("10"));
    EXPECT_FALSE(model.Gewijzigd());
    // The edited time survives, since the day parts were not reset.
    EXPECT_EQ(model.DagTijden().at(0).Begin, T("10:00"));
}

TEST(Instellingen, ChangingDaysOrPartsRefillsTheDayParts)
{
    ToernooiModel model;
    model.ZetDagTijd(1, 2, T("12:00"));
    model.ZetAantalDelen(2);
    EXPECT_EQ(model.DagTijden(), (TDagTijden{{T("09:00"), T("17:00")}, {T("09:00"), T("17:00")}}));

    model.ZetAantalDelenPerDag(20);
    EXPECT_EQ(model.DagTijden().size(), 40);
    EXPECT_EQ(model.DagTijden().at(39), (TDagDeel{T("09:00"), T("09:00")}));
}

TEST(Instellingen, DayPartTimesAreNormalisedAndRebuildTheRounds)
{
    ToernooiModel model;
    model.ZetAantalDelenPerDag(2);
    EXPECT_EQ(model.Velden().RondeKop(11), T("Dag 1, Ronde 11 (13:00 - 13:20)"));
    EXPECT_EQ(model.Velden().RondeKop(21), T("Dag 2, Ronde 21 (09:00 - 09:20)"));
    model.ZetDagTijd(1, 1, T("7:3"));
    EXPECT_EQ(model.DagTijden().at(0).Begin, T("07:30"));
    EXPECT_EQ(model.Velden().RondeKop(1), T("Dag 1, Ronde 1 (07:30 - 07:50)"));

    model.ZetDuurWedstrijd(45);
    EXPECT_EQ(model.Velden().RondeKop(2), T("Dag 1, Ronde 2 (08:20 - 09:05)"));
    model.ZetPauze(0);
    EXPECT_EQ(model.Velden().RondeKop(2), T("Dag 1, Ronde 2 (08:15 - 09:00)"));

    // Out-of-range rows and columns are ignored.
    model.ZetGewijzigd(false);
    model.ZetDagTijd(3, 1, T("10:00"));
    model.ZetDagTijd(1, 3, T("10:00"));
    model.ZetDagTijd(0, 1, T("10:00"));
    EXPECT_FALSE(model.Gewijzigd());
}

TEST(Instellingen, FieldCountRule)
{
    ToernooiModel model;
    model.ZetGewijzigd(false);
    // Typing 0 ordinary fields without special fields leaves one special field; the ordinary
    // count returns to 1: two fields in all.
    model.ZetGewoneVelden(0);
    EXPECT_EQ(model.SpecialeVelden(), 1);
    EXPECT_EQ(model.GewoneVelden(), 1);
    EXPECT_EQ(model.AantalVelden(), 2);
    EXPECT_EQ(model.Velden().KolomAantal(), 3);
    EXPECT_TRUE(model.Gewijzigd());

    model.ZetSpecialeVelden(0);
    model.ZetGewoneVelden(6);
    EXPECT_EQ(model.AantalVelden(), 6);
    EXPECT_EQ(model.Velden().KolomAantal(), 7);
    model.ZetSpecialeVelden(2);
    EXPECT_EQ(model.AantalVelden(), 8);
}

TEST(Instellingen, FieldToggleMarksChangesButResetDoesNot)
{
    ToernooiModel model;
    int meldingen = 0;
    QObject::connect(&model, &ToernooiModel::gewijzigdVeranderd, [&meldingen] { ++meldingen; });
    model.WisselVeld(0, 5);
    EXPECT_FALSE(model.Gewijzigd());
    model.WisselVeld(1, 5);
    EXPECT_FALSE(model.Velden().Beschikbaar(1, 5));
    model.WisselVeld(1, 5);
    EXPECT_TRUE(model.Velden().Beschikbaar(1, 5));
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_EQ(meldingen, 1);

    model.ZetGewijzigd(false);
    model.ZetVeldBeschikbaar(2, 7, false);
    model.ResetAlleVelden();
    EXPECT_TRUE(model.Velden().Beschikbaar(2, 7));
    EXPECT_FALSE(model.Gewijzigd());
}

TEST(Instellingen, NameAndDateMarkChanges)
{
    ToernooiModel model;
    model.ZetToernooiNaam(T("Pinkstertoernooi"));
    EXPECT_TRUE(model.Gewijzigd());
    model.ZetGewijzigd(false);
    model.ZetStartDatum(T("05/06/27"));
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_EQ(model.StartDatum(), T("05/06/27"));
}
