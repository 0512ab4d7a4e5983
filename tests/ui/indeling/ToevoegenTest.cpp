#include "core/model/ToernooiModel.h"
#include "hulp/ModaalVenster.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/indeling/TToevoegen.h"
#include "ui/indeling/TeamGroep.h"
#include "ui/programma/TForm1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types the text into the open dialog and presses the key.
void TypEnDruk(TToevoegen& dialoog, const QString& tekst, Qt::Key toets)
{
    ModaalVenster::Beantwoord<TToevoegen>([&dialoog, tekst, toets](TToevoegen& open) {
        ASSERT_EQ(&open, &dialoog);
        if (!tekst.isNull()) {
            dialoog.Naam()->clear();
            QTest::keyClicks(dialoog.Naam(), tekst);
        }
        QTest::keyClick(dialoog.Naam(), toets);
    });
}

} // namespace

// The name dialog driven through its real widgets: the keys are typed while it runs modally.
TEST(ToevoegenTest, EnterConfirmsEscapeCancelsAndTheNameIsRemembered)
{
    TToevoegen dialoog;
    ASSERT_EQ(dialoog.windowTitle(), QStringLiteral("Toevoegen"));
    ASSERT_TRUE(dialoog.findChild<QPushButton*>(QStringLiteral("Toevoegen"))->isDefault());

    TypEnDruk(dialoog, QStringLiteral("Rood"), Qt::Key_Return);
    ASSERT_EQ(dialoog.VraagNaam(), QStringLiteral("Rood"));

    // Escape cancels, but the dialog opens again with the name typed last.
    TypEnDruk(dialoog, QStringLiteral("Blauw"), Qt::Key_Escape);
    ASSERT_EQ(dialoog.VraagNaam(), QString());
    QString bijOpenen;
    ModaalVenster::Beantwoord<TToevoegen>([&](TToevoegen&) {
        bijOpenen = dialoog.Naam()->text();
        dialoog.findChild<QPushButton*>(QStringLiteral("Annuleren"))->click();
    });
    ASSERT_EQ(dialoog.VraagNaam(), QString());
    ASSERT_EQ(bijOpenen, QStringLiteral("Blauw"));
}

TEST(ToevoegenTest, TheTeamButtonAddsWithEnterAndNothingOnEscape)
{
    VensterVraagsteller vraagsteller;
    TForm1 form(vraagsteller);
    TToevoegen dialoog(&form);
    vraagsteller.NaamDialoog = &dialoog;
    QPushButton* knop = form.Teams()->TeamToevoegen();

    TypEnDruk(dialoog, QStringLiteral("Ajax E1"), Qt::Key_Enter);
    knop->click();
    TypEnDruk(dialoog, QStringLiteral("PSV E2"), Qt::Key_Escape);
    knop->click();
    // Another letter case is the same team.
    TypEnDruk(dialoog, QStringLiteral("ajax e1"), Qt::Key_Return);
    knop->click();

    ASSERT_EQ(form.Model().TeamLijst().size(), std::size_t(1));
    ASSERT_EQ(form.Model().TeamLijst().front()->TeamNaam, QStringLiteral("Ajax E1"));
    ASSERT_EQ(form.Teams()->title(), QStringLiteral("1 Team"));
    ASSERT_EQ(vraagsteller.Berichten().size(), 1);
    ASSERT_EQ(vraagsteller.Berichten().at(0).Titel, QStringLiteral("Fout"));
    ASSERT_EQ(vraagsteller.Berichten().at(0).Tekst, QStringLiteral("Team naam bestaat al."));
    ASSERT_TRUE(form.Model().Gewijzigd());
}
