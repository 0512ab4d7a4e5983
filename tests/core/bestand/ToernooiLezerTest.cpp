#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/bestand/ToernooiSleutel.h"
#include "hulp/ToernooiHulp.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace ToernooiHulp;

namespace {

void Lees(ToernooiModel& model, const char* tekst)
{
    ToernooiLezer::LeesToernooiBytes(model, QByteArrayView(tekst));
}

QStringList Namen(const ToernooiModel& model)
{
    QStringList r;
    for (const auto& poule : model.PouleLijst()) {
        QString regel = poule->Details->PouleNaam + u':';
        for (const TTeamDetails* t : poule->Teams)
            regel += u' ' + t->TeamNaam;
        r << regel;
    }
    return r;
}

} // namespace

TEST(ToernooiLezer, Numbers)
{
    EXPECT_EQ(LeesGetal(u"12"), 12);
    EXPECT_EQ(LeesGetal(u"   -7"), -7);
    EXPECT_EQ(LeesGetal(u"+5"), 5);
    EXPECT_EQ(LeesGetal(u"-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(LeesGetal(u"2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ(LeesGetal(u"2147483648"), std::nullopt);
    EXPECT_EQ(LeesGetal(u"99999999999999999999999"), std::nullopt);
    EXPECT_EQ(LeesGetal(u"12 "), std::nullopt);
    EXPECT_EQ(LeesGetal(u""), std::nullopt);
    EXPECT_EQ(LeesGetal(u"-"), std::nullopt);
    EXPECT_EQ(LeesGetal(u" "), std::nullopt);
    EXPECT_EQ(LeesGetal(u"1a"), std::nullopt);
    EXPECT_EQ(LeesGetal(u"$10"), std::nullopt);
    EXPECT_EQ(LeesGetal(u"\u0661"), std::nullopt); // an Arabic-Indic digit is no digit here
}

TEST(ToernooiLezer, UpperCaseForAToZOnly)
{
    EXPECT_EQ(HoofdLetters(u"abzé.x"), QString::fromUtf8("ABZé.X"));
}

TEST(ToernooiLezer, ReadsTheStoredExampleFileIntoTheModelItWasWrittenFrom)
{
    ToernooiModel verwacht;
    VulVoorbeeld(verwacht);
    ToernooiModel model;
    model.ZetGewijzigd(true);
    ToernooiLezer::LeesToernooiBytes(model, LeesTestBestand("Voorbeeld.trn"));
    EXPECT_EQ(Inhoud(model), Inhoud(verwacht));
    EXPECT_FALSE(model.Gewijzigd());
    ASSERT_EQ(model.TeamLijst().size(), 2u);
    EXPECT_EQ(model.TeamLijst().front()->TeamNaam, T("Blauw")); // sorted by name
    EXPECT_EQ(model.KruisPouleLijst(), (QStringList{T("Geen"), T("Poule A")}));
    EXPECT_EQ(model.Velden().RondeKop(1), T("Dag 1, Ronde 1 (09:00 - 09:20)"));
}

TEST(ToernooiLezer, WrittenAndReadBackGivesTheSameTournament)
{
    ToernooiModel bron;
    VulRijkToernooi(bron);
    const QByteArray bytes = ToernooiSchrijver::ToernooiBytes(bron, VasteKlok(), VasteLocale());
    ToernooiModel model;
    ToernooiLezer::LeesToernooiBytes(model, bytes);
    EXPECT_EQ(Inhoud(model), Inhoud(bron));
    EXPECT_EQ(ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale()), bytes);
    EXPECT_EQ(model.PouleLijst().at(0)->Details->KruisPoule, model.PouleLijst().at(1)->Details.get());
    EXPECT_EQ(model.PouleLijst().at(1)->Details->KruisPoule, model.PouleLijst().at(0)->Details.get());
    EXPECT_EQ(model.TeamLijst().size(), 5u); // the team without poule is kept as well
    for (int ronde = 1; ronde < 100; ++ronde)
        EXPECT_EQ(model.Velden().RondeKop(ronde), bron.Velden().RondeKop(ronde)) << ronde;
}

TEST(ToernooiLezer, KeysIgnoreCaseLeadingSpacesAndKeepTheValueWhole)
{
    ToernooiModel model;
    Lees(model, "toernooinaam=Zomer\n   StartDatum= 1=2 \n");
    EXPECT_EQ(model.ToernooiNaam(), T("Zomer"));
    EXPECT_EQ(model.StartDatum(), T(" 1=2 "));
    Lees(model, "ToernooiNaam =Winter\n");
    EXPECT_EQ(model.ToernooiNaam(), T("Zomer"));
    Lees(model, "  # not a comment=1\n#ToernooiNaam=Herfst\n\n      \n=x\nzonder is-teken\n");
    EXPECT_EQ(model.ToernooiNaam(), T("Zomer"));
}

TEST(ToernooiLezer, OnlyCommentsGiveAnEmptyTournamentWithSettingsKept)
{
    ToernooiModel model;
    VulRijkToernooi(model);
    const QStringList voor = Inhoud(model);
    Lees(model, "# Bewaard op: vandaag.\r\n#\r\n");
    EXPECT_TRUE(model.PouleLijst().empty());
    EXPECT_TRUE(model.TeamLijst().empty());
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_EQ(model.KruisPouleLijst(), QStringList{T("Geen")});
    for (int ronde = 1; ronde <= 101; ++ronde)
        for (int veld = 1; veld <= model.AantalVelden(); ++veld)
            EXPECT_TRUE(model.Velden().Beschikbaar(veld, ronde));
    // Settings and fonts are those of before.
    QStringList na = Inhoud(model);
    EXPECT_EQ(na.mid(0, 13), voor.mid(0, 13)); // name .. fonts
}

TEST(ToernooiLezer, NumbersOutOfRangeAndNotNumbersTakeTheirDefaults)
{
    ToernooiModel model;
    Lees(model, "AantalDagen=40\nGewoneVelden=500\nSpecialeVelden=-3\n");
    EXPECT_EQ(model.AantalDelen(), 31);
    EXPECT_EQ(model.GewoneVelden(), 300);
    EXPECT_EQ(model.SpecialeVelden(), 0);
    Lees(model, "AantalDagen=x\nDelenPerDagen=\nDuurWedstrijd=lang\nPauze=\nSpecialeVelden=?\n"
                "PouleNaam=P\nMinimaleRust=nooit\n"
                "Header.Lettertype.Size=groot\nHeader.Lettertype.Kleur=rood\n");
    EXPECT_EQ(model.AantalDelen(), 1);
    EXPECT_EQ(model.AantalDelenPerDag(), 1);
    EXPECT_EQ(model.DuurWedstrijd(), 25);
    EXPECT_EQ(model.Pauze(), 5);
    EXPECT_EQ(model.SpecialeVelden(), 1);
    EXPECT_EQ(model.PouleLijst().at(0)->Details->MinimaleRust, 1);
    EXPECT_EQ(model.Lettertypen().HeaderFont.Grootte, 11);
    EXPECT_EQ(model.Lettertypen().HeaderFont.Kleur, 0);
}

TEST(ToernooiLezer, ValuesThatWouldBreakLaterStepsAreBroughtIntoRange)
{
    ToernooiModel model;
    Lees(model, "DuurWedstrijd=-20\nPauze=-1\nPouleNaam=P\nMinimaleRust=-4\nPouleNaam=Q\n"
                "MinimaleRust=9999\nTekst.Lettertype.Size=0\nFooter.Lettertype.Size=-12\n");
    EXPECT_EQ(model.DuurWedstrijd(), 0);
    EXPECT_EQ(model.Pauze(), 0);
    EXPECT_EQ(model.PouleLijst().at(0)->Details->MinimaleRust, 0);
    EXPECT_EQ(model.PouleLijst().at(1)->Details->MinimaleRust, 300);
    EXPECT_EQ(model.Lettertypen().TextFont.Grootte, 1);
    EXPECT_EQ(model.Lettertypen().FooterFont.Grootte, 1);

    // Durations beyond the editor's range would overflow the clock of the round headers.
    Lees(model, "DuurWedstrijd=2147483640\nPauze=2147483647\n");
    EXPECT_EQ(model.DuurWedstrijd(), ToernooiModel::MaxMinuten);
    EXPECT_EQ(model.Pauze(), ToernooiModel::MaxMinuten);
    EXPECT_EQ(model.Velden().RondeKop(2), T("Dag 2, Ronde 2 (09:00 - 175:39)"));
}

TEST(ToernooiLezer, TeamsInNoPouleComeBackAndAreSkippedByAReaderOfTheOtherKeys)
{
    ToernooiModel bron;
    VulRijkToernooi(bron); // holds the team "Zonder poule"
    TTeamDetails* los = Team(bron, T("Ook los"));
    TTeamDetails details = *los;
    details.ClubAdres = T("Laan 2");
    details.BegeleiderFax = T("=#");
    bron.ZetTeamDetails(los, details);
    const QByteArray bytes = ToernooiSchrijver::ToernooiBytes(bron, VasteKlok(), VasteLocale());

    ToernooiModel model;
    ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(model, bytes));
    EXPECT_EQ(Inhoud(model), Inhoud(bron));
    EXPECT_EQ(ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale()), bytes);
    EXPECT_TRUE(Inhoud(model).contains(T("los Ook los|Ook los|=#")));

    // A reader that knows only the keys of poules and teams: every line of the new group
    // has a key it does not know, so leaving those lines out is what such a reader does.
    QByteArrayList zonder;
    for (const QByteArray& regel : bytes.split('\n')) {
        const QString sleutel =
            HoofdLetters(QString::fromLatin1(regel.left(qMax(regel.indexOf('='), 0))));
        if (sleutel.startsWith(T("LOS"))) {
            EXPECT_EQ(ZoekToernooiSleutel(sleutel), TToernooiSleutel::Geen);
            EXPECT_FALSE(sleutel.contains(T(".LETTERTYPE.")));
            continue;
        }
        zonder << regel;
    }
    ToernooiModel oud;
    ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(oud, zonder.join('\n')));
    QList<TTeamDetails*> losse;
    for (const auto& team : bron.TeamLijst())
        if (!bron.PouleVanTeam(team.get()))
            losse << team.get();
    bron.VerwijderTeams(losse);
    ASSERT_EQ(bron.TeamLijst().size(), 4u); // the two teams in no poule are gone
    EXPECT_EQ(Inhoud(oud), Inhoud(bron));
    // What that reader sees is the file of the tournament without them, and the comment
    // lines that closed each of them.
    EXPECT_EQ(ToernooiSchrijver::ToernooiTekst(oud, VasteKlok(), VasteLocale()) + T("#\r\n#\r\n"),
              QString::fromUtf8(zonder.join('\n')));
}

TEST(ToernooiLezer, AFileWithoutASingleKnownKeyIsRefusedAndChangesNothing)
{
    ToernooiModel model;
    VulVoorbeeld(model);
    const QStringList voor = Inhoud(model);
    for (const char* tekst : {"GIF89a\x01\x00=\n", "Beste organisator,\nHier is het schema.",
                              "# commentaar\nToernooiNaam =Zomer\n"}) {
        EXPECT_FALSE(ToernooiLezer::LeesToernooiBytes(model, QByteArrayView(tekst))) << tekst;
        EXPECT_EQ(Inhoud(model), voor);
    }
    // One known key among unknown lines is enough; so is a font key or a team in no poule.
    for (const char* tekst : {"onzin\nDuurWedstrijd=7\nmeer onzin\n", "x.Lettertype.Size=12\n",
                              "  lostEAMnaam=L\n"})
        EXPECT_TRUE(ToernooiLezer::LeesToernooiBytes(model, QByteArrayView(tekst))) << tekst;
    EXPECT_EQ(model.TeamLijst().size(), 1u);
}

TEST(ToernooiLezer, DayPartsFollowTheBeginTijdLines)
{
    ToernooiModel model;
    Lees(model,
         "AantalDagen=2\nDelenPerDagen=2\nBeginTijd=10:00\nEindTijd=12:00\nBeginTijd=13:30\n");
    EXPECT_EQ(model.DagTijden(), (TDagTijden{{T("10:00"), T("12:00")}, {T("13:30"), T("13:30")}}));
    Lees(model, "EindTijd=11:00\n");
    EXPECT_EQ(model.DagTijden(), (TDagTijden{{T("10:00"), T("12:00")}, {T("13:30"), T("13:30")}}));
    // Days and parts after the day-part lines refill the table with the defaults.
    Lees(model, "BeginTijd=07:00\nAantalDagen=1\n");
    EXPECT_EQ(model.DagTijden(), (TDagTijden{{T("09:00"), T("13:00")}, {T("13:00"), T("17:00")}}));
    // Times are normalised as the table does.
    Lees(model, "BeginTijd=9:5\nEindTijd=25:00\n");
    EXPECT_EQ(model.DagTijden(), (TDagTijden{{T("09:50"), T("01:00")}}));
}

TEST(ToernooiLezer, RoundHeadersAreRebuiltWithTheLoadedDayParts)
{
    ToernooiModel model;
    Lees(model, "BeginTijd=10:00\nEindTijd=12:00\nDuurWedstrijd=20\nPauze=5\n");
    EXPECT_EQ(model.Velden().RondeKop(1), T("Dag 1, Ronde 1 (10:00 - 10:20)"));
}

TEST(ToernooiLezer, CompetitionTypes)
{
    ToernooiModel model;
    Lees(model,
         "PouleNaam=A\nCompetitieType=heleCOMPETITIE\nKruisPouleCompetitieType=enkelewedstrijden\n"
         "PouleNaam=B\nCompetitieType=HalveCompetitie\nKruisPouleCompetitieType=Dubbel\n"
         "PouleNaam=C\nCompetitieType=\nKruisPouleCompetitieType=\n"
         "PouleNaam=D\n");
    const auto& p = model.PouleLijst();
    EXPECT_EQ(p.at(0)->Details->CompetitieType, TCompetitieType::HeleCompetitie);
    EXPECT_EQ(p.at(0)->Details->KruisPouleCompetitieType,
              TKruisPouleCompetitieType::EnkeleWedstrijden);
    EXPECT_EQ(p.at(1)->Details->CompetitieType, TCompetitieType::HalveCompetitie);
    EXPECT_EQ(p.at(1)->Details->KruisPouleCompetitieType,
              TKruisPouleCompetitieType::DubbeleWedstrijden);
    EXPECT_EQ(p.at(2)->Details->CompetitieType, TCompetitieType::HalveCompetitie);
    EXPECT_EQ(p.at(2)->Details->KruisPouleCompetitieType,
              TKruisPouleCompetitieType::DubbeleWedstrijden);
    EXPECT_EQ(p.at(3)->Details->CompetitieType, TCompetitieType::HeleCompetitie);
    EXPECT_EQ(p.at(3)->Details->KruisPouleCompetitieType,
              TKruisPouleCompetitieType::EnkeleWedstrijden);
}

TEST(ToernooiLezer, PartnersAreResolvedAfterTheLastLine)
{
    ToernooiModel model;
    Lees(model, "KruisPoule=A\n"
                "PouleNaam=A\nKruisPoule=c\n"
                "PouleNaam=B\nKruisPoule=Onbekend\n"
                "PouleNaam=C\nKruisPoule=a\n"
                "PouleNaam=Geen\nKruisPoule=geen\n"
                "PouleNaam=D\nKruisPoule=Geen\n"
                "PouleNaam=É\nPouleNaam=é\nKruisPoule=é\n");
    const auto& p = model.PouleLijst();
    ASSERT_EQ(p.size(), 7u);
    EXPECT_EQ(model.KruisPositie(p.at(0)->Details->KruisPoule), 3);
    EXPECT_EQ(model.KruisPositie(p.at(1)->Details->KruisPoule), 0);
    EXPECT_EQ(model.KruisPositie(p.at(2)->Details->KruisPoule), 1);
    EXPECT_EQ(model.KruisPositie(p.at(3)->Details->KruisPoule), 0);
    EXPECT_EQ(model.KruisPositie(p.at(4)->Details->KruisPoule), 0);
    // Of two names that differ in case only, the first in tree order; Qt's case folding.
    EXPECT_EQ(model.KruisPositie(p.at(6)->Details->KruisPoule), 6);
}

TEST(ToernooiLezer, PoulesAndTeamsInFileOrder)
{
    ToernooiModel model;
    Lees(model, "TeamNaam=Wees\nClubNaam=Weesclub\n"
                "PouleNaam=A\nTeamNaam=X\nTeamNaam=x\n"
                "PouleNaam=A\nClubAdres=achteraf\nTeamNaam=Y\n");
    EXPECT_EQ(Namen(model), (QStringList{T("A: X x"), T("A: Y")}));
    ASSERT_EQ(model.TeamLijst().size(), 3u);
    const TTeamDetails* tweedeX = model.PouleLijst().at(0)->Teams.at(1);
    EXPECT_EQ(tweedeX->ClubNaam, T("x"));
    EXPECT_EQ(tweedeX->ClubAdres, T("achteraf"));
    EXPECT_TRUE(model.PouleLijst().at(0)->Teams.at(0)->ClubAdres.isEmpty());
}

TEST(ToernooiLezer, Fonts)
{
    ToernooiModel model;
    Lees(model, "Size.Lettertype.Naam=Niemand\n"
                "Header.Lettertype.Style=,fsItalic\n"
                "Kop.Lettertype.Size=30\n"
                "footer.lettertype.style=fsitalic,FSBOLD\n"
                "Tekst.Lettertype.Style=\n"
                "VetTeam.Lettertype.Naam=Courier New\nVetTeam.Lettertype.Kleur=-2147483643\n"
                "Header.Tekst.Lettertype.Kleur=7\n");
    const TLettertypen& f = model.Lettertypen();
    EXPECT_EQ(f.HeaderFont.Naam, T("MS Sans Serif"));
    EXPECT_TRUE(f.HeaderFont.Cursief);
    EXPECT_FALSE(f.HeaderFont.Vet);
    EXPECT_EQ(f.HeaderFont.Grootte, 30);
    EXPECT_TRUE(f.FooterFont.Cursief);
    EXPECT_TRUE(f.FooterFont.Vet);
    EXPECT_FALSE(f.TextFont.Vet || f.TextFont.Cursief || f.TextFont.Onderstreept ||
                 f.TextFont.Doorgehaald);
    EXPECT_EQ(f.VetTeamFont.Naam, T("Courier New"));
    EXPECT_EQ(f.VetTeamFont.Kleur, qint32(0x80000005));
    EXPECT_EQ(f.TextFont.Kleur, 7); // "TEKST." is tested after "HEADER."
    EXPECT_EQ(f.HeaderFont.Kleur, TLettertype::KleurVensterTekst);
}

TEST(ToernooiLezer, UnavailableCells)
{
    ToernooiModel model;
    model.ZetGewoneVelden(4);
    model.ZetVeldBeschikbaar(1, 1, false);
    Lees(model,
         "GeenWedstrijd=3,7\nGeenWedstrijd=0,7\nGeenWedstrijd=3\nGeenWedstrijd=a,b\n"
         "GeenWedstrijd=-1,5\nGeenWedstrijd=2,-5\nGeenWedstrijd=100000,1\nGeenWedstrijd=2, 9\n"
         "GeenWedstrijd=4,8,1\n");
    QStringList geen;
    for (int ronde = 1; ronde <= 101; ++ronde)
        for (int veld = 1; veld <= 6; ++veld)
            if (!model.Velden().Beschikbaar(veld, ronde))
                geen << QStringLiteral("%1,%2").arg(veld).arg(ronde);
    EXPECT_EQ(geen, (QStringList{T("3,7"), T("2,9")}));
}

TEST(ToernooiLezer, LineSplitting)
{
    ToernooiModel model;
    Lees(model, "ToernooiNaam=Een\r\nStart\rDatum=Twee\r\r\nPouleNaam=A\nTeamNaam=B\r");
    EXPECT_EQ(model.ToernooiNaam(), T("Een"));
    EXPECT_EQ(model.StartDatum(), T("Twee"));
    EXPECT_EQ(Namen(model), QStringList{T("A: B")});
    // A CR alone ends no line.
    Lees(model, "ToernooiNaam=Vijf\rStartDatum=Zes\n");
    EXPECT_EQ(model.ToernooiNaam(), T("VijfStartDatum=Zes"));
    Lees(model, "ToernooiNaam=Drie\x1AToernooiNaam=Vier\n");
    EXPECT_EQ(model.ToernooiNaam(), T("Drie"));
}

TEST(ToernooiLezer, EncodingIsDetected)
{
    ToernooiModel model;
    Lees(model, "ToernooiNaam=Caf\xE9 \x80\n");
    EXPECT_EQ(model.ToernooiNaam(), T("Café €"));
    Lees(model, "ToernooiNaam=\xC5\x81\xC3\xB3\x64\xC5\xBA\n");
    EXPECT_EQ(model.ToernooiNaam(), T("Łódź"));
    Lees(model, "\xEF\xBB\xBFToernooiNaam=Bom\n");
    EXPECT_EQ(model.ToernooiNaam(), T("Bom"));
    // UTF-16 with its byte-order mark; the byte 0x1A inside a character (U+011A) ends
    // nothing, the character Ctrl-Z does.
    for (auto codering : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(codering, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder(T("Pauze=7\nToernooiNaam=\u011Aa\x1A\nPauze=8\n"));
        ToernooiLezer::LeesToernooiBytes(model, bytes);
        EXPECT_EQ(model.ToernooiNaam(), T("\u011Aa"));
    }
    EXPECT_EQ(model.Pauze(), 7);
}

TEST(ToernooiLezer, NulCharactersAndLongLines)
{
    ToernooiModel model;
    QByteArray bytes("ToernooiNaam=a\0b\n", 17);
    bytes += "StartDatum=" + QByteArray(1 << 20, 'x') + '\n';
    ToernooiLezer::LeesToernooiBytes(model, bytes);
    EXPECT_EQ(model.ToernooiNaam(), QString::fromUtf8("a\0b", 3));
    EXPECT_EQ(model.StartDatum().size(), 1 << 20);
}

TEST(ToernooiLezer, NoUnavailableCellOfAnEarlierWiderTournamentSurvives)
{
    ToernooiModel model;
    model.ZetGewoneVelden(10);
    model.ZetVeldBeschikbaar(8, 3, false);
    model.ZetGewoneVelden(2);
    Lees(model, "GewoneVelden=10\nGeenWedstrijd=1,1\n");
    EXPECT_TRUE(model.Velden().Beschikbaar(8, 3));
    EXPECT_FALSE(model.Velden().Beschikbaar(1, 1));
}
