#include "hulp/ModaalVenster.h"
#include "hulp/PdfHulp.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/SchemaDocument.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/PrintRun.h"
#include "ui/afdruk/TPdfInstellingen.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/afdruk/TVoorbeeldVenster.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

struct PrintRunTest : ::testing::Test, SchemaDocument
{
    PrintRunTest()
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}, {"B", TeamReeks(5, 7)}});
        model.ZetToernooiNaam(T("Zomer"));
        Bouw();
    }

    // Fills in the dialog once it shows, then presses the named button.
    void Beantwoord(const std::function<void(TPrintSetup&)>& invullen, const char* knop)
    {
        ModaalVenster::Beantwoord<TPrintSetup>([invullen, knop](TPrintSetup& dialoog) {
            auto* lijst = dialoog.findChild<QComboBox*>(QStringLiteral("PrinterLijst"));
            lijst->setCurrentIndex(lijst->findText(TPrintSetup::PdfBestand));
            emit lijst->activated(lijst->currentIndex());
            invullen(dialoog);
            dialoog.findChild<QPushButton*>(QString::fromUtf8(knop))->click();
        });
    }

    static void Vink(TPrintSetup& dialoog, const char* naam, bool aan)
    {
        dialoog.findChild<QCheckBox*>(QString::fromUtf8(naam))->setChecked(aan);
    }

    // Opens the PDF settings with a click on "Instellingen"; papier runs in that dialog.
    static void PdfInstellingen(TPrintSetup& dialoog, const std::function<void(TPdfInstellingen&)>& papier)
    {
        ModaalVenster::Beantwoord<TPdfInstellingen>(papier);
        QTest::mouseClick(dialoog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    }

    // The number of pages of a written PDF.
    static int Paginas(const QString& pad)
    {
        QFile bestand(pad);
        EXPECT_TRUE(bestand.open(QIODevice::ReadOnly)) << pad.toStdString();
        return int(QString::fromLatin1(bestand.readAll())
                       .count(QRegularExpression(QStringLiteral(R"(/Type\s*/Page\b)"))));
    }

    QStringList Bestanden() const
    {
        return QDir(map.path()).entryList(QDir::Files, QDir::Name);
    }

    HuidigePrinter printer;
    VensterVraagsteller vragen;
    TWedstrijdSchema venster{document, printer, vragen};
    TPrintSetup dialoog{model, printer};
    PrintRun run{document, printer, dialoog, venster, vragen};
    QTemporaryDir map;
};

} // namespace

TEST_F(PrintRunTest, EveryChosenPrintoutBecomesAPdfNamedAfterItsJob)
{
    vragen.Mappen.append(map.path());
    Beantwoord(
        [](TPrintSetup& d) {
            Vink(d, "Poules", true);
            Vink(d, "PerTeam", true);
            Vink(d, "scheidsrechterbriefjes", true);
            auto* teams = d.findChild<QListWidget*>(QStringLiteral("TeamLijst"));
            teams->item(3)->setSelected(true);
            teams->item(1)->setSelected(true);
        },
        "Button2");
    EXPECT_EQ(run.Print1Click(), 5);
    EXPECT_EQ(Bestanden(), (QStringList{T("Rondoplan. Poules. Zomer.pdf"),
                                        T("Rondoplan. Scheidsrechterbriefjes. Zomer.pdf"),
                                        T("Rondoplan. Schema. Zomer.pdf"),
                                        T("Rondoplan. Team T2. Zomer.pdf"), T("Rondoplan. Team T4. Zomer.pdf")}));
    EXPECT_TRUE(venster.isVisible());
    // The folder is asked once for the whole run.
    EXPECT_EQ(vragen.Soorten().count(T("Map")), 1);
}

TEST_F(PrintRunTest, NothingTickedOrCancelledPrintsNothingButRefillsTheView)
{
    Beantwoord([](TPrintSetup& d) { Vink(d, "VolSchema", false); }, "Button2");
    EXPECT_EQ(run.Print1Click(), 0);
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());
    EXPECT_TRUE(venster.isVisible());

    Beantwoord([](TPrintSetup& d) { Vink(d, "VolSchema", true); }, "Button3");
    EXPECT_EQ(run.Print1Click(), 0);
    EXPECT_TRUE(Bestanden().isEmpty());
}

TEST_F(PrintRunTest, NoFolderChosenSaysSoAndPrintsNothing)
{
    Beantwoord([](TPrintSetup&) {}, "Button2");
    EXPECT_EQ(run.Print1Click(), 0);
    ASSERT_EQ(vragen.Soorten(), (QStringList{T("Map"), T("Melding")}));
    EXPECT_EQ(vragen.Gevraagd.last().Titel, T("Fout"));
}

TEST_F(PrintRunTest, AnUnwritableFolderIsReportedNotCountedAsPrinted)
{
    vragen.Mappen.append(map.filePath(QStringLiteral("bestaat/niet")));
    Beantwoord([](TPrintSetup&) {}, "Button2");
    EXPECT_EQ(run.Print1Click(), 0);
    EXPECT_EQ(vragen.Soorten().last(), T("Melding"));
    EXPECT_TRUE(vragen.Gevraagd.last().Tekst.contains(T("bestaat/niet")));
}

TEST_F(PrintRunTest, PdfSettingsChooseThePaperOfFilesAndViewUntilChangedEscapeKeepsIt)
{
    venster.ShowSchedule();
    const int a4Regels = venster.Maten().LinesPerPage;
    vragen.Mappen.append(map.path());
    Beantwoord(
        [](TPrintSetup& d) {
            PdfInstellingen(d, [](TPdfInstellingen& p) {
                auto* formaat = p.findChild<QComboBox*>(QStringLiteral("Papier"));
                EXPECT_EQ(formaat->currentText(), T("A4"));
                QTest::keyClick(formaat, Qt::Key_Down);
                QTest::keyClick(formaat, Qt::Key_Down);
                QTest::mouseClick(p.findChild<QRadioButton*>(QStringLiteral("Liggend")), Qt::LeftButton);
                QTest::keyClick(&p, Qt::Key_Return);
            });
            // Escape leaves the paper as it was.
            PdfInstellingen(d, [](TPdfInstellingen& p) {
                auto* formaat = p.findChild<QComboBox*>(QStringLiteral("Papier"));
                EXPECT_EQ(formaat->currentText(), T("A5"));
                EXPECT_TRUE(p.findChild<QRadioButton*>(QStringLiteral("Liggend"))->isChecked());
                QTest::keyClick(formaat, Qt::Key_Up);
                QTest::keyClick(&p, Qt::Key_Escape);
            });
        },
        "Button2");
    EXPECT_EQ(run.Print1Click(), 1);
    EXPECT_EQ(printer.Papier(), (PdfPapier{QPageSize::A5, true}));
    EXPECT_EQ(PdfHulp::MediaBox(map.filePath(T("Rondoplan. Schema. Zomer.pdf"))), T("595 x 420"));
    // The view pages on the same paper: A5 across holds fewer rows than A4 upright.
    EXPECT_EQ(printer.Printer().pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_LT(venster.Maten().LinesPerPage, a4Regels);

    // The choice outlives a switch to another printer and back.
    printer.KiesPdf();
    EXPECT_EQ(printer.Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintRunTest, PreviewShowsTheChosenPrintoutsAsTheyWouldBePrintedAndPrintsNothing)
{
    VoegPoulesToe(model, {{"C", TeamReeks(8, 13)}});
    Bouw();
    printer.ZetPapier({QPageSize::A5, true});
    int getoond = -1;
    Beantwoord(
        [&getoond](TPrintSetup& d) {
            Vink(d, "Poules", true);
            Vink(d, "scheidsrechterbriefjes", true);
            ModaalVenster::Beantwoord<TVoorbeeldVenster>([&getoond](TVoorbeeldVenster& voorbeeld) {
                getoond = voorbeeld.AantalPaginas();
                QTest::keyClick(&voorbeeld, Qt::Key_Escape);
            });
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Afdrukvoorbeeld")), Qt::LeftButton);
            // Back in the print dialog, which is then left with "Annuleren".
            EXPECT_EQ(QApplication::activeModalWidget(), &d);
        },
        "Button3");
    EXPECT_EQ(run.Print1Click(), 0);
    EXPECT_TRUE(vragen.Gevraagd.isEmpty());
    EXPECT_TRUE(Bestanden().isEmpty());

    // The same choices printed: the preview showed every page of the three files.
    vragen.Mappen.append(map.path());
    Beantwoord([](TPrintSetup&) {}, "Button2");
    ASSERT_EQ(run.Print1Click(), 3);
    int gedrukt = 0;
    for (const QString& naam : Bestanden())
        gedrukt += Paginas(map.filePath(naam));
    EXPECT_GT(gedrukt, 3);
    EXPECT_EQ(getoond, gedrukt);
}

TEST(PrintSetupTest, TeamSelectionIsRenewedChecksStay)
{
    ToernooiModel model;
    model.VoegTeamToe(T("X"));
    HuidigePrinter printer;
    TPrintSetup dialoog(model, printer);
    dialoog.FormShow();
    auto* teams = dialoog.findChild<QListWidget*>(QStringLiteral("TeamLijst"));
    teams->item(0)->setSelected(true);
    dialoog.findChild<QCheckBox*>(QStringLiteral("Poules"))->setChecked(true);
    model.VoegTeamToe(T("W"));
    dialoog.FormShow();
    EXPECT_EQ(teams->count(), 2);
    EXPECT_EQ(teams->item(0)->text(), T("W"));
    EXPECT_TRUE(dialoog.Keuzes().GeselecteerdeTeams.isEmpty());
    EXPECT_TRUE(dialoog.Keuzes().Poules);
    EXPECT_TRUE(dialoog.Keuzes().VolSchema);
    auto* lijst = dialoog.findChild<QComboBox*>(QStringLiteral("PrinterLijst"));
    EXPECT_EQ(lijst->itemText(lijst->count() - 1), TPrintSetup::PdfBestand);
}
