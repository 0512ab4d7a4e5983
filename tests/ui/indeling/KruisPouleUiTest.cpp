#include "hulp/QtAfdrukken.h"
#include "hulp/UiHulp.h"
#include "ui/indeling/PouleDetailsTab.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace UiHulp;

namespace {

struct Opstelling
{
    VensterVraagsteller Vraagsteller;
    TForm1 Form{Vraagsteller};

    explicit Opstelling(const QStringList& poules) { VoegPoulesToe(Form, Vraagsteller, poules); }

    TPouleDetails* P(int i) const { return Form.Model().PouleLijst()[std::size_t(i)]->Details.get(); }
    // The position of poule i's partner in the partner list.
    int Partner(int i) const { return Form.Model().KruisPositie(P(i)->KruisPoule); }
    QComboBox* Selector() const { return Form.PouleTab()->findChild<QComboBox*>(QStringLiteral("KruisPoule")); }
    void Toon(int poule) { Form.Poules()->PouleLijst()->Selecteer({poule, -1}); }
    // An entry chosen by the organiser, as the drop-down list reports it.
    void Kies(int positie)
    {
        Selector()->setCurrentIndex(positie);
        emit Selector()->activated(positie);
    }
};

} // namespace

// The partner controls of the poule tab with the real selector and choice.
TEST(KruisPouleUiTest, ChoosingALinkedPouleAsksBeforeBreakingTheLink)
{
    Opstelling o({T("P1"), T("P2"), T("P3")});
    o.Toon(0);
    o.Kies(2);
    ASSERT_TRUE(o.Vraagsteller.Berichten().isEmpty());
    ASSERT_EQ(o.Partner(1), 1);
    ASSERT_EQ(o.Partner(0), 0); // P1 follows when the tab is written
     o.Toon(2);
    ASSERT_EQ(o.Partner(0), 2);

    // No: every link stays; P3 only names P2 itself once its tab is written.
    o.Vraagsteller.Nee();
    o.Kies(2);
    ASSERT_EQ(o.Vraagsteller.Berichten().size(), 1);
    ASSERT_EQ(o.Vraagsteller.Berichten().at(0).Titel, T("Waarschuwing!"));
    ASSERT_EQ(o.Vraagsteller.Berichten().at(0).Tekst,
              T("P2 is al verbonden met P1.\n\rMag deze link verbroken worden?"));
    ASSERT_EQ(o.Selector()->currentText(), T("P2"));
    ASSERT_EQ(o.Partner(0), 2);
    ASSERT_EQ(o.Partner(1), 1);

    // Yes: P1 loses its partner and P2 names P3.
    o.Kies(0);
    o.Vraagsteller.Ja();
    o.Kies(2);
    ASSERT_EQ(o.Partner(0), 0);
    ASSERT_EQ(o.Partner(1), 3);
    o.Form.BewaarDetails();
    ASSERT_EQ(o.Partner(2), 2);
    ASSERT_TRUE(o.Vraagsteller.Fouten.isEmpty());
}

TEST(KruisPouleUiTest, ChoosingItselfUndoesBothSidesOfTheLink)
{
    Opstelling o({T("P1"), T("P2")});
    o.Toon(0);
    o.Kies(2);
    o.Toon(1);
    o.Toon(0);
    ASSERT_EQ(o.Partner(0), 2);
    o.Vraagsteller.Ja();
    o.Kies(1);
    ASSERT_EQ(o.Vraagsteller.Berichten().at(0).Tekst,
              T("P1 is al verbonden met P2.\n\rMag deze link verbroken worden?"));
    ASSERT_EQ(o.Selector()->currentText(), T("Geen"));
    o.Form.BewaarDetails();
    ASSERT_EQ(o.Partner(0), 0);
    ASSERT_EQ(o.Partner(1), 0);
}

TEST(KruisPouleUiTest, RemovingAPouleRenumbersTheLinksAndTheSelector)
{
    Opstelling o({T("P1"), T("P2"), T("P3"), T("P4")});
    o.Toon(2);
    o.Kies(4);
    o.Toon(0);
    o.Toon(2);
    ASSERT_EQ(o.Selector()->currentText(), T("P4"));

    o.Form.Poules()->PouleLijst()->Selecteer({1, -1});
    o.Form.Poules()->PouleVerwijderen()->click();
    ASSERT_EQ(o.Selector()->count(), 4);
    // P3 and P4 are at positions 2 and 3 now and still name each other.
    o.Toon(1);
    ASSERT_EQ(o.Partner(1), 3);
    ASSERT_EQ(o.Partner(2), 2);
    ASSERT_EQ(o.Selector()->currentText(), T("P4"));

    // The poule shown loses its partner when the partner goes.
    o.Form.Poules()->PouleLijst()->Selecteer({2, -1});
    o.Form.Poules()->PouleVerwijderen()->click();
    o.Toon(1);
    ASSERT_EQ(o.Partner(1), 0);
    ASSERT_EQ(o.Selector()->currentText(), T("Geen"));
}

TEST(KruisPouleUiTest, TheCrossTypeIsCopiedOnlyWhenTheOrganiserSetsIt)
{
    Opstelling o({T("P1"), T("P2")});
    o.Toon(0);
    o.Kies(2);
    o.Toon(1);
    o.Toon(0);
    // As a file may leave it: the partners disagree about the type.
    o.P(1)->KruisPouleCompetitieType = TKruisPouleCompetitieType::DubbeleWedstrijden;
    o.Form.Model().ZetGewijzigd(false);
    o.Toon(1);
    o.Toon(0);
    ASSERT_EQ(o.P(1)->KruisPouleCompetitieType, TKruisPouleCompetitieType::DubbeleWedstrijden);
    ASSERT_EQ(o.P(0)->KruisPouleCompetitieType, TKruisPouleCompetitieType::EnkeleWedstrijden);
    ASSERT_TRUE(!o.Form.Model().Gewijzigd());

    // Set by the organiser on P2's tab, the type goes to P1 at once.
    o.Toon(1);
    auto* enkel = o.Form.PouleTab()->findChild<QRadioButton*>(QStringLiteral("KruisPouleCompetitieType0"));
    enkel->click();
    ASSERT_EQ(o.P(0)->KruisPouleCompetitieType, TKruisPouleCompetitieType::EnkeleWedstrijden);
    auto* dubbel = o.Form.PouleTab()->findChild<QRadioButton*>(QStringLiteral("KruisPouleCompetitieType1"));
    dubbel->click();
    ASSERT_EQ(o.P(0)->KruisPouleCompetitieType, TKruisPouleCompetitieType::DubbeleWedstrijden);
    ASSERT_TRUE(o.Form.Model().Gewijzigd());
}
