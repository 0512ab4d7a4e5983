#include "core/bestand/Tekstcodering.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "hulp/ToernooiHulp.h"

#include <gtest/gtest.h>

using namespace ToernooiHulp;

namespace {

QStringList Regels(const ToernooiModel& model)
{
    QString tekst = ToernooiSchrijver::ToernooiTekst(model, VasteKlok(), VasteLocale());
    EXPECT_TRUE(tekst.endsWith(QStringLiteral("\r\n")));
    QStringList regels = tekst.split(QStringLiteral("\r\n"));
    regels.removeLast();
    return regels;
}

} // namespace

TEST(ToernooiSchrijver, WritesTheStoredExampleFileByteForByte)
{
    ToernooiModel model;
    VulVoorbeeld(model);
    const QByteArray verwacht = LeesTestBestand("Voorbeeld.trn");
    ASSERT_EQ(verwacht.size(), 1325);
    const QByteArray geschreven =
        ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    EXPECT_EQ(geschreven.size(), verwacht.size());
    EXPECT_EQ(geschreven, verwacht);
    EXPECT_EQ(Regels(model).size(), 70);
}

TEST(ToernooiSchrijver, HeaderLineUsesShortDateAndLongTimeOfTheLocale)
{
    const QLocale c = QLocale::c();
    const QDateTime moment = VasteKlok();
    EXPECT_EQ(ToernooiSchrijver::KopRegel(moment, VasteLocale()),
              T("# Bewaard op: 03-05-1999 14:03:27 UTC."));
    EXPECT_EQ(ToernooiSchrijver::KopRegel(moment, c),
              T("# Bewaard op: ") + c.toString(moment.date(), QLocale::ShortFormat) + u' ' +
                  c.toString(moment, c.timeFormat(QLocale::LongFormat)) + u'.');
    // The default is the system locale, or the Dutch one when the system has only C.
    ToernooiModel model;
    const QString tekst = ToernooiSchrijver::ToernooiTekst(model, moment);
    EXPECT_TRUE(tekst.startsWith(ToernooiSchrijver::KopRegel(moment, Tijdstempel::Locale()) +
                                 T("\r\n#\r\n")));
    EXPECT_EQ(Tijdstempel::Locale(c), VasteLocale());
    EXPECT_EQ(Tijdstempel::Locale(QLocale(QLocale::German, QLocale::Germany)),
              QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Tijdstempel::DatumTijd(moment, Tijdstempel::Locale(c)), T("03-05-1999 14:03:27 UTC"));
}

TEST(ToernooiSchrijver, StyleListsHaveTheirLeadingCommas)
{
    TLettertype f;
    EXPECT_EQ(ToernooiSchrijver::StijlLijst(f), QString());
    f.Vet = true;
    EXPECT_EQ(ToernooiSchrijver::StijlLijst(f), T("fsBold"));
    f.Doorgehaald = true;
    EXPECT_EQ(ToernooiSchrijver::StijlLijst(f), T("fsBold,fsStrikeOut"));
    f = TLettertype{};
    f.Cursief = true;
    EXPECT_EQ(ToernooiSchrijver::StijlLijst(f), T(",fsItalic"));
    f.Onderstreept = true;
    EXPECT_EQ(ToernooiSchrijver::StijlLijst(f), T(",fsItalic,fsUnderline"));
    f.Vet = true;
    f.Doorgehaald = true;
    EXPECT_EQ(ToernooiSchrijver::StijlLijst(f), T("fsBold,fsItalic,fsUnderline,fsStrikeOut"));

    ToernooiModel model;
    TLettertypen fonts = model.Lettertypen();
    fonts.HeaderFont.Vet = true;
    model.ZetLettertypen(fonts);
    const QStringList regels = Regels(model);
    EXPECT_TRUE(regels.contains(T("Header.Lettertype.Style=fsBold")));
    EXPECT_TRUE(regels.contains(T("Footer.Lettertype.Style=")));
}

TEST(ToernooiSchrijver, ATournamentWithoutPoulesEndsWithTheFieldUsageGroup)
{
    ToernooiModel model;
    const QStringList regels = Regels(model);
    EXPECT_EQ(regels.last(), T("#"));
    EXPECT_EQ(regels.at(regels.size() - 2), T("#"));
    EXPECT_EQ(regels.at(regels.size() - 3), T("VetTeam.Lettertype.Kleur=255"));

    // A team in no poule follows in a group of its own.
    Team(model, T("Los"));
    const QStringList metTeam = Regels(model);
    EXPECT_EQ(metTeam.mid(0, regels.size()), regels);
    EXPECT_EQ(metTeam.mid(regels.size()),
              (QStringList{T("LosTeamNaam=Los"), T("LosClubNaam=Los"), T("LosClubAdres="),
                           T("LosClubPostcodePlaats="), T("LosClubTelefoon="), T("LosClubFax="),
                           T("LosBegeleiderNaam="), T("LosBegeleiderAdres="),
                           T("LosBegeleiderPostcodePlaats="), T("LosBegeleiderTelefoon="),
                           T("LosBegeleiderFax="), T("#")}));
}

TEST(ToernooiSchrijver, PoulesTeamsPartnersAndValuesAsTheyAre)
{
    ToernooiModel model;
    VulRijkToernooi(model);
    const QStringList regels = Regels(model);
    // The team in no poule comes last, after the last poule's group.
    EXPECT_EQ(regels.mid(regels.size() - 12, 2),
              (QStringList{T("LosTeamNaam=Zonder poule"), T("LosClubNaam=Zonder poule")}));
    EXPECT_EQ(regels.filter(T("Zonder poule")).size(), 2);
    const qsizetype a = regels.indexOf(T("PouleNaam=Poule A"));
    ASSERT_GE(a, 0);
    EXPECT_EQ(
        regels.mid(a, 6),
        (QStringList{T("PouleNaam=Poule A"), T("CompetitieType=HalveCompetitie"),
                     T("KruisPoule=Poule B"), T("KruisPouleCompetitieType=DubbeleWedstrijden"),
                     T("MinimaleRust=3"), T("#")}));
    EXPECT_EQ(regels.at(a + 6), T("TeamNaam=Rood"));
    EXPECT_EQ(regels.at(a + 18), T("TeamNaam=Blauw"));
    // The empty poule is followed directly by nothing (it is the last); poule B's teams keep
    // the poule's order.
    const qsizetype b = regels.indexOf(T("PouleNaam=Poule B"));
    EXPECT_EQ(regels.at(b + 6), T("TeamNaam=Geel"));
    EXPECT_EQ(regels.at(b + 18), T("TeamNaam=Groen=#"));
    EXPECT_EQ(regels.at(regels.size() - 18), T("PouleNaam=Leeg"));
    EXPECT_TRUE(regels.contains(T("BegeleiderFax=#0123")));
    EXPECT_TRUE(regels.contains(T("BegeleiderNaam= Jan = Jansen ")));
    EXPECT_TRUE(regels.contains(T("ClubFax=")));
    EXPECT_TRUE(regels.contains(T("Header.Lettertype.Style=fsBold,fsStrikeOut")));
    EXPECT_TRUE(regels.contains(T("Footer.Lettertype.Style=,fsItalic,fsUnderline")));
    EXPECT_TRUE(regels.contains(T("Tekst.Lettertype.Kleur=-2147483643")));
    EXPECT_TRUE(regels.contains(T("Header.Lettertype.Kleur=65280")));
}


TEST(ToernooiSchrijver, UnavailableCellsCoverRounds1To101AndTwoFieldsBeyond)
{
    ToernooiModel model;
    model.ZetGewoneVelden(2);
    model.ZetVeldBeschikbaar(4, 101, false);
    model.ZetVeldBeschikbaar(5, 101, false);
    model.ZetVeldBeschikbaar(4, 102, false);
    model.ZetVeldBeschikbaar(1, 1, false);
    QStringList geen;
    for (const QString& r : Regels(model))
        if (r.startsWith(T("GeenWedstrijd=")))
            geen << r;
    EXPECT_EQ(geen, (QStringList{T("GeenWedstrijd=1,1"), T("GeenWedstrijd=4,101")}));
}

TEST(ToernooiSchrijver, Windows1252WhenEveryCharacterFitsOtherwiseUtf8)
{
    ToernooiModel model;
    model.ZetToernooiNaam(T("Café €"));
    QByteArray bytes = ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    EXPECT_TRUE(bytes.contains("ToernooiNaam=Caf\xE9 \x80\r\n"));

    model.ZetToernooiNaam(T("Łódź"));
    bytes = ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    EXPECT_TRUE(bytes.contains("ToernooiNaam=\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));

    // Windows-1252 bytes that would read back as UTF-8 are written as UTF-8.
    model.ZetToernooiNaam(T("Ã©"));
    bytes = ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    EXPECT_TRUE(bytes.contains("ToernooiNaam=\xC3\x83\xC2\xA9\r\n"));
    EXPECT_EQ(Tekstcodering::DecodeerBestand(bytes),
              ToernooiSchrijver::ToernooiTekst(model, VasteKlok(), VasteLocale()));
}

TEST(ToernooiSchrijver, ADeviceThatFailsReportsTheError)
{
    ToernooiModel model;
    VulVoorbeeld(model);
    FailDevice apparaat(100);
    EXPECT_FALSE(ToernooiSchrijver::SchrijfToernooi(apparaat, model, VasteKlok(), VasteLocale()));
    EXPECT_EQ(apparaat.Geschreven.size(), 100);
    EXPECT_EQ(apparaat.errorString(), T("Schijf vol"));

    FailDevice ruim(1 << 20);
    EXPECT_TRUE(ToernooiSchrijver::SchrijfToernooi(ruim, model, VasteKlok(), VasteLocale()));
    EXPECT_EQ(ruim.Geschreven, LeesTestBestand("Voorbeeld.trn"));
}
