// Import of teams from spreadsheet lists: the awkward files real spreadsheet programs write.

#include "ImportControle.h"
#include "core/model/ToernooiModel.h"
#include "core/uitwisseling/CsvLezer.h"
#include "core/uitwisseling/TeamImport.h"
#include "hulp/ToernooiHulp.h"

#include <gtest/gtest.h>
#include <random>

using ToernooiHulp::PouleTeams;
using ToernooiHulp::T;

TEST(CsvLezer, QuotesSeparatorsAndLineBreaksInsideValues)
{
    const TCsvInhoud csv = CsvLezer::Lees(
        T("Team;Adres\r\n\"Rood; Wit\";\"Straat \"\"1\"\"\r\nachter\"\r\nBlauw;\"a\nb\"\n\n;\n"));
    ASSERT_TRUE(csv.Fout.isEmpty());
    EXPECT_EQ(csv.Scheidingsteken, u';');
    ASSERT_EQ(csv.Rijen.size(), 3);
    EXPECT_EQ(csv.Rijen[1].Waarden, QStringList({T("Rood; Wit"), T("Straat \"1\" achter")}));
    EXPECT_EQ(csv.Rijen[2].Regel, 4);
    EXPECT_EQ(csv.Rijen[2].Waarden, QStringList({T("Blauw"), T("a b")}));

    EXPECT_EQ(CsvLezer::Lees(T("Team,Club\n\"A;B\",C\n")).Rijen[1].Waarden,
              QStringList({T("A;B"), T("C")}));
    EXPECT_EQ(CsvLezer::HerkenScheidingsteken(T("Team\tClub, Adres;x\n")), u'\t');
    EXPECT_EQ(CsvLezer::HerkenScheidingsteken(T("\"a;b;c\",Team\n")), u',');

    const TCsvInhoud open = CsvLezer::Lees(T("Team\nRood\n\"Blauw\n"));
    EXPECT_EQ(open.FoutRegel, 3);
    EXPECT_FALSE(open.Fout.isEmpty());
}

TEST(CsvLezer, CodingsWithAndWithoutByteOrderMark)
{
    EXPECT_EQ(CsvLezer::Decodeer("\xEF\xBB\xBFTeam\nCaf\xC3\xA9"), T("Team\nCafé"));
    EXPECT_EQ(CsvLezer::Decodeer("Team\nCaf\xC3\xA9"), T("Team\nCafé"));
    EXPECT_EQ(CsvLezer::Decodeer("Team\nCaf\xE9 \x80"), T("Team\nCafé €"));

    // UTF-16 is known by its byte-order mark.
    const QString tekst = T("Team\nCafé €");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (const QChar c : tekst) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    bool geraden = true;
    EXPECT_EQ(CsvLezer::Decodeer(le, &geraden), tekst);
    EXPECT_FALSE(geraden);
    EXPECT_EQ(CsvLezer::Decodeer(be), tekst);

    // A plain Windows-1252 list is no guess; UTF-8 with one stray byte is, and is said.
    (void)CsvLezer::Decodeer("Team\nCaf\xE9", &geraden);
    EXPECT_FALSE(geraden);
    ToernooiModel model;
    const TImportVoorbeeld voorbeeld =
        TeamImport::Voorbeeld(model, QByteArrayView("Team\nK\xC3\xB6ln\nCaf\xE9\n"));
    EXPECT_TRUE(voorbeeld.Waarschuwing.contains(T("geraden")));
    EXPECT_EQ(voorbeeld.Rijen[1].Team.TeamNaam, T("Café"));
    EXPECT_TRUE(TeamImport::Voorbeeld(model, QByteArrayView("Team\nK\xC3\xB6ln\n")).Waarschuwing.isEmpty());
}

// Every byte value inside a quoted name, as a spreadsheet might write it: the list is
// imported, saved and loaded, and what comes back is what was added, with nothing lost after
// it (a Ctrl-Z once cut off every later team) and no control character in any name.
TEST(TeamImport, EveryByteInANameSurvivesImportSaveAndLoad)
{
    for (int b = 0; b < 256; ++b) {
        QByteArray lijst("Team;Club;Poule\r\n\"A");
        lijst += char(b);
        lijst += "B\";Club ";
        lijst += char(b);
        lijst += ";Poule A\r\nLaatste;L;Poule A\r\n";
        EXPECT_EQ(ImportControle::Controleer(lijst), QString()) << "byte " << b;

        ToernooiModel model;
        TeamImport::Pas(model, TeamImport::Voorbeeld(model, QByteArrayView(lijst)));
        EXPECT_EQ(model.TeamLijst().size(), 2u) << "byte " << b;

        // The same character typed or pasted into a name.
        ToernooiModel getypt;
        const QString naam = T("Getypt ") + QChar(b) + T(" team");
        (void)getypt.VoegTeamToe(naam);
        getypt.ZetToernooiNaam(Invoertekst::ZonderStuurtekens(naam));
        ToernooiModel gelezen;
        ToernooiLezer::LeesToernooiBytes(
            gelezen, ToernooiSchrijver::ToernooiBytes(getypt, ToernooiHulp::VasteKlok(), QLocale::c()));
        EXPECT_EQ(ImportControle::Teams(gelezen), ImportControle::Teams(getypt)) << "byte " << b;
        EXPECT_EQ(gelezen.ToernooiNaam(), getypt.ToernooiNaam()) << "byte " << b;
        EXPECT_FALSE(Invoertekst::HeeftStuurtekens(getypt.ToernooiNaam())) << "byte " << b;
    }
}

TEST(TeamImport, OverlongValuesRefuseTheirRow)
{
    ToernooiModel model;
    const QString lang(TeamImport::MaxVeldLengte + 1, u'x');
    const TImportVoorbeeld voorbeeld = TeamImport::Voorbeeld(
        model, T("Team;Begeleider\nA;") + lang + T("\nB;") + lang.left(TeamImport::MaxVeldLengte));
    ASSERT_EQ(voorbeeld.Rijen.size(), 2);
    EXPECT_FALSE(voorbeeld.Rijen[0].Geaccepteerd);
    EXPECT_EQ(voorbeeld.Rijen[0].Reden, T("De waarde in kolom \"Begeleider\" is langer dan 200 tekens."));
    EXPECT_TRUE(voorbeeld.Rijen[1].Geaccepteerd);
}

// Applying a list in one step gives the tournament that adding the rows one by one gave.
TEST(TeamImport, ApplyingAListEqualsAddingItsRowsOneByOne)
{
    std::mt19937 kans(7);
    const QStringList stukken = {T("a"), T("B"), T("é"), T("É"), T("Poule A"), T(" "), T("1")};
    for (int ronde = 0; ronde < 50; ++ronde) {
        QString lijst = T("Team;Club;Poule\n");
        for (int r = 0; r < 30; ++r) {
            QString naam;
            for (int k = int(kans() % 3); k >= 0; --k)
                naam += stukken.at(qsizetype(kans() % stukken.size()));
            lijst += naam + T(";c;P") + QString::number(kans() % 4) + u'\n';
        }
        ToernooiModel inEen;
        (void)inEen.VoegTeamToe(T("b"));
        (void)inEen.VoegPouleToe(T("P1"));
        ToernooiModel eenVoorEen;
        (void)eenVoorEen.VoegTeamToe(T("b"));
        (void)eenVoorEen.VoegPouleToe(T("P1"));

        const TImportVoorbeeld voorbeeld = TeamImport::Voorbeeld(inEen, lijst);
        TeamImport::Pas(inEen, voorbeeld);
        // The teams one by one, then the new poules, then each poule's teams in file order.
        QList<std::pair<TTeamDetails*, QString>> geplaatst;
        for (const TImportRij& rij : voorbeeld.Rijen) {
            if (!rij.Geaccepteerd)
                continue;
            TTeamDetails* team = eenVoorEen.VoegTeamToe(rij.Team.TeamNaam).Nieuw;
            ASSERT_NE(team, nullptr);
            eenVoorEen.ZetTeamDetails(team, rij.Team);
            if (!rij.Poule.isEmpty())
                geplaatst.append({team, rij.Poule});
        }
        for (const QString& poule : voorbeeld.NieuwePoules)
            (void)eenVoorEen.VoegPouleToe(poule);
        for (const auto& [team, poule] : geplaatst) {
            const int index = eenVoorEen.PouleIndex(eenVoorEen.ZoekPoule(poule));
            QList<TTeamDetails*> lid{team};
            if (index >= 0)
                eenVoorEen.ZetTeamsInPoule(index, lid);
        }
        EXPECT_EQ(ImportControle::Teams(inEen), ImportControle::Teams(eenVoorEen));
        EXPECT_EQ(inEen.PouleLijst().size(), eenVoorEen.PouleLijst().size());
    }
}

TEST(TeamImport, PreviewRefusesExistingEmptyAndDuplicateNames)
{
    ToernooiModel model;
    model.VoegTeamToe(T("Rood"));
    model.ZetGewijzigd(false);
    const QByteArray csv = "\xEF\xBB\xBF" " team ; CLUB;Postcode;Plaats;Begeleider Telefoon;Onbekend\r\n"
                           "ROOD;x;;;;\r\n"
                           ";Club zonder team;;;;\r\n"
                           "Caf\xC3\xA9;;1234 AB;Ons Dorp;06-1;?\r\n"
                           "caf\xC3\xA9;;;;;\r\n";
    const TImportVoorbeeld v = TeamImport::Voorbeeld(model, QByteArrayView(csv));
    ASSERT_TRUE(v.Fout.isEmpty());
    ASSERT_EQ(v.Rijen.size(), 4);
    EXPECT_EQ(v.Rijen[0].Reden, T("Team naam bestaat al."));
    EXPECT_EQ(v.Rijen[1].Reden, T("Geen teamnaam."));
    EXPECT_TRUE(v.Rijen[2].Geaccepteerd);
    EXPECT_EQ(v.Rijen[2].Team.ClubNaam, T("Café"));
    EXPECT_EQ(v.Rijen[2].Team.ClubPostcodePlaats, T("1234 AB Ons Dorp"));
    EXPECT_EQ(v.Rijen[2].Team.BegeleiderTelefoon, T("06-1"));
    EXPECT_EQ(v.Rijen[3].Reden, T("Dit team staat al op regel 4."));
    EXPECT_EQ(v.AantalGeaccepteerd(), 1);
    EXPECT_FALSE(model.Gewijzigd());

    const TImportVoorbeeld zonderTeam = TeamImport::Voorbeeld(model, T("Naam;Club\nx;y\n"));
    EXPECT_EQ(zonderTeam.FoutRegel, 1);
    EXPECT_FALSE(zonderTeam.Fout.isEmpty());
}

TEST(TeamImport, ApplyCreatesMissingPoulesAfterExistingOnesInFileOrder)
{
    ToernooiModel model;
    ToernooiHulp::Poule(model, T("A"));
    TTeamDetails* oud = ToernooiHulp::Team(model, T("Oud"));
    ToernooiHulp::ZetInPoule(model, 0, {oud});
    model.ZetGewijzigd(false);

    // Pasted from a spreadsheet: TAB separated, Windows-1252.
    const QByteArray rijen = "Team\tPoule\tClub\n"
                             "Z\xEBta\tC\t\n"
                             "Beta\tA\tClub B\n"
                             "Gamma\tOud\t\n"   // a poule named like a team in the tree
                             "Delta\tB\t\n"
                             "Eps\tC\t\n"
                             "Vrij\t\t\n";
    const TImportVoorbeeld v = TeamImport::Voorbeeld(model, QByteArrayView(rijen));
    ASSERT_TRUE(v.Fout.isEmpty());
    EXPECT_EQ(v.NieuwePoules, QStringList({T("C"), T("B")}));
    EXPECT_TRUE(v.Rijen[2].Geaccepteerd);
    EXPECT_TRUE(v.Rijen[2].Reden.startsWith(T("Poule naam bestaat al.")));

    TeamImport::Pas(model, v);
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_EQ(model.KruisPouleLijst(), QStringList({T("Geen"), T("A"), T("C"), T("B")}));
    EXPECT_EQ(PouleTeams(model, 0), QStringList({T("Oud"), T("Beta")}));
    EXPECT_EQ(PouleTeams(model, 1), QStringList({T("Zëta"), T("Eps")}));
    EXPECT_EQ(PouleTeams(model, 2), QStringList({T("Delta")}));
    // Sorted: Beta, Delta, Eps, Gamma, Oud, Vrij, Zëta.
    EXPECT_EQ(model.TeamsInPoule(),
              QStringList({T("A"), T("B"), T("C"), T(""), T("A"), T(""), T("C")}));
    EXPECT_EQ(model.PouleLijst()[0]->Teams[1]->ClubNaam, T("Club B"));
}

// Poule names are matched ignoring letter case, as team names are: the list's "poule a"
// is the tournament's "Poule A", and a new poule written twice in two spellings is one poule.
TEST(TeamImport, PouleNamesMatchIgnoringLetterCase)
{
    ToernooiModel model;
    ToernooiHulp::Poule(model, T("Poule A"));
    const QByteArray rijen = "Team;Poule\n"
                             "Een;poule a\n"
                             "Twee;POULE A\n"
                             "Drie;Poule Ä\n"
                             "Vier;Nieuw B\n"
                             "Vijf;nieuw b\n"
                             "Zes;Poule A\n";
    const TImportVoorbeeld v = TeamImport::Voorbeeld(model, QByteArrayView(rijen));
    ASSERT_TRUE(v.Fout.isEmpty());
    EXPECT_EQ(v.NieuwePoules, QStringList({T("Poule Ä"), T("Nieuw B")}));
    QStringList poules;
    for (const TImportRij& rij : v.Rijen) {
        EXPECT_TRUE(rij.Geaccepteerd);
        EXPECT_TRUE(rij.Reden.isEmpty()) << qPrintable(rij.Reden);
        poules.append(rij.Poule);
    }
    EXPECT_EQ(poules, QStringList({T("Poule A"), T("Poule A"), T("Poule Ä"), T("Nieuw B"),
                                   T("Nieuw B"), T("Poule A")}));

    TeamImport::Pas(model, v);
    EXPECT_EQ(model.KruisPouleLijst(), QStringList({T("Geen"), T("Poule A"), T("Poule Ä"), T("Nieuw B")}));
    EXPECT_EQ(PouleTeams(model, 0), QStringList({T("Een"), T("Twee"), T("Zes")}));
    EXPECT_EQ(PouleTeams(model, 1), QStringList({T("Drie")}));
    EXPECT_EQ(PouleTeams(model, 2), QStringList({T("Vier"), T("Vijf")}));
}
