#include "core/programma/ProgrammaVersie.h"
#include "hulp/ModaalVenster.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/UiHulp.h"
#include "ui/gemeen/Knop.h"
#include "ui/programma/Hulpbronnen.h"
#include "ui/programma/JpegBeeld.h"
#include "ui/programma/TAbout.h"
#include "ui/programma/THelpVenster.h"

#include <QFile>
#include <QMessageBox>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <gtest/gtest.h>

using namespace UiHulp;

namespace {

QByteArray Afbeelding()
{
    QFile bestand(Hulpbronnen::StartAfbeelding());
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

} // namespace

// The start window and its picture, and the help window at its topics.
TEST(StartTest, ThePictureDecodesAndADamagedOneIsRefused)
{
    const QByteArray jpeg = Afbeelding();
    ASSERT_TRUE(!jpeg.isEmpty());
    const JpegBeeld::Uitkomst goed = JpegBeeld::Decodeer(jpeg);
    ASSERT_TRUE(goed.Fout.isEmpty()) << qPrintable(goed.Fout);
    ASSERT_EQ(goed.Beeld.size(), QSize(500, 186));
    ASSERT_TRUE(!goed.Beeld.allGray());

    for (const QByteArray& kapot : {jpeg.left(jpeg.size() / 2), jpeg.left(40), QByteArray("GIF89a")}) {
        const JpegBeeld::Uitkomst fout = JpegBeeld::Decodeer(kapot);
        ASSERT_TRUE(fout.Beeld.isNull());
        ASSERT_TRUE(fout.Fout.startsWith(T("Het bestand is beschadigd")));
    }
    ASSERT_TRUE(!JpegBeeld::LeesBestand(T("/bestaat/niet.jpg")).Fout.isEmpty());
}

TEST(StartTest, TheStartWindowShowsItsPictureAndEnterPressesStart)
{
    TAbout about;
    ASSERT_TRUE(about.LaadAfbeelding(Hulpbronnen::StartAfbeelding()).isEmpty());
    ASSERT_TRUE(about.HeeftAfbeelding());
    ASSERT_EQ(about.size(), QSize(522, 208));
    ASSERT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);

    QTemporaryDir map;
    QFile half(map.filePath(T("half.jpg")));
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write(Afbeelding().left(3000));
    half.close();
    ASSERT_TRUE(!about.LaadAfbeelding(half.fileName()).isEmpty());
    ASSERT_TRUE(!about.HeeftAfbeelding());

    QSignalSpy gestart(&about, &TAbout::gestart);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    ASSERT_TRUE(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Return);
    ASSERT_EQ(gestart.count(), 1);
    ASSERT_TRUE(!about.isVisible());
}

TEST(StartTest, TheHelpDocumentHasATopicForEveryContext)
{
    QFile document(Hulpbronnen::HelpDocument());
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QString tekst = QString::fromUtf8(document.readAll());
    for (int context = 0; context < THelpVenster::AantalOnderwerpen; ++context) {
        const QRegularExpression anker(T("(name|id)=\"%1\"").arg(THelpVenster::Anker(context)));
        ASSERT_TRUE(tekst.contains(anker)) << qPrintable(THelpVenster::Anker(context));
    }
}

TEST(StartTest, HelpOpensAtTheActiveTabAndAtTheFocusedButton)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    THelpVenster help(&form);
    help.ZetHelpBestand(Hulpbronnen::HelpDocument());
    form.ZetHelpVenster(&help);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    form.Tabs()->setCurrentIndex(2);
    form.findChild<QAction*>(T("Helpoverdetailtabblad1"))->trigger();
    ASSERT_EQ(help.Context(), 3);
    ASSERT_TRUE(help.isVisible());
    ASSERT_EQ(help.findChild<QTextBrowser*>(T("HelpTekst"))->source().fragment(), T("onderwerp-3"));
    form.findChild<QAction*>(T("Helpfile1"))->trigger();
    ASSERT_EQ(help.Context(), 0);

    // F1 asks the focused button for its own context, a tab's control for its tab's.
    const QList<QPair<const char*, int>> knoppen{
        {"PouleToevoegen", 1}, {"PouleVerwijderen", 2}, {"TeamToevoegen", 3}, {"TeamVerwijderen", 4}};
    for (const auto& [naam, context] : knoppen) {
        auto* knop = form.findChild<QPushButton*>(QString::fromLatin1(naam));
        form.activateWindow();
        knop->setFocus();
        QTest::keyClick(knop, Qt::Key_F1);
        ASSERT_EQ(help.Context(), context);
    }
    form.Tabs()->setCurrentIndex(3);
    ASSERT_EQ(HelpContextVan(form.findChild<QWidget*>(T("Pauze"))), 4);
    ASSERT_EQ(HelpContextVan(form.findChild<QWidget*>(T("TeamLijst"))), 0);
}

TEST(StartTest, InfoNamesTheVersionOfTheBuild)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The version comes from the build, the same number as --version and the package.
    ASSERT_TRUE(QRegularExpression(T("^[0-9]+(\\.[0-9]+)+$")).match(ProgrammaVersie()).hasMatch());
    QString getoond;
    ModaalVenster::Beantwoord<QMessageBox>([&getoond](QMessageBox& doos) {
        EXPECT_EQ(doos.windowTitle(), T("Info"));
        getoond = doos.text();
        QTest::keyClick(&doos, Qt::Key_Escape);
    });
    form.findChild<QAction*>(T("Info1"))->trigger();
    EXPECT_TRUE(getoond.contains(T("Rondoplan ") + ProgrammaVersie())) << qPrintable(getoond);
}
