#include "hulp/ModaalVenster.h"
#include "ui/afdruk/TVoorbeeldVenster.h"
#include "ui/gemeen/VensterPlaatsing.h"
#include "ui/schema/TErrorList.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using VensterPlaatsing::Plek;
using VensterPlaatsing::Wijze;

TEST(VensterPlaatsing, WindowsOpenOverOrBesideTheMainWindowAndWhollyOnTheScreen)
{
    const QRect scherm(0, 0, 1280, 1000);
    const QRect hoofd(320, 260, 640, 480);
    // Centred over the main window.
    EXPECT_EQ(Plek({400, 300}, hoofd, scherm, Wijze::Over), QRect(440, 350, 400, 300));
    // Too large for the screen: shrunk and put inside it.
    EXPECT_EQ(Plek({1500, 1200}, hoofd, scherm, Wijze::Over), scherm);
    // Over a main window at the screen's edge: moved back inside.
    EXPECT_EQ(Plek({400, 300}, QRect(1100, 900, 640, 480), scherm, Wijze::Over).bottomRight(),
              scherm.bottomRight());

    // Beside: right where there is room, else left, else cascaded over the main window.
    EXPECT_EQ(Plek({300, 200}, hoofd, scherm, Wijze::Naast).topLeft(), QPoint(968, 260));
    EXPECT_EQ(Plek({300, 200}, QRect(900, 100, 300, 300), scherm, Wijze::Naast).topLeft(),
              QPoint(592, 100));
    EXPECT_EQ(Plek({720, 460}, hoofd, scherm, Wijze::Naast).topLeft(), QPoint(360, 300));
    // Without a main window on screen: the middle of the screen, not its corner.
    EXPECT_EQ(Plek({400, 300}, QRect(), scherm, Wijze::Naast).center(), scherm.center());
}

TEST(VensterPlaatsing, TheErrorListIsWideEnoughForItsLongestLine)
{
    QWidget hoofd;
    hoofd.resize(300, 200);
    hoofd.show();
    TErrorList lijst(&hoofd);
    const QString lang =
        QStringLiteral("Team Rood met een heel erg lange naam staat in geen enkele poule.");
    ModaalVenster::Beantwoord<TErrorList>([](TErrorList& open) { open.accept(); });
    lijst.Toon({lang, QStringLiteral("Klaar.")});
    auto* tekst = lijst.findChild<QPlainTextEdit*>();
    const QRect scherm = lijst.screen()->availableGeometry();
    EXPECT_TRUE(scherm.contains(lijst.frameGeometry()));
    if (QFontMetrics(tekst->font()).horizontalAdvance(lang) < scherm.width() - 100) {
        EXPECT_GE(tekst->viewport()->width(), QFontMetrics(tekst->font()).horizontalAdvance(lang));
    }
}

// The print preview is larger than a small screen: it opens shrunk to lie wholly on the
// screen, its frame included. (The offscreen platform knows a window's frame before its
// first show; a window manager tells it only later, when the reference window's frame is
// what placement has to go on.)
TEST(VensterPlaatsing, ThePrintPreviewLiesWhollyOnTheScreenFrameIncluded)
{
    QWidget hoofd;
    hoofd.resize(300, 200);
    hoofd.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hoofd));
    QPrinter printer(QPrinter::ScreenResolution);
    TVoorbeeldVenster voorbeeld(printer, [](QPrinter&) {}, &hoofd);
    voorbeeld.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&voorbeeld));
    const QRect scherm = voorbeeld.screen()->availableGeometry();
    ASSERT_LT(scherm.height(), 900 + 10) << "the screen should be smaller than the preview";
    EXPECT_TRUE(scherm.contains(voorbeeld.frameGeometry()))
        << voorbeeld.frameGeometry().x() << ',' << voorbeeld.frameGeometry().y() << ' '
        << voorbeeld.frameGeometry().width() << 'x' << voorbeeld.frameGeometry().height() << " in "
        << scherm.width() << 'x' << scherm.height();
    voorbeeld.close();
}
