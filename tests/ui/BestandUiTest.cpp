#include "UiHulp.h"
#include "indeling/TeamDetailsTab.h"
#include "programma/Hulpbronnen.h"
#include "programma/TAbout.h"
#include "programma/TProgramma.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace UiHulp;

// Start-up and the file commands of the menu "&Bestanden" through the whole program.
class BestandUiTest : public QObject
{
    Q_OBJECT

private:
    static QString Voorbeeld() { return QStringLiteral(RONDOPLAN_VOORBEELD); }

private slots:
    void TheArgumentsNameOneFileThatLoadsBeforeTheStartWindow()
    {
        QTemporaryDir map;
        const QString pad = map.filePath(T("Zomer toernooi 2025.trn"));
        QVERIFY(QFile::copy(Voorbeeld(), pad));
        const QStringList delen = pad.split(u' ');

        ScriptVraagsteller vraagsteller;
        TProgramma programma(&vraagsteller);
        programma.Start(delen);
        TForm1& form = programma.Form1();
        QVERIFY(programma.About().isVisible());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Model().PouleLijst().size(), std::size_t(4));
        QCOMPARE(form.Model().TeamLijst().size(), std::size_t(18));
        QVERIFY(!form.Model().Gewijzigd());
        QVERIFY(vraagsteller.Gesteld.isEmpty());

        // "Start" opens the main window, whose caption carries the loaded name.
        QTest::keyClick(&programma.About(), Qt::Key_Return);
        QVERIFY(form.isVisible());
        QCOMPARE(form.windowTitle(), T("Rondoplan (Jeugdtoernooi De Sprinters)"));
        // The first team and the first poule are shown.
        QCOMPARE(form.findChild<QLineEdit*>(T("TeamNaam"))->text(), T("FC Oosterpark E1"));
        QCOMPARE(form.findChild<QLineEdit*>(T("PouleNaam"))->text(), T("E-pupillen A"));
        QCOMPARE(TeamsInBoom(form, 0).size(), 5);
        QCOMPARE(form.Poules()->title(), T("Poule indeling (4 Poules, 18 teams ingedeeld)"));
    }

    void AFileNamedAfterTheProgramOrUnreadableLeavesAnEmptyTournament()
    {
        ScriptVraagsteller vraagsteller;
        TProgramma programma(&vraagsteller);
        programma.Start({T("/usr/lib/RONDOPLAN.exe")});
        QVERIFY(vraagsteller.Gesteld.isEmpty());

        ScriptVraagsteller vraagsteller2;
        TProgramma programma2(&vraagsteller2);
        programma2.Start({T("/bestaat"), T("niet.trn")});
        QCOMPARE(vraagsteller2.Gesteld.size(), 1);
        QCOMPARE(vraagsteller2.Gesteld.at(0).Titel, T("Fout"));
        QVERIFY(vraagsteller2.Gesteld.at(0).Tekst.contains(T("/bestaat niet.trn")));
        QVERIFY(programma2.Form1().Model().PouleLijst().empty());
        QVERIFY(programma2.About().isVisible());
    }

    void SavingWritesWhatTheTabsShowAndOpnieuwKeepsTheSettings()
    {
        QTemporaryDir map;
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        form.LaadStartBestand(Voorbeeld());
        QTest::keyClicks(form.findChild<QLineEdit*>(T("ClubFax")), T("071-999"));
        QVERIFY(form.Model().Gewijzigd());

        const QString pad = map.filePath(T("kopie.trn"));
        vraagsteller.Bestanden = {pad};
        form.findChild<QAction*>(T("Opslaan1"))->trigger();
        QVERIFY(!form.Model().Gewijzigd());
        QFile bestand(pad);
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        QVERIFY(bestand.readAll().contains("ClubFax=071-999\r\n"));

        form.findChild<QAction*>(T("Opnieuw1"))->trigger();
        QVERIFY(form.Model().PouleLijst().empty());
        QVERIFY(form.findChild<QLineEdit*>(T("ClubFax"))->text().isEmpty());
        QCOMPARE(form.Teams()->title(), T("0 Teams"));
        QCOMPARE(form.Poules()->title(), T("Poule indeling (0 Poules, 0 teams ingedeeld)"));
        QCOMPARE(form.Model().GewoneVelden(), 4);
        QCOMPARE(form.windowTitle(), T("Rondoplan (Jeugdtoernooi De Sprinters)"));
        QVERIFY(!form.Model().Gewijzigd());
        QVERIFY(vraagsteller.Onverwacht.isEmpty());
    }

    void LeavingWithChangesAsksToSave()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        QSignalSpy einde(&form, &TForm1::afgesloten);
        form.show();
        VoegTeamsToe(form, vraagsteller, {T("Ajax")});
        // Yes, then the save dialog cancelled: the program stays with the changes.
        vraagsteller.Keuzes = {TAntwoord::Ja};
        form.findChild<QAction*>(T("Afsluiten1"))->trigger();
        QCOMPARE(vraagsteller.Gesteld.last().Titel, T("Wijzigingen!"));
        QCOMPARE(vraagsteller.Onverwacht, QStringList{T("KiesOpTeSlaanBestand")});
        QCOMPARE(einde.count(), 0);
        QVERIFY(form.isVisible());
        QVERIFY(form.Model().Gewijzigd());
        // No: the program ends.
        vraagsteller.Keuzes = {TAntwoord::Nee};
        form.findChild<QAction*>(T("Afsluiten1"))->trigger();
        QCOMPARE(einde.count(), 1);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(BestandUiTest)
#include "BestandUiTest.moc"
