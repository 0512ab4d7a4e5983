#include "core/uitslag/TWedstrijdDag.h"
#include "hulp/SchemaDocument.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/uitwisseling/ExportBediening.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

struct Export : ::testing::Test, SchemaDocument
{
    Export()
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}, {"B", {T("A 2"), T("T6"), T("T7")}}});
        model.ZetToernooiNaam(T("Zomer: finale"));
        model.ZetStartDatum(T("14-06-2026"));
        Bouw();
        model.ZetGewijzigd(false);
        venster.ToonNieuwSchema();
    }

    QAction* Item(const char* naam) { return venster.findChild<QAction*>(QString::fromLatin1(naam)); }
    QString Status() const { return venster.findChild<QStatusBar*>(T("StatusBar1"))->currentMessage(); }
    QString Pad(const char* naam) const { return map.filePath(QString::fromUtf8(naam)); }
    static QByteArray Inhoud(const QString& pad)
    {
        QFile bestand(pad);
        return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
    }

    QTemporaryDir map;
    HuidigePrinter printer;
    VensterVraagsteller vragen;
    TWedstrijdSchema venster{document, printer, vragen,
                             [] { return QDateTime(QDate(2026, 6, 1), QTime(9, 0)); }};
};

} // namespace

TEST_F(Export, EveryKindWritesItsFileUnderANameFromTheTournament)
{
    vragen.Bestand(Pad("lijst.csv")).Bestand(Pad("pagina")).Bestand(Pad("agenda.ics"));
    // Each export says in the status bar where it wrote.
    EXPECT_TRUE(Status().isEmpty());
    Item("ExportCsv1")->trigger();
    EXPECT_EQ(Status(), T("Geschreven: ") + QDir::toNativeSeparators(Pad("lijst.csv")));
    Item("ExportHtml1")->trigger();
    EXPECT_EQ(Status(), T("Geschreven: ") + QDir::toNativeSeparators(Pad("pagina.html")));
    Item("ExportAgenda1")->trigger();
    EXPECT_EQ(Status(), T("Geschreven: ") + QDir::toNativeSeparators(Pad("agenda.ics")));
    ASSERT_EQ(vragen.Soorten(), (QStringList{T("Opslaan"), T("Opslaan"), T("Opslaan")}));
    // The colon a file system refuses is replaced.
    EXPECT_EQ(vragen.Gevraagd.at(0).Extra, T("Zomer_ finale.csv"));
    EXPECT_EQ(vragen.Gevraagd.at(1).Extra, T("Zomer_ finale.html"));
    EXPECT_EQ(vragen.Gevraagd.at(2).Extra, T("Zomer_ finale.ics"));
    EXPECT_TRUE(vragen.Gevraagd.at(0).Tekst.contains(T("*.csv")));

    EXPECT_TRUE(Inhoud(Pad("lijst.csv")).startsWith("\xEF\xBB\xBF"));
    // A name typed without extension gets the one of its kind.
    EXPECT_TRUE(QFile::exists(Pad("pagina.html")));
    EXPECT_TRUE(Inhoud(Pad("agenda.ics")).startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
}

TEST_F(Export, TheSpreadsheetCarriesTheScoresOfTheMatchDayItIsGiven)
{
    TWedstrijdDag dag(model, boom);
    dag.ZetUitslag(0, TUitslag{1, 3, 1, 0, {}});
    venster.Export().ZetDagBron([&dag] { return &dag; });
    vragen.Bestand(Pad("uitslagen.csv"));
    Item("ExportCsv1")->trigger();
    // Plain numbers in Thuis and Uit, which a spreadsheet cannot take for a date.
    EXPECT_TRUE(Inhoud(Pad("uitslagen.csv")).contains(";3;1;\r\n"));
}

TEST_F(Export, TheTeamCalendarWaitsForAHighlightedTeamAndHoldsOnlyItsMatches)
{
    QAction* teamAgenda = Item("ExportTeamAgenda1");
    EXPECT_FALSE(teamAgenda->isEnabled());
    teamAgenda->trigger();
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());

    auto* vetTeam = venster.findChild<QComboBox*>(QStringLiteral("VetTeam"));
    vetTeam->setCurrentIndex(vetTeam->findText(T("T6")));
    EXPECT_TRUE(teamAgenda->isEnabled());
    vragen.Bestand(Pad("t6.ics"));
    teamAgenda->trigger();
    EXPECT_EQ(vragen.Gevraagd.last().Extra, T("Zomer_ finale - T6.ics"));
    const QByteArray ics = Inhoud(Pad("t6.ics"));
    // Poule B plays three matches; T6 is in two of them.
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 2);
    EXPECT_FALSE(ics.contains("A 2 x T7") || ics.contains("T7 x A 2"));
}

TEST_F(Export, AnUnreadableStartDateIsAskedForThisFileOnly)
{
    model.ZetStartDatum(T("zaterdag"));
    model.ZetGewijzigd(false);
    Item("ExportAgenda1")->trigger();
    // Cancelled: no file dialog, no message.
    EXPECT_EQ(vragen.Soorten(), QStringList{T("Datum")});

    vragen.Datums.append(QDate(2026, 6, 20));
    vragen.Bestand(Pad("agenda.ics"));
    Item("ExportAgenda1")->trigger();
    EXPECT_TRUE(Inhoud(Pad("agenda.ics")).contains("DTSTART:20260620T"));
    EXPECT_EQ(model.StartDatum(), T("zaterdag"));
    EXPECT_FALSE(model.Gewijzigd());
}

TEST_F(Export, AFileThatCannotBeWrittenIsReportedByName)
{
    const QString pad = Pad("geen/map/lijst.csv");
    vragen.Bestand(pad);
    Item("ExportCsv1")->trigger();
    ASSERT_EQ(vragen.Berichten().size(), 1);
    EXPECT_TRUE(vragen.Berichten().first().Tekst.contains(pad));
    EXPECT_TRUE(Status().isEmpty());

    // An existing file is kept unless the organiser agrees to overwrite it.
    QFile bestaand(Pad("oud.csv"));
    ASSERT_TRUE(bestaand.open(QIODevice::WriteOnly));
    bestaand.write("oud");
    bestaand.close();
    vragen.Bestand(Pad("oud.csv")).Nee();
    Item("ExportCsv1")->trigger();
    EXPECT_EQ(Inhoud(Pad("oud.csv")), QByteArray("oud"));
    EXPECT_TRUE(Status().isEmpty());
}

TEST_F(Export, NoExportReplacesTheOpenTournament)
{
    QFile toernooi(Pad("zomer.trn"));
    ASSERT_TRUE(toernooi.open(QIODevice::WriteOnly));
    toernooi.write("toernooi");
    toernooi.close();
    ASSERT_TRUE(QFile::link(Pad("zomer.trn"), Pad("koppeling.csv")));
    document.OnthoudPad(Pad("zomer.trn"));
    vragen.Bestand(Pad("zomer.trn")).Bestand(Pad("koppeling.csv"));
    Item("ExportCsv1")->trigger();
    Item("ExportHtml1")->trigger();
    ASSERT_EQ(vragen.Berichten().size(), 2);
    for (const auto& bericht : vragen.Berichten())
        EXPECT_TRUE(bericht.Tekst.contains(T("het toernooibestand zelf"))) << bericht.Tekst.toStdString();
    EXPECT_EQ(Inhoud(Pad("zomer.trn")), QByteArray("toernooi"));
    EXPECT_TRUE(Status().isEmpty());
}
