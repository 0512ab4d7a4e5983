#include "instellingen/TVeldInvulling.h"
#include "instellingen/VeldInvullingModel.h"
#include "model/ToernooiModel.h"

#include <QAbstractItemModelTester>
#include <QMenuBar>
#include <QTableView>
#include <QtTest>

namespace {

QString T(const char* tekst) { return QString::fromUtf8(tekst); }

} // namespace

// The field usage window over the model's table.
class VeldInvullingTest : public QObject
{
    Q_OBJECT

private slots:
    void TheTableFollowsTheModelAndPassesTheModelTester()
    {
        ToernooiModel model;
        TVeldInvulling venster(model);
        VeldInvullingModel* velden = venster.Model();
        QAbstractItemModelTester tester(velden, QAbstractItemModelTester::FailureReportingMode::QtTest);

        QCOMPARE(velden->rowCount(), 99);
        QCOMPARE(velden->columnCount(), 1);
        QCOMPARE(velden->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), T("Veld 1"));
        QCOMPARE(velden->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(),
                 T("Dag 1, Ronde 2 (09:25 - 09:45)"));
        QCOMPARE(velden->data(velden->index(0, 0), Qt::DisplayRole).toString(), T("Wedstrijd"));

        model.ZetGewoneVelden(300);
        model.ZetSpecialeVelden(300);
        QCOMPARE(velden->columnCount(), 600);
        model.ZetSpecialeVelden(0);
        model.ZetGewoneVelden(3);
        QCOMPARE(velden->columnCount(), 3);
        model.ZetPauze(10);
        QCOMPARE(velden->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(),
                 T("Dag 1, Ronde 2 (09:30 - 09:50)"));
    }

    void AClickTogglesACellAndResetMakesAllUsable()
    {
        ToernooiModel model;
        model.ZetGewoneVelden(3);
        model.ZetGewijzigd(false);
        TVeldInvulling venster(model);
        venster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&venster));
        QTableView* tabel = venster.VeldenEnRonden();
        QCOMPARE(tabel->toolTip(), T("Klik op cell om status te wijzigen."));

        const QModelIndex cel = tabel->model()->index(4, 1);
        tabel->scrollTo(cel);
        QTest::mouseClick(tabel->viewport(), Qt::LeftButton, {}, tabel->visualRect(cel).center());
        QVERIFY(!model.Velden().Beschikbaar(2, 5));
        QCOMPARE(tabel->model()->data(cel).toString(), QString());
        QVERIFY(model.Gewijzigd());
        QTest::mouseClick(tabel->viewport(), Qt::LeftButton, {}, tabel->visualRect(cel).center());
        QVERIFY(model.Velden().Beschikbaar(2, 5));
        QTest::keyClick(tabel, Qt::Key_Space);
        QVERIFY(!model.Velden().Beschikbaar(2, 5));

        model.ZetGewijzigd(false);
        QAction* reset = venster.menuBar()->findChild<QAction*>(T("Resetallevelden1"));
        QVERIFY(reset);
        QCOMPARE(reset->text(), T("Reset alle velden."));
        reset->trigger();
        QVERIFY(model.Velden().Beschikbaar(2, 5));
        QVERIFY(!model.Gewijzigd());
    }
};

QTEST_MAIN(VeldInvullingTest)
#include "VeldInvullingTest.moc"
