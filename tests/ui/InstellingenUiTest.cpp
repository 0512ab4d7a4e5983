#include "TVeldInvulling.h"
#include "UiHulp.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

using namespace UiHulp;

// The tabs "Toernooi details" and "Wedstrijd details": number fields, the day-part grid and
// the button to the field usage window.
class InstellingenUiTest : public QObject
{
    Q_OBJECT

private:
    static QSpinBox* Getal(TForm1& form, const char* naam)
    {
        return form.findChild<QSpinBox*>(QString::fromLatin1(naam));
    }

    static QTableView* Raster(TForm1& form) { return form.findChild<QTableView*>(T("DagTijden")); }

    static QString Cel(TForm1& form, int rij, int kolom)
    {
        const QAbstractItemModel* model = Raster(form)->model();
        return model->data(model->index(rij, kolom)).toString();
    }

    // Types into the cell editor of the grid and commits with Enter.
    static void TypTijd(TForm1& form, int rij, int kolom, const QString& tekst)
    {
        QTableView* raster = Raster(form);
        raster->setCurrentIndex(raster->model()->index(rij, kolom));
        raster->edit(raster->currentIndex());
        auto* editor = raster->viewport()->findChild<QLineEdit*>(T("TijdEdit"));
        QVERIFY(editor);
        QCOMPARE(editor->inputMask(), T("99:99"));
        editor->selectAll();
        QTest::keyClicks(editor, tekst);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits the editor's text from its event queue.
        QCoreApplication::processEvents();
        QTest::keyClick(raster, Qt::Key_Escape);
        QCoreApplication::processEvents();
    }

private slots:
    void TheDayPartGridShowsLabelsTimesAndNormalisesEdits()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        form.Tabs()->setCurrentIndex(2);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QAbstractItemModel* model = Raster(form)->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), T("Start (uu:mm)"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), T("Eind (uu:mm)"));
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), T("Deel 1"));
        QCOMPARE(Cel(form, 0, 0), T("09:00"));

        // Drawing the grid is no change of the tournament.
        (void)form.grab();
        QVERIFY(!form.Model().Gewijzigd());

        TypTijd(form, 0, 0, T("2530"));
        QCOMPARE(Cel(form, 0, 0), T("01:30"));
        TypTijd(form, 0, 1, T("9999"));
        QCOMPARE(Cel(form, 0, 1), T("03:39"));
        QVERIFY(form.Model().Gewijzigd());
        // The template refuses an incomplete time: the cell keeps its value.
        TypTijd(form, 0, 1, T("73"));
        QCOMPARE(Cel(form, 0, 1), T("03:39"));

        // Two days of one part: two rows, the edited time replaced by the default.
        QSpinBox* dagen = Getal(form, "AantalDelen");
        dagen->stepUp();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->headerData(1, Qt::Vertical).toString(), T("Deel 2"));
        QCOMPARE(Cel(form, 0, 0), T("09:00"));
        QCOMPARE(Cel(form, 1, 1), T("17:00"));
        // 4 days of 10 parts: rows above 31 have no label.
        form.Model().ZetAantalDelen(4);
        form.Model().ZetAantalDelenPerDag(10);
        QCOMPARE(model->rowCount(), 40);
        QCOMPARE(model->headerData(30, Qt::Vertical).toString(), T("Deel 31"));
        QCOMPARE(model->headerData(31, Qt::Vertical).toString(), QString());
        QCOMPARE(Getal(form, "AantalDelenPerDag")->value(), 10);
    }

    void NumberFieldsKeepTheirLimits()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        form.Tabs()->setCurrentIndex(3);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // Days and parts per day change with the arrows only.
        QSpinBox* dagen = Getal(form, "AantalDelen");
        QCOMPARE(dagen->maximum(), 31);
        QVERIFY(dagen->findChild<QLineEdit*>()->isReadOnly());
        QCOMPARE(Getal(form, "AantalDelenPerDag")->maximum(), 300);
        QCOMPARE(Getal(form, "MinimaleRust")->maximum(), 300);

        // 0 ordinary fields: the hidden special field count becomes 1, and the field itself
        // returns to 1 when it is left.
        QSpinBox* gewoon = Getal(form, "GewoneVelden");
        gewoon->setFocus();
        gewoon->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(gewoon, T("0"));
        QCOMPARE(form.Model().SpecialeVelden(), 1);
        Getal(form, "DuurWedstrijd")->setFocus();
        QCOMPARE(gewoon->value(), 1);
        QCOMPARE(form.Model().AantalVelden(), 2);
        QVERIFY(!Getal(form, "SpecialeVelden")->isVisible());
        QCOMPARE(form.findChild<QLineEdit*>(T("TotaalAantalVelden"))->text(), T("2"));

        // A typed duration rewrites the round headers at once.
        QSpinBox* duur = Getal(form, "DuurWedstrijd");
        duur->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(duur, T("45"));
        QCOMPARE(form.Model().DuurWedstrijd(), 45);
        QCOMPARE(form.Model().Velden().RondeKop(2), T("Dag 1, Ronde 2 (09:50 - 10:35)"));
    }

    void TheFieldUsageButtonOpensTheWindowWithoutBlocking()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        TVeldInvulling velden(form.Model(), &form);
        form.ZetVeldInvulling(&velden);
        auto* knop = form.findChild<QPushButton*>(T("Button2"));
        QCOMPARE(knop->text(), T("Veldgebruik"));
        knop->click();
        QVERIFY(velden.isVisible());
        QVERIFY(!velden.isModal());
        QCOMPARE(velden.windowTitle(), T("Gebruik van de velden."));
        QCOMPARE(form.findChild<QPushButton*>(T("Button1"))->text(), T("Bouw toernooi schema"));
    }
};

QTEST_MAIN(InstellingenUiTest)
#include "InstellingenUiTest.moc"
