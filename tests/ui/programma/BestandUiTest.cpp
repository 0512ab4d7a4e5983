#include "hulp/QtAfdrukken.h"
#include "hulp/UiHulp.h"
#include "ui/indeling/TeamDetailsTab.h"
#include "ui/programma/Hulpbronnen.h"
#include "ui/programma/TAbout.h"
#include "ui/programma/TProgramma.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace UiHulp;

namespace {

QString Voorbeeld() { return QStringLiteral(RONDOPLAN_VOORBEELD); }

} // namespace

// Start-up and the file commands of the menu "&Bestanden" through the whole program.
TEST(BestandUiTest, TheArgumentsNameOneFileThatLoadsBeforeTheStartWindow)
{
    QTemporaryDir map;
    const QString pad = map.filePath(T("Zomer toernooi 2025.trn"));
    ASSERT_TRUE(QFile::copy(Voorbeeld(), pad));
    const QStringList delen = pad.split(u' ');

    VensterVraagsteller vraagsteller;
    TProgramma programma(&vraagsteller);
    programma.Start(delen);
    TForm1& form = programma.Form1();
    ASSERT_TRUE(programma.About().isVisible());
    ASSERT_TRUE(!form.isVisible());
    ASSERT_EQ(form.Model().PouleLijst().size(), std::size_t(4));
    ASSERT_EQ(form.Model().TeamLijst().size(), std::size_t(18));
    ASSERT_TRUE(!form.Model().Gewijzigd());
    ASSERT_TRUE(vraagsteller.Berichten().isEmpty());

    // "Start" opens the main window, whose caption carries the loaded name.
    QTest::keyClick(&programma.About(), Qt::Key_Return);
    ASSERT_TRUE(form.isVisible());
    ASSERT_EQ(form.windowTitle(), T("Rondoplan (Jeugdtoernooi De Sprinters)"));
    // The first team and the first poule are shown.
    ASSERT_EQ(form.findChild<QLineEdit*>(T("TeamNaam"))->text(), T("FC Oosterpark E1"));
    ASSERT_EQ(form.findChild<QLineEdit*>(T("PouleNaam"))->text(), T("E-pupillen A"));
    ASSERT_EQ(TeamsInBoom(form, 0).size(), 5);
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (4 Poules, 18 teams ingedeeld)"));
}

TEST(BestandUiTest, AFileNamedAfterTheProgramOrUnreadableLeavesAnEmptyTournament)
{
    VensterVraagsteller vraagsteller;
    TProgramma programma(&vraagsteller);
    programma.Start({T("/usr/lib/RONDOPLAN.exe")});
    ASSERT_TRUE(vraagsteller.Berichten().isEmpty());

    VensterVraagsteller vraagsteller2;
    TProgramma programma2(&vraagsteller2);
    programma2.Start({T("/bestaat"), T("niet.trn")});
    ASSERT_EQ(vraagsteller2.Berichten().size(), 1);
    ASSERT_EQ(vraagsteller2.Berichten().at(0).Titel, T("Fout"));
    ASSERT_TRUE(vraagsteller2.Berichten().at(0).Tekst.contains(T("/bestaat niet.trn")));
    ASSERT_TRUE(programma2.Form1().Model().PouleLijst().empty());
    ASSERT_TRUE(programma2.About().isVisible());
}

TEST(BestandUiTest, SavingWritesWhatTheTabsShowAndOpnieuwKeepsTheSettings)
{
    QTemporaryDir map;
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.LaadStartBestand(Voorbeeld());
    QTest::keyClicks(form.findChild<QLineEdit*>(T("ClubFax")), T("071-999"));
    ASSERT_TRUE(form.Model().Gewijzigd());

    const QString pad = map.filePath(T("kopie.trn"));
    vraagsteller.Bestand(pad);
    form.findChild<QAction*>(T("Opslaan1"))->trigger();
    ASSERT_TRUE(!form.Model().Gewijzigd());
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    ASSERT_TRUE(bestand.readAll().contains("ClubFax=071-999\r\n"));

    form.findChild<QAction*>(T("Opnieuw1"))->trigger();
    ASSERT_TRUE(form.Model().PouleLijst().empty());
    ASSERT_TRUE(form.findChild<QLineEdit*>(T("ClubFax"))->text().isEmpty());
    ASSERT_EQ(form.Teams()->title(), T("0 Teams"));
    ASSERT_EQ(form.Poules()->title(), T("Poule indeling (0 Poules, 0 teams ingedeeld)"));
    ASSERT_EQ(form.Model().GewoneVelden(), 4);
    ASSERT_EQ(form.windowTitle(), T("Rondoplan (Jeugdtoernooi De Sprinters)"));
    ASSERT_TRUE(!form.Model().Gewijzigd());
    ASSERT_TRUE(vraagsteller.Fouten.isEmpty());
}

TEST(BestandUiTest, LeavingWithChangesAsksToSave)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    QSignalSpy einde(&form, &TForm1::afgesloten);
    form.show();
    VoegTeamsToe(form, vraagsteller, {T("Ajax")});
    // Yes, then the save dialog cancelled: the program stays with the changes.
    vraagsteller.Ja();
    form.findChild<QAction*>(T("Afsluiten1"))->trigger();
    ASSERT_EQ(vraagsteller.Berichten().last().Titel, T("Wijzigingen!"));
    ASSERT_EQ(vraagsteller.Fouten, QStringList{T("geen antwoord op Opslaan")});
    ASSERT_EQ(einde.count(), 0);
    ASSERT_TRUE(form.isVisible());
    ASSERT_TRUE(form.Model().Gewijzigd());
    // No: the program ends.
    vraagsteller.Nee();
    form.findChild<QAction*>(T("Afsluiten1"))->trigger();
    ASSERT_EQ(einde.count(), 1);
    ASSERT_TRUE(!form.isVisible());
}
