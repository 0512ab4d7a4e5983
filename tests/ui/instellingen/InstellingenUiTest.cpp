#include "hulp/QtAfdrukken.h"
#include "hulp/UiHulp.h"
#include "ui/instellingen/TVeldInvulling.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace UiHulp;

namespace {

QSpinBox* Getal(TForm1& form, const char* naam)
{
    return form.findChild<QSpinBox*>(QString::fromLatin1(naam));
}

QTableView* Raster(TForm1& form) { return form.findChild<QTableView*>(T("DagTijden")); }

QString Cel(TForm1& form, int rij, int kolom)
{
    const QAbstractItemModel* model = Raster(form)->model();
    return model->data(model->index(rij, kolom)).toString();
}

// Types into the cell editor of the grid and commits with Enter.
void TypTijd(TForm1& form, int rij, int kolom, const QString& tekst)
{
    QTableView* raster = Raster(form);
    raster->setCurrentIndex(raster->model()->index(rij, kolom));
    raster->edit(raster->currentIndex());
    auto* editor = raster->viewport()->findChild<QLineEdit*>(T("TijdEdit"));
    ASSERT_TRUE(editor);
    ASSERT_TRUE(editor->inputMask().isEmpty());
    editor->selectAll();
    QTest::keyClicks(editor, tekst);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the editor's text from its event queue.
    QCoreApplication::processEvents();
    QTest::keyClick(raster, Qt::Key_Escape);
    QCoreApplication::processEvents();
}

} // namespace

// The tabs "Toernooi details" and "Wedstrijd details": number fields, the day-part grid and
// the button to the field usage window.
TEST(InstellingenUiTest, TheDayPartGridShowsLabelsTimesAndNormalisesEdits)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.Tabs()->setCurrentIndex(2);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QAbstractItemModel* model = Raster(form)->model();
    ASSERT_EQ(model->headerData(0, Qt::Horizontal).toString(), T("Start (uu:mm)"));
    ASSERT_EQ(model->headerData(1, Qt::Horizontal).toString(), T("Eind (uu:mm)"));
    ASSERT_EQ(model->rowCount(), 1);
    ASSERT_EQ(model->headerData(0, Qt::Vertical).toString(), T("Deel 1"));
    ASSERT_EQ(Cel(form, 0, 0), T("09:00"));

    // Drawing the grid is no change of the tournament.
    (void)form.grab();
    ASSERT_TRUE(!form.Model().Gewijzigd());

    TypTijd(form, 0, 0, T("0130"));
    ASSERT_EQ(Cel(form, 0, 0), T("01:30"));
    TypTijd(form, 0, 1, T("3:39"));
    ASSERT_EQ(Cel(form, 0, 1), T("03:39"));
    ASSERT_TRUE(form.Model().Gewijzigd());
    // What is no time leaves the cell as it was, with a message that says so.
    QLabel* melding = form.findChild<QLabel*>(T("TijdMelding"));
    ASSERT_TRUE(melding);
    for (const char* geen : {"73", "2530", "9999"}) {
        TypTijd(form, 0, 1, T(geen));
        ASSERT_EQ(Cel(form, 0, 1), T("03:39"));
        ASSERT_TRUE(melding->text().contains(T("geen tijd"))) << qPrintable(melding->text());
    }

    // Two days of one part: two rows, the edited time replaced by the default.
    QSpinBox* dagen = Getal(form, "AantalDelen");
    dagen->stepUp();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->headerData(1, Qt::Vertical).toString(), T("Deel 2"));
    ASSERT_EQ(Cel(form, 0, 0), T("09:00"));
    ASSERT_EQ(Cel(form, 1, 1), T("17:00"));
    // 4 days of 10 parts: rows above 31 have no label.
    form.Model().ZetAantalDelen(4);
    form.Model().ZetAantalDelenPerDag(10);
    ASSERT_EQ(model->rowCount(), 40);
    ASSERT_EQ(model->headerData(30, Qt::Vertical).toString(), T("Deel 31"));
    ASSERT_EQ(model->headerData(31, Qt::Vertical).toString(), QString());
    ASSERT_EQ(Getal(form, "AantalDelenPerDag")->value(), 10);
}

// A time is typed the way people write it, and Enter or Tab always finishes the cell: a
// time is taken, anything else is answered with a message and the cell keeps its time.
TEST(InstellingenUiTest, DayPartTimesTakeTheUsualWaysOfTypingAndEnterAlwaysFinishes)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.Model().ZetAantalDelenPerDag(2);
    form.Tabs()->setCurrentIndex(2);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTableView* raster = Raster(form);
    QLabel* melding = form.findChild<QLabel*>(T("TijdMelding"));
    ASSERT_TRUE(melding);

    // Real keys on the grid: typing opens the editor, Enter and Tab close it.
    auto typ = [&](int rij, int kolom, const char* tekst, Qt::Key einde) {
        raster->setFocus();
        QCoreApplication::processEvents();
        raster->setCurrentIndex(raster->model()->index(rij, kolom));
        // The first key opens the editor, which gets the rest.
        const QString getypt = T(tekst);
        QTest::keyClick(raster, getypt.front().toLatin1());
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : raster->viewport()->findChildren<QLineEdit*>(T("TijdEdit"))) {
            if (e->isVisible())
                editor = e;
        }
        EXPECT_TRUE(editor && editor->hasFocus()) << tekst;
        if (!editor)
            return;
        QTest::keyClicks(editor, getypt.mid(1));
        QTest::keyClick(editor, einde);
        QCoreApplication::processEvents();
        // The cell is finished either way: Enter gives the grid its focus back, Tab goes on.
        if (einde == Qt::Key_Tab)
            EXPECT_NE(raster->currentIndex(), raster->model()->index(rij, kolom)) << tekst;
        else
            EXPECT_TRUE(raster->hasFocus()) << tekst;
    };
    typ(0, 0, "9.30", Qt::Key_Return);
    EXPECT_EQ(Cel(form, 0, 0), T("09:30"));
    EXPECT_TRUE(melding->text().isEmpty());
    typ(0, 1, "930", Qt::Key_Tab);
    EXPECT_EQ(Cel(form, 0, 1), T("09:30"));
    // Tab went on to the next cell.
    EXPECT_EQ(raster->currentIndex(), raster->model()->index(1, 0));
    typ(1, 0, "13:15", Qt::Key_Tab);
    EXPECT_EQ(Cel(form, 1, 0), T("13:15"));
    EXPECT_EQ(form.Model().DagTijden().at(1).Begin, T("13:15"));

    typ(1, 1, "9.75", Qt::Key_Return);
    EXPECT_EQ(Cel(form, 1, 1), T("17:00"));
    EXPECT_EQ(melding->text(), T("\"9.75\" is geen tijd. Typ bijv. 9:30, 9.30 of 930."));
    EXPECT_TRUE(melding->isVisible());
    // The message fits on the tab, whose height is fixed.
    const QWidget* tab = melding->parentWidget()->parentWidget();
    EXPECT_TRUE(tab->rect().contains(QRect(melding->mapTo(tab, QPoint(0, 0)), melding->sizeHint())))
        << melding->mapTo(tab, QPoint(0, 0)).y() << " + " << melding->sizeHint().height() << " in "
        << tab->height();
    typ(1, 1, "tien uur", Qt::Key_Tab);
    EXPECT_EQ(Cel(form, 1, 1), T("17:00"));
    EXPECT_TRUE(melding->text().startsWith(T("\"tien uur\" is geen tijd."))) << qPrintable(melding->text());
    // The next time that reads takes the message away.
    typ(1, 1, "17u45", Qt::Key_Return);
    EXPECT_EQ(Cel(form, 1, 1), T("17:45"));
    EXPECT_TRUE(melding->text().isEmpty());
    EXPECT_TRUE(vraagsteller.Gevraagd.isEmpty());
}

TEST(InstellingenUiTest, NumberFieldsKeepTheirLimits)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    form.Tabs()->setCurrentIndex(3);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Days and parts per day change with the arrows only.
    QSpinBox* dagen = Getal(form, "AantalDelen");
    ASSERT_EQ(dagen->maximum(), 31);
    ASSERT_TRUE(dagen->findChild<QLineEdit*>()->isReadOnly());
    ASSERT_EQ(Getal(form, "AantalDelenPerDag")->maximum(), 300);
    ASSERT_EQ(Getal(form, "MinimaleRust")->maximum(), 300);

    // 0 ordinary fields: the hidden special field count becomes 1, and the field itself
    // returns to 1 when it is left.
    QSpinBox* gewoon = Getal(form, "GewoneVelden");
    gewoon->setFocus();
    gewoon->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(gewoon, T("0"));
    ASSERT_EQ(form.Model().SpecialeVelden(), 1);
    Getal(form, "DuurWedstrijd")->setFocus();
    ASSERT_EQ(gewoon->value(), 1);
    ASSERT_EQ(form.Model().AantalVelden(), 2);
    ASSERT_TRUE(!Getal(form, "SpecialeVelden")->isVisible());
    ASSERT_EQ(form.findChild<QLineEdit*>(T("TotaalAantalVelden"))->text(), T("2"));

    // A typed duration rewrites the round headers at once.
    QSpinBox* duur = Getal(form, "DuurWedstrijd");
    duur->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(duur, T("45"));
    ASSERT_EQ(form.Model().DuurWedstrijd(), 45);
    ASSERT_EQ(form.Model().Velden().RondeKop(2), T("Dag 1, Ronde 2 (09:50 - 10:35)"));
}

// Typing into the number fields with real keys: an emptied field takes exactly the
// digits typed next, the model follows every key, and the value is brought into the
// limits only when the field is left (Tab) or Enter finishes it.
TEST(InstellingenUiTest, TypedNumbersStayAsTypedUntilTheFieldIsLeft)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    VoegPoulesToe(form, vraagsteller, {T("A")});
    form.Tabs()->setCurrentIndex(3);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
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
            ASSERT_TRUE(tekst->text().size() < voor) << qPrintable(naam);
        }
        QTest::keyClicks(veld, T(geval.Getypt));
        ASSERT_TRUE(tekst->text() == T(geval.Getypt)) << qPrintable(naam + u' ' + tekst->text());
        if (geval.Model && geval.Binnen == QString::fromLatin1(geval.Getypt).toInt()) {
            ASSERT_EQ(geval.Model(), geval.Binnen);
        }
        QTest::keyClick(veld, Qt::Key_Tab);
        ASSERT_TRUE(!veld->hasFocus()) << qPrintable(naam);
        ASSERT_EQ(tekst->text(), QString::number(geval.Binnen));
        ASSERT_EQ(veld->value(), geval.Binnen);
        if (geval.Model) {
            ASSERT_EQ(geval.Model(), geval.Binnen);
        }
    }
    // The poule's rest reaches its record when the tab is committed.
    form.BewaarDetails();
    ASSERT_EQ(model.PouleLijst().front()->Details->MinimaleRust, 300);

    // Enter finishes the typing as leaving does; Pauze 0 then typed 3 gives 3, not 30.
    form.Tabs()->setCurrentIndex(3);
    QSpinBox* pauze = Getal(form, "Pauze");
    pauze->setFocus();
    pauze->findChild<QLineEdit*>()->selectAll();
    QTest::keyClick(pauze, Qt::Key_Delete);
    ASSERT_EQ(model.Pauze(), 0);
    QTest::keyClicks(pauze, T("3"));
    QTest::keyClick(pauze, Qt::Key_Return);
    ASSERT_EQ(pauze->value(), 3);
    ASSERT_EQ(model.Pauze(), 3);
    ASSERT_EQ(model.Velden().RondeKop(2), T("Dag 1, Ronde 2 (09:48 - 10:33)"));

    // Days and parts per day change with the arrow keys only; typed digits do nothing.
    form.Tabs()->setCurrentIndex(2);
    for (const char* naam : {"AantalDelen", "AantalDelenPerDag"}) {
        QSpinBox* veld = Getal(form, naam);
        veld->setFocus();
        QTest::keyClicks(veld, T("7"));
        ASSERT_EQ(veld->value(), 1);
        QTest::keyClick(veld, Qt::Key_Up);
        QTest::keyClick(veld, Qt::Key_Up);
        QTest::keyClick(veld, Qt::Key_Down);
        ASSERT_EQ(veld->value(), 2);
        QTest::keyClick(veld, Qt::Key_Tab);
        ASSERT_EQ(veld->value(), 2);
    }
    ASSERT_EQ(model.AantalDelen(), 2);
    ASSERT_EQ(model.AantalDelenPerDag(), 2);
    ASSERT_EQ(Raster(form)->model()->rowCount(), 4);
}

TEST(InstellingenUiTest, TheFieldUsageButtonOpensTheWindowWithoutBlocking)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    TVeldInvulling velden(form.Model(), &form);
    form.ZetVeldInvulling(&velden);
    auto* knop = form.findChild<QPushButton*>(T("Button2"));
    ASSERT_EQ(knop->text(), T("Veldgebruik"));
    knop->click();
    ASSERT_TRUE(velden.isVisible());
    ASSERT_TRUE(!velden.isModal());
    ASSERT_EQ(velden.windowTitle(), T("Gebruik van de velden."));
    ASSERT_EQ(form.findChild<QPushButton*>(T("Button1"))->text(), T("Bouw toernooi schema"));
}
