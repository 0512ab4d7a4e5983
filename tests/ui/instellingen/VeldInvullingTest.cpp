#include "core/model/ToernooiModel.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/Tekst.h"
#include "ui/instellingen/TVeldInvulling.h"
#include "ui/instellingen/VeldInvullingModel.h"

#include <QAbstractItemModelTester>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

// The field usage window over the model's table.
TEST(VeldInvullingTest, TheTableFollowsTheModelAndPassesTheModelTester)
{
    ToernooiModel model;
    TVeldInvulling venster(model);
    VeldInvullingModel* velden = venster.Model();
    QAbstractItemModelTester tester(velden, QAbstractItemModelTester::FailureReportingMode::Fatal);

    ASSERT_EQ(velden->rowCount(), 99);
    ASSERT_EQ(velden->columnCount(), 1);
    ASSERT_EQ(velden->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), T("Veld 1"));
    ASSERT_EQ(velden->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(),
              T("Dag 1, Ronde 2 (09:25 - 09:45)"));
    ASSERT_EQ(velden->data(velden->index(0, 0), Qt::DisplayRole).toString(), T("Wedstrijd"));

    model.ZetGewoneVelden(300);
    model.ZetSpecialeVelden(300);
    ASSERT_EQ(velden->columnCount(), 600);
    model.ZetSpecialeVelden(0);
    model.ZetGewoneVelden(3);
    ASSERT_EQ(velden->columnCount(), 3);
    model.ZetPauze(10);
    ASSERT_EQ(velden->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(),
              T("Dag 1, Ronde 2 (09:30 - 09:50)"));
}

TEST(VeldInvullingTest, AClickTogglesACellAndResetMakesAllUsable)
{
    ToernooiModel model;
    model.ZetGewoneVelden(3);
    model.ZetGewijzigd(false);
    TVeldInvulling venster(model);
    venster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&venster));
    QTableView* tabel = venster.VeldenEnRonden();
    ASSERT_EQ(tabel->toolTip(), T("Klik op cell om status te wijzigen."));

    const QModelIndex cel = tabel->model()->index(4, 1);
    tabel->scrollTo(cel);
    QTest::mouseClick(tabel->viewport(), Qt::LeftButton, {}, tabel->visualRect(cel).center());
    ASSERT_TRUE(!model.Velden().Beschikbaar(2, 5));
    ASSERT_EQ(tabel->model()->data(cel).toString(), QString());
    ASSERT_TRUE(model.Gewijzigd());
    QTest::mouseClick(tabel->viewport(), Qt::LeftButton, {}, tabel->visualRect(cel).center());
    ASSERT_TRUE(model.Velden().Beschikbaar(2, 5));
    QTest::keyClick(tabel, Qt::Key_Space);
    ASSERT_TRUE(!model.Velden().Beschikbaar(2, 5));

    model.ZetGewijzigd(false);
    QAction* reset = venster.menuBar()->findChild<QAction*>(T("Resetallevelden1"));
    ASSERT_TRUE(reset);
    ASSERT_EQ(reset->text(), T("Reset alle velden."));
    reset->trigger();
    ASSERT_TRUE(model.Velden().Beschikbaar(2, 5));
    ASSERT_TRUE(!model.Gewijzigd());
}
