#include "hulp/QtAfdrukken.h"
#include "hulp/SchemaDocument.h"
#include "hulp/SchemaTestHulp.h"
#include "hulp/VensterVraagsteller.h"
#include "ui/afdruk/HuidigePrinter.h"
#include "ui/schema/SchemaTekstVeld.h"
#include "ui/schema/TWedstrijdSchema.h"
#include "ui/schema/Tprogress.h"

#include <QAction>
#include <QComboBox>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

using namespace SchemaTestHulp;

namespace {

struct SchemaVenster : ::testing::Test, SchemaDocument
{
    SchemaVenster()
    {
        VoegPoulesToe(model, {{"A", TeamReeks(1, 4)}, {"B", {T("A 2"), T("T6"), T("T7")}}});
        model.ZetToernooiNaam(T("Zomer"));
        Bouw();
        model.ZetGewijzigd(false);
    }

    QComboBox* VetTeam() { return venster.findChild<QComboBox*>(QStringLiteral("VetTeam")); }
    // The lines of the view that hold a marked range.
    QStringList GemarkeerdeTeksten() const
    {
        QStringList teksten;
        for (const auto& m : venster.Weergave().Markeringen())
            teksten.append(venster.Weergave().Regels().at(m.Regel).mid(m.Begin, m.Lengte));
        return teksten;
    }

    HuidigePrinter printer;
    VensterVraagsteller vragen;
    TWedstrijdSchema venster{document, printer, vragen,
                             [] { return QDateTime(QDate(2026, 12, 8), QTime(14, 0)); }};
};

} // namespace

TEST_F(SchemaVenster, NewScheduleShowsAllTeamsWithNothingHighlighted)
{
    venster.ToonNieuwSchema();
    EXPECT_TRUE(venster.isVisible());
    EXPECT_EQ(venster.windowTitle(), T("Wedstrijd schema."));
    ASSERT_EQ(VetTeam()->count(), 8);
    EXPECT_EQ(VetTeam()->itemText(0), T("Geen"));
    // -2 marks nothing and makes the next choice, "Geen" included, count as a change.
    EXPECT_EQ(venster.VetTeamIndex(), -2);
    EXPECT_TRUE(venster.Weergave().Markeringen().empty());
    EXPECT_EQ(venster.Weergave().Regels().first(), T("Zomer"));
    EXPECT_GE(venster.PageCount(), 1);
    auto* tekst = venster.findChild<SchemaTekstVeld*>(QStringLiteral("RichEdit1"));
    ASSERT_NE(tekst, nullptr);
    EXPECT_EQ(tekst->RegelAantal(), venster.Weergave().Regels().size());
}

TEST_F(SchemaVenster, ChoosingATeamMarksItAndItsPouleTypedTextMarksNothing)
{
    venster.ToonNieuwSchema();
    VetTeam()->setCurrentIndex(VetTeam()->findText(T("A 2")));
    EXPECT_EQ(venster.VetTeamIndex(), 1);
    const QStringList gemarkeerd = GemarkeerdeTeksten();
    EXPECT_TRUE(gemarkeerd.contains(T("A 2")));
    EXPECT_TRUE(gemarkeerd.contains(T("B")));

    VetTeam()->setEditText(T("niemand"));
    EXPECT_EQ(venster.VetTeamIndex(), -1);
    EXPECT_TRUE(venster.Weergave().Markeringen().empty());

    VetTeam()->setCurrentIndex(0);
    EXPECT_EQ(venster.VetTeamIndex(), 0);
    EXPECT_TRUE(venster.Weergave().Markeringen().empty());
}

TEST_F(SchemaVenster, AConfirmedFontCountsAsAChangeACancelledOneDoesNot)
{
    venster.ToonNieuwSchema();
    auto* textFont = venster.findChild<QAction*>(QStringLiteral("Textfont1"));
    ASSERT_NE(textFont, nullptr);
    textFont->trigger();
    EXPECT_FALSE(model.Gewijzigd());

    TLettertype groot = model.Lettertypen().TextFont;
    groot.Grootte = 20;
    vragen.Lettertypen.append(groot);
    textFont->trigger();
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_EQ(model.Lettertypen().TextFont.Grootte, 20);
    EXPECT_EQ(venster.Weergave().Fonts().TextFont.Grootte, 20);

    // The header font refills the view and so its page count.
    TLettertype kop = model.Lettertypen().HeaderFont;
    kop.Grootte = 40;
    vragen.Lettertypen.append(kop);
    venster.findChild<QAction*>(QStringLiteral("Headerfont1"))->trigger();
    EXPECT_EQ(venster.Weergave().RegelLettertype(0).Grootte, 40);
}

TEST_F(SchemaVenster, OpensWideEnoughForItsWidestLineAndWhollyOnTheScreen)
{
    venster.ToonNieuwSchema();
    auto* tekst = venster.findChild<SchemaTekstVeld*>(QStringLiteral("RichEdit1"));
    const QRect scherm = venster.screen()->availableGeometry();
    EXPECT_TRUE(scherm.contains(venster.frameGeometry()));
    if (tekst->NodigeBreedte() < scherm.width() - 50) {
        EXPECT_GE(tekst->width(), tekst->NodigeBreedte());
    }
}

TEST(Tprogress, RunsTheWorkOnAnotherThreadAndReturnsItsOutcome)
{
    Tprogress voortgang;
    const Qt::HANDLE hier = QThread::currentThreadId();
    Qt::HANDLE daar = hier;
    const TBouwUitkomst uitkomst = voortgang.VoerUit([&daar] {
        daar = QThread::currentThreadId();
        QThread::msleep(50);
        return TBouwUitkomst{false, QStringLiteral("reden")};
    });
    EXPECT_NE(daar, hier);
    EXPECT_FALSE(uitkomst.Gelukt);
    EXPECT_EQ(uitkomst.Reden, QStringLiteral("reden"));
    EXPECT_FALSE(voortgang.isVisible());
}

TEST(Tprogress, ElapsedTimeReadsAsAClockTime)
{
    const QString tekst = Tprogress::VerstrekenTekst(3723000);
    EXPECT_TRUE(tekst.contains(QStringLiteral("1:02:03")) || tekst.contains(QStringLiteral("01:02:03")))
        << tekst.toStdString();
}
