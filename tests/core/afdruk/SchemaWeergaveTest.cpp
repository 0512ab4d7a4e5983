#include "core/afdruk/SchemaWeergave.h"
#include "hulp/AfdrukVoorbeeld.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

namespace {

// Every character as wide as the font's point size, as on the recording canvas.
int Breedte(const QString& tekst, const TLettertype& font)
{
    return int(tekst.size()) * font.Grootte;
}

SchemaWeergave::Invoer Invoer(const AfdrukVoorbeeld& voorbeeld, int linesPerPage)
{
    SchemaWeergave::Invoer invoer;
    invoer.Schema = &voorbeeld.Schema;
    invoer.Velden = &voorbeeld.Tabel;
    invoer.ToernooiNaam = voorbeeld.Gegevens.ToernooiNaam;
    invoer.StartDatum = voorbeeld.Gegevens.StartDatum;
    invoer.PrintDatum = voorbeeld.Gegevens.PrintDatum;
    invoer.AantalVelden = voorbeeld.Gegevens.AantalVelden;
    invoer.Fonts = voorbeeld.Gegevens.Fonts;
    invoer.LinesPerPage = linesPerPage;
    invoer.SchermBreedte = Breedte;
    return invoer;
}

} // namespace

TEST(SchemaWeergave, FillViewLinesLabelsAndPageMarkers)
{
    AfdrukVoorbeeld voorbeeld(2, 2);
    SchemaWeergave weergave;
    weergave.FillView(Invoer(voorbeeld, 6));
    const QStringList verwacht{
        T("Zomer"),
        T("12/06/99"),
        QString(),
        T("  Dag 1"),
        T("Ronde 1          Veld 1: A : T1 x T2 "),
        T("09:00 - 09:20    Veld 2: A : T3 x T4 "),
        QString(),
        // Two fields and a counter of 4 leave no room for the next round on this page.
        T("    --- Volgende pagina ---"),
        T("Ronde 2          Veld 1: A : T5 x T6 "),
        T("09:25 - 09:45    Veld 2: A : T7 x T8 "),
        QString(),
        QString(),
        T("8-12-2026 14:00:00"),
    };
    EXPECT_EQ(weergave.Regels(), verwacht);
    EXPECT_EQ(weergave.PageCount(), 2);

    EXPECT_EQ(weergave.RegelLettertype(0), voorbeeld.Gegevens.Fonts.HeaderFont);
    EXPECT_EQ(weergave.RegelLettertype(1).Grootte, 7);
    EXPECT_EQ(weergave.RegelLettertype(5), voorbeeld.Gegevens.Fonts.TextFont);
    EXPECT_EQ(weergave.RegelLettertype(12), voorbeeld.Gegevens.Fonts.FooterFont);
}

TEST(SchemaWeergave, SingleSlotRoundsShowTheirTimeBelowAndEmptyRoundsStillCount)
{
    AfdrukVoorbeeld voorbeeld(3, 1);
    voorbeeld.Schema.Ronden.push_back({4, T("Ronde 4"), {}});
    SchemaWeergave weergave;
    weergave.FillView(Invoer(voorbeeld, 100));
    // Each round of one slot has its time on the line that closes it, as the printout has.
    const QStringList verwacht{
        T("  Dag 1"),
        T("Ronde 1          Veld 1: A : T1 x T2 "),
        T("09:00 - 09:20"),
        T("Ronde 2          Veld 1: A : T3 x T4 "),
        T("09:25 - 09:45"),
        T("Ronde 3          Veld 1: A : T5 x T6 "),
        T("09:50 - 10:10"),
        QString(),
    };
    EXPECT_EQ(weergave.Regels().mid(3, verwacht.size()), verwacht);
    // Day line once, three slot lines, four round closing lines, closing blank and date.
    EXPECT_EQ(weergave.Regels().size(), 3 + 1 + 3 + 4 + 2);
}

TEST(SchemaWeergave, SlotRowsBreakWhenThePageIsFull)
{
    AfdrukVoorbeeld voorbeeld(1, 5);
    SchemaWeergave weergave;
    weergave.FillView(Invoer(voorbeeld, 3));
    // Day line and two slots fill the page; then three slots; then the blank row.
    EXPECT_EQ(weergave.Regels().count(SchemaWeergave::VolgendePagina), 3);
    EXPECT_EQ(weergave.PageCount(), 4);
}

TEST(SchemaWeergave, MarkVetTeamMarksFirstOccurrencesAndResetsEarlierMarks)
{
    AfdrukVoorbeeld voorbeeld(2, 2);
    voorbeeld.Gegevens.ToernooiNaam = T("T1 toernooi");
    SchemaWeergave weergave;
    weergave.FillView(Invoer(voorbeeld, 100));

    weergave.MarkVetTeam(T("T1"), T("A"));
    using M = SchemaWeergave::Markering;
    // The name line holds "T1 " too; poule A is marked in every slot of poule A.
    const std::vector<M> verwacht{{0, 0, 2}, {4, 29, 2}, {4, 25, 1}, {5, 25, 1}, {7, 25, 1}, {8, 25, 1}};
    EXPECT_EQ(weergave.Markeringen(), verwacht);

    weergave.MarkVetTeam(T("T8"), QString());
    EXPECT_EQ(weergave.Markeringen(), (std::vector<M>{{8, 34, 2}}));

    weergave.MarkVetTeam(QString(), QString());
    EXPECT_TRUE(weergave.Markeringen().empty());
}

TEST(SchemaWeergave, SubstringMatchMarksTheEarlierOccurrence)
{
    AfdrukVoorbeeld voorbeeld(1, 1);
    voorbeeld.Schema.Ronden[0].Velden[0].Tekst = T("Veld 1: P : A 2 x A");
    SchemaWeergave weergave;
    weergave.FillView(Invoer(voorbeeld, 100));
    weergave.MarkVetTeam(T("A"), QString());
    // "A " first appears as part of "A 2"; the first "A" of the line is marked.
    ASSERT_EQ(weergave.Markeringen().size(), 1u);
    EXPECT_EQ(weergave.Markeringen()[0].Begin, 17 + 12);
}
