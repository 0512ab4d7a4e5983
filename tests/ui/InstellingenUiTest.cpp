#include "TVeldInvulling.h"
#include "UiHulp.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <functional>
#include <vector>

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

    // Typing into the number fields with real keys: an emptied field takes exactly the
    // digits typed next, the model follows every key, and the value is brought into the
    // limits only when the field is left (Tab) or Enter finishes it.
    void TypedNumbersStayAsTypedUntilTheFieldIsLeft()
    {
        ScriptVraagsteller vraagsteller;
        TForm1 form(vraagsteller);
        VoegPoulesToe(form, vraagsteller, {T("A")});
        form.Tabs()->setCurrentIndex(3);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        ToernooiModel& model = form.Model();

        struct Geval
        {
            const char* Veld;
            int Tab;
            const char* Getypt;
            int Binnen; // the value after leaving
            std::function<int()> Model;
        };
        const std::vector<Geval> gevallen = {
            {"DuurWedstrijd", 3, "123456", 9999, [&] { return model.DuurWedstrijd(); }},
            {"DuurWedstrijd", 3, "45", 45, [&] { return model.DuurWedstrijd(); }},
            {"Pauze", 3, "45", 45, [&] { return model.Pauze(); }},
            {"GewoneVelden", 3, "3", 3, [&] { return model.GewoneVelden(); }},
            {"GewoneVelden", 3, "4", 4, [&] { return model.GewoneVelden(); }},
            {"GewoneVelden", 3, "400", 300, [&] { return model.GewoneVelden(); }},
            {"MinimaleRust", 1, "7", 7, {}},
            {"MinimaleRust", 1, "301", 300, {}},
        };
        for (const Geval& geval : gevallen) {
            const QString naam = T(geval.Veld);
            form.Tabs()->setCurrentIndex(geval.Tab);
            QSpinBox* veld = Getal(form, geval.Veld);
            auto* tekst = veld->findChild<QLineEdit*>();
            veld->setFocus();
            QTest::keyClick(veld, Qt::Key_End);
            while (!tekst->text().isEmpty()) {
                const qsizetype voor = tekst->text().size();
                QTest::keyClick(veld, Qt::Key_Backspace);
                QVERIFY2(tekst->text().size() < voor, qPrintable(naam));
            }
            QTest::keyClicks(veld, T(geval.Getypt));
            QVERIFY2(tekst->text() == T(geval.Getypt), qPrintable(naam + u' ' + tekst->text()));
            if (geval.Model && geval.Binnen == QString::fromLatin1(geval.Getypt).toInt())
                QCOMPARE(geval.Model(), geval.Binnen);
            QTest::keyClick(veld, Qt::Key_Tab);
            QVERIFY2(!veld->hasFocus(), qPrintable(naam));
            QCOMPARE(tekst->text(), QString::number(geval.Binnen));
            QCOMPARE(veld->value(), geval.Binnen);
            if (geval.Model)
                QCOMPARE(geval.Model(), geval.Binnen);
        }
        // The poule's rest reaches its record when the tab is committed.
        form.BewaarDetails();
        QCOMPARE(model.PouleLijst().front()->Details->MinimaleRust, 300);

        // Enter finishes the typing as leaving does; Pauze 0 then typed 3 gives 3, not 30.
        form.Tabs()->setCurrentIndex(3);
        QSpinBox* pauze = Getal(form, "Pauze");
        pauze->setFocus();
        pauze->findChild<QLineEdit*>()->selectAll();
        QTest::keyClick(pauze, Qt::Key_Delete);
        QCOMPARE(model.Pauze(), 0);
        QTest::keyClicks(pauze, T("3"));
        QTest::keyClick(pauze, Qt::Key_Return);
        QCOMPARE(pauze->value(), 3);
        QCOMPARE(model.Pauze(), 3);
        QCOMPARE(model.Velden().RondeKop(2), T("Dag 1, Ronde 2 (09:48 - 10:33)"));

        // Days and parts per day change with the arrow keys only; typed digits do nothing.
        form.Tabs()->setCurrentIndex(2);
        for (const char* naam : {"AantalDelen", "AantalDelenPerDag"}) {
            QSpinBox* veld = Getal(form, naam);
            veld->setFocus();
            QTest::keyClicks(veld, T("7"));
            QCOMPARE(veld->value(), 1);
            QTest::keyClick(veld, Qt::Key_Up);
            QTest::keyClick(veld, Qt::Key_Up);
            QTest::keyClick(veld, Qt::Key_Down);
            QCOMPARE(veld->value(), 2);
            QTest::keyClick(veld, Qt::Key_Tab);
            QCOMPARE(veld->value(), 2);
        }
        QCOMPARE(model.AantalDelen(), 2);
        QCOMPARE(model.AantalDelenPerDag(), 2);
        QCOMPARE(Raster(form)->model()->rowCount(), 4);
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
