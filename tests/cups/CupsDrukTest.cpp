// Prints a tournament through the print run onto a real CUPS queue. Run by druk_via_cups.sh,
// which starts a private CUPS server, adds the queue and checks the PDFs that come out of it;
// the queue name and the tournament file come from the environment.
#include "core/bestand/ToernooiBestand.h"
#include "core/model/ToernooiModel.h"
#include "core/schema/TInvoerControle.h"
#include "core/schema/TSchemaBouwer.h"
#include "hulp/ModaalVenster.h"
#include "hulp/SchemaDocument.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/PrintRun.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QString Omgeving(const char* naam) { return qEnvironmentVariable(naam); }

struct CupsDrukTest : ::testing::Test, SchemaDocument
{
    void SetUp() override
    {
        wachtrij = Omgeving("RONDOPLAN_CUPS_WACHTRIJ");
        const QString bestand = Omgeving("RONDOPLAN_CUPS_TOERNOOI");
        if (wachtrij.isEmpty() || bestand.isEmpty())
            GTEST_SKIP() << "druk_via_cups.sh sets RONDOPLAN_CUPS_WACHTRIJ and RONDOPLAN_CUPS_TOERNOOI";
        ToernooiBestand lader(document, vragen);
        ASSERT_EQ(lader.Laden(bestand), TBestandUitkomst::Gelukt) << bestand.toStdString();
        ASSERT_TRUE(ControleerInvoer(model).MagBouwen());
        Bouw();
        vragen.Gevraagd.clear();
    }

    VensterVraagsteller vragen;
    QString wachtrij;
};

} // namespace

TEST_F(CupsDrukTest, EveryChosenPrintoutIsAJobOnTheQueueInOrder)
{
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(wachtrij))
        << "Qt does not see the queue; CUPS_SERVER=" << qgetenv("CUPS_SERVER").constData();

    HuidigePrinter printer;
    TWedstrijdSchema venster(document, printer, vragen);
    TPrintSetup dialoog(model, printer);
    PrintRun run(document, printer, dialoog, venster, vragen);
    venster.ShowSchedule();

    // The queue is picked in the dialog, every printout ticked, and two teams selected from
    // the bottom up: the team jobs must still follow the list order.
    bool beantwoord = false;
    ModaalVenster::Beantwoord<TPrintSetup>([&](TPrintSetup& open) {
        TPrintSetup* scherm = &open;
        auto* lijst = scherm->findChild<QComboBox*>(QStringLiteral("PrinterLijst"));
        const int plek = lijst->findText(wachtrij);
        EXPECT_GE(plek, 0);
        lijst->setCurrentIndex(plek);
        emit lijst->activated(plek);
        for (const char* vak : {"VolSchema", "Poules", "PerTeam", "scheidsrechterbriefjes"})
            scherm->findChild<QCheckBox*>(QString::fromUtf8(vak))->setChecked(true);
        auto* teams = scherm->findChild<QListWidget*>(QStringLiteral("TeamLijst"));
        const auto kies = [teams](const QString& naam) {
            const auto gevonden = teams->findItems(naam, Qt::MatchExactly);
            ASSERT_EQ(gevonden.size(), 1) << naam.toStdString();
            gevonden.first()->setSelected(true);
        };
        kies(QStringLiteral("Kampong E5"));
        kies(QStringLiteral("Blauw-Zwart E1"));
        beantwoord = true;
        scherm->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });

    const int gedrukt = run.Print1Click();
    ASSERT_TRUE(beantwoord);
    for (const auto& vraag : vragen.Gevraagd)
        ADD_FAILURE() << "unexpected " << vraag.Soort.toStdString() << ": " << vraag.Tekst.toStdString();
    EXPECT_EQ(gedrukt, 5);
    // The jobs went to the queue itself, not to a file.
    EXPECT_EQ(printer.Naam(), wachtrij);
    EXPECT_EQ(printer.Printer().outputFormat(), QPrinter::NativeFormat);
}
