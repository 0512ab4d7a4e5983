#include "core/model/ToernooiModel.h"
#include "hulp/PdfHulp.h"
#include "hulp/Tekst.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/afdruk/TPrintSetup.h"
#include "ui/indeling/DetailsBediening.h"
#include "ui/indeling/PouleDetailsTab.h"
#include "ui/indeling/PouleGroep.h"
#include "ui/indeling/PouleLijstBoom.h"
#include "ui/instellingen/WedstrijdDetailsTab.h"
#include "ui/kwaliteit/KwaliteitModel.h"
#include "ui/kwaliteit/TKwaliteitVenster.h"
#include "ui/programma/TForm1.h"
#include "ui/programma/TProgramma.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Waarde(const QWidget& venster, const char* naam)
{
    const auto* label = venster.findChild<QLabel*>(QString::fromUtf8(naam));
    return label ? label->text() : T("(geen)");
}

void KlikKop(QTableView& tabel, int kolom)
{
    QHeaderView* kop = tabel.horizontalHeader();
    const QPoint midden(kop->sectionViewportPosition(kolom) + kop->sectionSize(kolom) / 2, kop->height() / 2);
    QTest::mouseClick(kop->viewport(), Qt::LeftButton, {}, midden);
}

// The column's numbers from top to bottom as the table shows them.
QList<int> Kolom(const QTableView& tabel, int kolom)
{
    QList<int> waarden;
    for (int rij = 0; rij < tabel.model()->rowCount(); ++rij)
        waarden.append(tabel.model()->index(rij, kolom).data().toInt());
    return waarden;
}
} // namespace

// The example tournament: the schedule uses exactly the rounds the lower bound allows; the
// report shows it, sorts by a clicked column, marks the worst and prints as its own PDF.
TEST(KwaliteitVenster, ShowsSortsAndPrintsTheExamplesQuality)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({QStringLiteral(RONDOPLAN_VOORBEELD)});
    TForm1& hoofd = programma.Form1();
    hoofd.show();
    hoofd.WedstrijdTab()->Button1()->click();
    TWedstrijdSchema& schema = programma.WedstrijdSchema();
    ASSERT_TRUE(schema.isVisible());

    TKwaliteitVenster& venster = programma.Kwaliteit();
    auto* bron = qobject_cast<QSortFilterProxyModel*>(venster.Tabel()->model());
    ASSERT_TRUE(bron);
    QAbstractItemModelTester tester(bron->sourceModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    schema.findChild<QAction*>(T("Kwaliteit1"))->trigger();
    ASSERT_TRUE(venster.isVisible());
    EXPECT_EQ(venster.windowTitle(), T("Kwaliteit van het schema"));
    EXPECT_EQ(Waarde(venster, "Rondes"), T("12"));
    EXPECT_EQ(Waarde(venster, "Ondergrens"), T("12 ronden (verschil 0)"));
    EXPECT_TRUE(Waarde(venster, "Einde").startsWith(T("dag 1 om "))) << Waarde(venster, "Einde").toStdString();
    const int drieOpRij = venster.Kwaliteit().TeamsDrieOpRij();
    EXPECT_GE(drieOpRij, 3);
    EXPECT_EQ(Waarde(venster, "DrieOpRij"), QString::number(drieOpRij));

    QTableView& tabel = *venster.Tabel();
    ASSERT_EQ(tabel.model()->rowCount(), int(venster.Kwaliteit().Teams.size()));
    const int reeks = 7; // the longest run
    ASSERT_EQ(tabel.model()->headerData(reeks, Qt::Horizontal).toString(), T("Reeks"));
    KlikKop(tabel, reeks);
    QList<int> waarden = Kolom(tabel, reeks);
    const bool oplopend = tabel.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_TRUE(std::is_sorted(waarden.begin(), waarden.end(),
                               [oplopend](int a, int b) { return oplopend ? a < b : a > b; }));
    KlikKop(tabel, reeks);
    waarden = Kolom(tabel, reeks);
    EXPECT_TRUE(std::is_sorted(waarden.begin(), waarden.end(),
                               [oplopend](int a, int b) { return oplopend ? a > b : a < b; }));
    // The longest run is marked wherever it stands.
    const int langste = *std::max_element(waarden.begin(), waarden.end());
    const QModelIndex bovenaan = tabel.model()->index(oplopend ? 0 : tabel.model()->rowCount() - 1, reeks);
    EXPECT_EQ(bovenaan.data().toInt(), langste);
    EXPECT_TRUE(bovenaan.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(bovenaan.data(Qt::BackgroundRole).isValid());

    // Printed as "PDF-bestand": one file named after its own print job, on the PDF paper.
    QTemporaryDir map;
    programma.Printer().ZetPapier({QPageSize::A5, true});
    auto* printers = programma.PrintSetup().findChild<QComboBox*>(T("PrinterLijst"));
    programma.PrintSetup().FormShow();
    printers->setCurrentIndex(printers->findText(TPrintSetup::PdfBestand));
    ASSERT_TRUE(programma.PrintSetup().PdfGekozen());
    vragen.Mappen = {map.path()};
    venster.findChild<QPushButton*>(T("Printen"))->click();
    const QFileInfo pdf(QDir(map.path()).filePath(T("Rondoplan. Kwaliteit. Jeugdtoernooi De Sprinters.pdf")));
    EXPECT_TRUE(pdf.exists() && pdf.size() > 0) << QDir(map.path()).entryList().join(u',').toStdString();
    EXPECT_EQ(PdfHulp::MediaBox(pdf.filePath()), T("595 x 420"));
    EXPECT_TRUE(vragen.Fouten.isEmpty()) << vragen.Fouten.join(u'\n').toStdString();
    const QString schermafdrukken = qEnvironmentVariable("RONDOPLAN_SCHERMAFDRUKKEN");
    if (!schermafdrukken.isEmpty()) {
        QDir().mkpath(schermafdrukken);
        QFile::copy(pdf.filePath(), QDir(schermafdrukken).filePath(T("kwaliteit.pdf")));
        venster.grab().save(QDir(schermafdrukken).filePath(T("kwaliteit.png")));
    }
}

// The estimate on "Wedstrijd details" follows a real key on the number of fields.
TEST(KwaliteitVenster, TheLiveEstimateFollowsTheNumberOfFields)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({QStringLiteral(RONDOPLAN_VOORBEELD)});
    TForm1& hoofd = programma.Form1();
    hoofd.show();
    QLabel* schatting = hoofd.WedstrijdTab()->Schatting();
    const QString eerst = schatting->text();
    EXPECT_TRUE(eerst.startsWith(T("Minimaal 12 ronden nodig"))) << eerst.toStdString();

    auto* velden = hoofd.WedstrijdTab()->findChild<QSpinBox*>(T("GewoneVelden"));
    ASSERT_TRUE(velden);
    ASSERT_GT(velden->value(), 1);
    velden->setFocus();
    QTest::keyClick(velden, Qt::Key_Down);
    EXPECT_EQ(hoofd.Model().GewoneVelden(), velden->value());
    EXPECT_NE(schatting->text(), eerst);
    EXPECT_TRUE(schatting->text().startsWith(T("Minimaal "))) << schatting->text().toStdString();
    QTest::keyClick(velden, Qt::Key_Up);
    EXPECT_EQ(schatting->text(), eerst);
}

// A poule's competition and rest, changed on "Poule details", count in the estimate at once,
// not only once another poule is chosen.
TEST(KwaliteitVenster, TheLiveEstimateFollowsAPoulesCompetitionAndRestAtOnce)
{
    VensterVraagsteller vragen;
    TProgramma programma(&vragen);
    programma.Start({QStringLiteral(RONDOPLAN_VOORBEELD)});
    TForm1& hoofd = programma.Form1();
    hoofd.show();
    hoofd.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hoofd));
    QLabel* schatting = hoofd.WedstrijdTab()->Schatting();
    const QString eerst = schatting->text();
    ASSERT_TRUE(eerst.startsWith(T("Minimaal 12 ronden nodig"))) << eerst.toStdString();

    hoofd.Poules()->PouleLijst()->Selecteer({0, -1});
    hoofd.Tabs()->setCurrentIndex(1);
    // A full competition doubles the first poule's matches.
    auto* hele = hoofd.PouleTab()->findChild<QRadioButton*>(T("CompetitieType0"));
    ASSERT_TRUE(hele);
    // On its round mark: a radio button reacts to its mark and text, not its empty width.
    const auto klik = [](QRadioButton* knop) {
        QTest::mouseClick(knop, Qt::LeftButton, {}, QPoint(6, knop->height() / 2));
    };
    klik(hele);
    ASSERT_TRUE(hele->isChecked());
    const QString heel = schatting->text();
    EXPECT_EQ(hoofd.Details()->HuidigePoule(), hoofd.Model().PouleLijst().front()->Details.get());
    EXPECT_EQ(hoofd.Model().PouleLijst().front()->Details->CompetitieType, TCompetitieType::HeleCompetitie);
    EXPECT_NE(heel, eerst) << heel.toStdString();
    EXPECT_TRUE(heel.startsWith(T("Minimaal "))) << heel.toStdString();

    // Typed rest counts with every key, and the tab stays on its poule and its text.
    auto* rust = hoofd.PouleTab()->findChild<QSpinBox*>(T("MinimaleRust"));
    ASSERT_TRUE(rust);
    rust->setFocus();
    rust->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(rust, T("9"));
    EXPECT_EQ(hoofd.Model().PouleLijst().front()->Details->MinimaleRust, 9);
    EXPECT_NE(schatting->text(), heel);
    EXPECT_TRUE(rust->hasFocus());
    EXPECT_EQ(rust->findChild<QLineEdit*>()->text(), T("9"));
    EXPECT_EQ(hoofd.Details()->HuidigePoule(), hoofd.Model().PouleLijst().front()->Details.get());

    // And back: the estimate is the first one again.
    QTest::keyClick(rust, Qt::Key_Backspace);
    QTest::keyClicks(rust, T("1"));
    klik(hoofd.PouleTab()->findChild<QRadioButton*>(T("CompetitieType1")));
    EXPECT_EQ(schatting->text(), eerst);
}
