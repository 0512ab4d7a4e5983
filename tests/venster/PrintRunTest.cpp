#include "HuidigePrinter.h"
#include "PrintRun.h"
#include "QtAfdrukken.h"
#include "SchemaTestHulp.h"
#include "TPrintSetup.h"
#include "TWedstrijdSchema.h"
#include "VensterVraagsteller.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

struct PrintRunTest : ::testing::Test
{
    PrintRunTest()
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}, {"B", TeamReeks(5, 7)}});
        model.ZetToernooiNaam(T("Zomer"));
        EXPECT_TRUE(TSchemaBouwer(model).BouwSchema(boom).Gelukt);
    }

    // Fills in the dialog once it shows, then presses the named button.
    void Beantwoord(const std::function<void(TPrintSetup&)>& invullen, const char* knop)
    {
        QTimer::singleShot(0, [invullen, knop] {
            auto* dialoog = qobject_cast<TPrintSetup*>(QApplication::activeModalWidget());
            ASSERT_NE(dialoog, nullptr);
            auto* lijst = dialoog->findChild<QComboBox*>(QStringLiteral("PrinterLijst"));
            lijst->setCurrentIndex(lijst->findText(TPrintSetup::PdfBestand));
            emit lijst->activated(lijst->currentIndex());
            invullen(*dialoog);
            dialoog->findChild<QPushButton*>(QString::fromUtf8(knop))->click();
        });
    }

    static void Vink(TPrintSetup& dialoog, const char* naam, bool aan)
    {
        dialoog.findChild<QCheckBox*>(QString::fromUtf8(naam))->setChecked(aan);
    }

    QStringList Bestanden() const
    {
        return QDir(map.path()).entryList(QDir::Files, QDir::Name);
    }

    ToernooiModel model;
    TSchemaBoom boom;
    HuidigePrinter printer;
    VensterVraagsteller vragen;
    TWedstrijdSchema venster{model, boom, printer, vragen};
    TPrintSetup dialoog{model, printer};
    PrintRun run{model, boom, printer, dialoog, venster, vragen};
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
