#include "gui/afdruk/LettertypeOmzetting.h"
#include "hulp/ModaalVenster.h"
#include "hulp/SchemaDocument.h"
#include "hulp/SchemaTestHulp.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/programma/TDialoogVraagsteller.h"
#include "ui/schema/TWedstrijdSchema.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

// Answers the next modal dialog of type D once it is open: the step may change the dialog's
// choice, then the given key (Enter or Escape) closes it.
template <typename D> void Beantwoord(std::function<void(D*)> stap, Qt::Key toets)
{
    ModaalVenster::Beantwoord<D>([stap, toets](D& dialoog) {
        if (stap)
            stap(&dialoog);
        QTest::keyClick(&dialoog, toets);
    });
}

// The font items of the schedule window answered by the real font and colour dialogs.
struct LettertypeKeuze : ::testing::Test, SchemaDocument
{
    LettertypeKeuze()
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}});
        Bouw();
        venster.ToonNieuwSchema();
        model.ZetGewijzigd(false);
    }

    void KiesTekstFont() { venster.findChild<QAction*>(QStringLiteral("Textfont1"))->trigger(); }

    HuidigePrinter printer;
    TDialoogVraagsteller vragen{nullptr, nullptr};
    TWedstrijdSchema venster{document, printer, vragen};
};

} // namespace

TEST_F(LettertypeKeuze, ConfirmingBothDialogsUnchangedKeepsTheStoredFaceAndSystemColour)
{
    const TLettertype voor = model.Lettertypen().TextFont;
    ASSERT_EQ(voor.Naam, T("MS Sans Serif"));
    Beantwoord<QFontDialog>({}, Qt::Key_Return);
    Beantwoord<QColorDialog>({}, Qt::Key_Return);
    KiesTekstFont();
    EXPECT_TRUE(model.Lettertypen().TextFont == voor);
    EXPECT_EQ(model.Lettertypen().TextFont.Kleur, TLettertype::KleurVensterTekst);
}

TEST_F(LettertypeKeuze, TheColourDialogFollowsAndItsColourIsKept)
{
    Beantwoord<QFontDialog>(
        [](QFontDialog* d) {
            QFont font = d->currentFont();
            font.setPointSize(20);
            d->setCurrentFont(font);
        },
        Qt::Key_Return);
    Beantwoord<QColorDialog>([](QColorDialog* d) { d->setCurrentColor(QColor(0, 0, 255)); },
                             Qt::Key_Return);
    KiesTekstFont();
    const TLettertype& font = model.Lettertypen().TextFont;
    EXPECT_EQ(font.Grootte, 20);
    EXPECT_EQ(font.Naam, T("MS Sans Serif"));
    EXPECT_EQ(font.Kleur, 0xFF0000);
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_EQ(venster.Weergave().Fonts().TextFont.Kleur, 0xFF0000);
}

TEST_F(LettertypeKeuze, CancellingEitherDialogKeepsTheFont)
{
    const TLettertypen voor = model.Lettertypen();
    Beantwoord<QFontDialog>(
        [](QFontDialog* d) { d->setCurrentFont(QFont(d->currentFont().family(), 30)); },
        Qt::Key_Escape);
    KiesTekstFont();
    EXPECT_TRUE(model.Lettertypen() == voor);

    Beantwoord<QFontDialog>(
        [](QFontDialog* d) { d->setCurrentFont(QFont(d->currentFont().family(), 30)); },
        Qt::Key_Return);
    Beantwoord<QColorDialog>([](QColorDialog* d) { d->setCurrentColor(Qt::green); },
                             Qt::Key_Escape);
    KiesTekstFont();
    EXPECT_TRUE(model.Lettertypen() == voor);
    EXPECT_FALSE(model.Gewijzigd());
}

TEST_F(LettertypeKeuze, AnotherFamilyReplacesTheStoredFace)
{
    QString andere;
    Beantwoord<QFontDialog>(
        [&andere](QFontDialog* d) {
            for (const QString& familie : QFontDatabase::families()) {
                if (familie != d->currentFont().family() &&
                    !QFontDatabase::isPrivateFamily(familie)) {
                    andere = familie;
                    break;
                }
            }
            d->setCurrentFont(QFont(andere, 12));
        },
        Qt::Key_Return);
    Beantwoord<QColorDialog>({}, Qt::Key_Return);
    KiesTekstFont();
    if (andere.isEmpty())
        GTEST_SKIP() << "only one font family installed";
    EXPECT_EQ(model.Lettertypen().TextFont.Naam, andere);
}
