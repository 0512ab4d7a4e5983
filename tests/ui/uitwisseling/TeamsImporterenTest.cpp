#include "hulp/ModaalVenster.h"
#include "hulp/UiHulp.h"
#include "ui/uitwisseling/TTeamsImporteren.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using UiHulp::T;

namespace {

struct TeamsImporteren : ::testing::Test
{
    TeamsImporteren()
    {
        UiHulp::VoegPoulesToe(form, vragen, {T("A")});
        UiHulp::VoegTeamsToe(form, vragen, {T("Bestaand")});
        form.Model().ZetGewijzigd(false);
    }

    QString Uitkomst(const TTeamsImporteren& dialoog, int rij) const
    {
        return dialoog.Tabel()->item(rij, 4)->text();
    }

    VensterVraagsteller vragen;
    TForm1 form{vragen};
};

} // namespace

TEST_F(TeamsImporteren, ThePreviewShowsWhatIsAddedAndWhyARowIsRefusedAnnulerenKeepsAll)
{
    TTeamsImporteren dialoog(form.Model(), vragen, &form);
    EXPECT_FALSE(dialoog.Toevoegen()->isEnabled());
    // Rows pasted from a spreadsheet are separated by TABs.
    dialoog.ToonTekst(T("Team\tClub\tPoule\nRood 1\tRood\tA\nbestaand\t\tA\nBlauw 1\t\tC\n"));
    ASSERT_EQ(dialoog.Tabel()->rowCount(), 3);
    EXPECT_EQ(dialoog.Tabel()->item(0, 0)->text(), T("2"));
    EXPECT_EQ(dialoog.Tabel()->item(0, 2)->text(), T("Rood"));
    EXPECT_EQ(Uitkomst(dialoog, 0), T("Toegevoegd"));
    EXPECT_EQ(Uitkomst(dialoog, 1), T("Geweigerd: Team naam bestaat al."));
    EXPECT_EQ(dialoog.Samenvatting()->text(),
              T("2 teams worden toegevoegd, 1 geweigerd; nieuwe poule: C."));
    EXPECT_TRUE(dialoog.Toevoegen()->isEnabled());

    dialoog.Annuleren()->click();
    EXPECT_EQ(dialoog.result(), QDialog::Rejected);
    EXPECT_EQ(form.Model().TeamLijst().size(), 1U);
    EXPECT_EQ(form.Model().PouleLijst().size(), 1U);
    EXPECT_FALSE(form.Model().Gewijzigd());
}

TEST_F(TeamsImporteren, AWholeListErrorShowsItsLineAndLeavesNothingToAdd)
{
    TTeamsImporteren dialoog(form.Model(), vragen, &form);
    dialoog.ToonTekst(T("Team\nRood 1\n"));
    EXPECT_TRUE(dialoog.Toevoegen()->isEnabled());
    dialoog.ToonTekst(T("Naam;Club\nRood 1;Rood\n"));
    EXPECT_EQ(dialoog.Tabel()->rowCount(), 0);
    EXPECT_TRUE(dialoog.Samenvatting()->text().startsWith(T("Regel 1: ")));
    EXPECT_FALSE(dialoog.Toevoegen()->isEnabled());

    dialoog.ToonBestand(T("/bestaat/niet.csv"));
    EXPECT_TRUE(dialoog.Samenvatting()->text().contains(T("/bestaat/niet.csv")));
    EXPECT_FALSE(dialoog.Toevoegen()->isEnabled());
}

TEST_F(TeamsImporteren, TheMenuItemAddsTheAcceptedRowsInOneStepAndTheListsShowThem)
{
    QTemporaryDir map;
    const QString pad = map.filePath(T("teams.csv"));
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write("\xEF\xBB\xBFTeam;Poule\nRood 1;A\nBestaand;A\nBlauw 1;C\nBlauw 2;C\n");
    bestand.close();

    vragen.Bestand(pad);
    ModaalVenster::Beantwoord<TTeamsImporteren>([](TTeamsImporteren& dialoog) {
        dialoog.findChild<QPushButton*>(T("BestandKiezen"))->click();
        dialoog.Toevoegen()->click();
    });
    form.findChild<QAction*>(T("TeamsImporteren1"))->trigger();

    EXPECT_EQ(vragen.Gevraagd.last().Soort, T("Open"));
    EXPECT_TRUE(vragen.Gevraagd.last().Tekst.contains(T("*.csv")));
    EXPECT_EQ(form.Model().TeamLijst().size(), 4U);
    EXPECT_TRUE(form.Model().Gewijzigd());
    EXPECT_EQ(form.Poules()->PouleLijst()->topLevelItemCount(), 2);
    EXPECT_EQ(UiHulp::TeamsInBoom(form, 0), QStringList{T("Rood 1")});
    EXPECT_EQ(UiHulp::TeamsInBoom(form, 1), (QStringList{T("Blauw 1"), T("Blauw 2")}));
    EXPECT_EQ(form.Teams()->TeamLijst()->count(), 4);
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
}
