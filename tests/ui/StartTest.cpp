#include "UiHulp.h"
#include "gemeen/Knop.h"
#include "programma/Hulpbronnen.h"
#include "programma/JpegBeeld.h"
#include "programma/TAbout.h"
#include "programma/THelpVenster.h"

#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace UiHulp;

// The start window and its picture, and the help window at its topics.
class StartTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray Afbeelding()
    {
        QFile bestand(Hulpbronnen::StartAfbeelding());
        return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
    }

private slots:
    void ThePictureDecodesAndADamagedOneIsRefused()
    {
        const QByteArray jpeg = Afbeelding();
        QVERIFY(!jpeg.isEmpty());
        const JpegBeeld::Uitkomst goed = JpegBeeld::Decodeer(jpeg);
        QVERIFY2(goed.Fout.isEmpty(), qPrintable(goed.Fout));
        QCOMPARE(goed.Beeld.size(), QSize(500, 186));
        QVERIFY(!goed.Beeld.allGray());

        for (const QByteArray& kapot : {jpeg.left(jpeg.size() / 2), jpeg.left(40), QByteArray("GIF89a")}) {
            const JpegBeeld::Uitkomst fout = JpegBeeld::Decodeer(kapot);
            QVERIFY(fout.Beeld.isNull());
            QVERIFY(fout.Fout.startsWith(T("Het bestand is beschadigd")));
        }
        QVERIFY(!JpegBeeld::LeesBestand(T("/bestaat/niet.jpg")).Fout.isEmpty());
    }

    void TheStartWindowShowsItsPictureAndEnterPressesStart()
    {
        TAbout about;
        QVERIFY(about.LaadAfbeelding(Hulpbronnen::StartAfbeelding()).isEmpty());
        QVERIFY(about.HeeftAfbeelding());
        QCOMPARE(about.size(), QSize(522, 208));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);

        QTemporaryDir map;
        QFile half(map.filePath(T("half.jpg")));
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.write(Afbeelding().left(3000));
        half.close();
        QVERIFY(!about.LaadAfbeelding(half.fileName()).isEmpty());
        QVERIFY(!about.HeeftAfbeelding());

        QSignalSpy gestart(&about, &TAbout::gestart);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        QTest::keyClick(&about, Qt::Key_Return);
        QCOMPARE(gestart.count(), 1);
        QVERIFY(!about.isVisible());
    }

    void TheHelpDocumentHasATopicForEveryContext()
    {
        QFile document(Hulpbronnen::HelpDocument());
        QVERIFY(document.open(QIODevice::ReadOnly));
        const QString tekst = QString::fromUtf8(document.readAll());
        for (int context = 0; context < THelpVenster::AantalOnderwerpen; ++context) {
            const QRegularExpression anker(T("(name|id)=\"%1\"").arg(THelpVenster::Anker(context)));
            QVERIFY2(tekst.contains(anker), qPrintable(THelpVenster::Anker(context)));
        }
    }

    void HelpOpensAtTheActiveTabAndAtTheFocusedButton()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        THelpVenster help(&form);
        help.ZetHelpBestand(Hulpbronnen::HelpDocument());
        form.ZetHelpVenster(&help);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        form.Tabs()->setCurrentIndex(2);
        form.findChild<QAction*>(T("Helpoverdetailtabblad1"))->trigger();
        QCOMPARE(help.Context(), 3);
        QVERIFY(help.isVisible());
        QCOMPARE(help.findChild<QTextBrowser*>(T("HelpTekst"))->source().fragment(), T("onderwerp-3"));
        form.findChild<QAction*>(T("Helpfile1"))->trigger();
        QCOMPARE(help.Context(), 0);

        // F1 asks the focused button for its own context, a tab's control for its tab's.
        const QList<QPair<const char*, int>> knoppen{
            {"PouleToevoegen", 1}, {"PouleVerwijderen", 2}, {"TeamToevoegen", 3}, {"TeamVerwijderen", 4}};
        for (const auto& [naam, context] : knoppen) {
            auto* knop = form.findChild<QPushButton*>(QString::fromLatin1(naam));
            form.activateWindow();
            knop->setFocus();
            QTest::keyClick(knop, Qt::Key_F1);
            QCOMPARE(help.Context(), context);
        }
        form.Tabs()->setCurrentIndex(3);
        QCOMPARE(HelpContextVan(form.findChild<QWidget*>(T("Pauze"))), 4);
        QCOMPARE(HelpContextVan(form.findChild<QWidget*>(T("TeamLijst"))), 0);
    }
};

QTEST_MAIN(StartTest)
#include "StartTest.moc"
