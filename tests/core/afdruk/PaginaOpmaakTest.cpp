#include "core/afdruk/PaginaOpmaak.h"
#include "hulp/AfdrukVoorbeeld.h"
#include "hulp/OpnameCanvas.h"
#include "hulp/QtAfdrukken.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>

using namespace PaginaOpmaak;

namespace {

QStringList Regels(std::initializer_list<const char*> regels)
{
    QStringList lijst;
    for (const char* regel : regels)
        lijst.append(T(regel));
    return lijst;
}

const QStringList Kader = Regels({
    "0,0 10 Zomer",
    "0,20 7 12/06/99",
    "lijn 0,45 300,45 pen 2 -2147483640 --",
    "77,208 5 Geprint op 8-12-2026 14:00:00",
    "230,208 5 Pagina 1 van 3",
    "0,208 8 Rondoplan 1.4",
    "lijn 0,203 300,203 pen 2 -2147483640 --",
});

} // namespace

TEST(PaginaOpmaak, MeasurePageFromFontHeights)
{
    OpnameCanvas printer(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 1);
    const TPaginaMaten maten = TPaginaMaten::MeasurePage(printer, voorbeeld.Gegevens.Fonts);
    // Header 2 x 20 + 12, footer 10 + 12, rows the larger of 8 and 13 (bold highlight font).
    EXPECT_EQ(maten, (TPaginaMaten{52, 22, 13, 12}));
}

TEST(PaginaOpmaak, FrameHasNameDateFooterTextsAndRules)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 1);
    voorbeeld.Gegevens.PageCount = 3;
    DrawPageFrame(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Opname, Kader);
}

TEST(PaginaOpmaak, ScheduleFitsOnePageWithLabelsAndCentredRows)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(3, 2);
    voorbeeld.Gegevens.PageCount = 3;
    // A round without slots ends the printout.
    voorbeeld.Schema.Ronden.push_back({4, T("Ronde 4"), {}});
    PrintSchedule(canvas, voorbeeld.Gegevens);
    QStringList verwacht = Kader;
    verwacht += Regels({
        "0,54 4   Dag 1",
        "0,67 4 Ronde 1",
        "0,80 4 09:00 - 09:20",
        "68,67 4 Veld 1: A : T1 x T2",
        "68,80 4 Veld 2: A : T3 x T4",
        "0,106 4 Ronde 2",
        "0,119 4 09:25 - 09:45",
        "68,106 4 Veld 1: A : T5 x T6",
        "68,119 4 Veld 2: A : T7 x T8",
        "0,145 4 Ronde 3",
        "0,158 4 09:50 - 10:10",
        "68,145 4 Veld 1: A : T9 x T10",
        "68,158 4 Veld 2: A : T11 x T12",
    });
    // The last round ends exactly at a page break: no empty page follows.
    EXPECT_EQ(canvas.Opname, verwacht);
}

TEST(PaginaOpmaak, ScheduleBreaksInsideARoundAndCountsItsPages)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(2, 5);
    voorbeeld.Gegevens.Maten.LinesPerPage = 4;
    // Page 1: day line and three slots; page 2: two slots and the blank row; page 3: four
    // slots of round 2; page 4: its last slot. The break after that starts no page.
    EXPECT_EQ(TelPaginas(canvas, voorbeeld.Gegevens, PrintSchedule), 4);
    EXPECT_TRUE(canvas.Opname.isEmpty());

    voorbeeld.Gegevens.PageCount = 4;
    PrintSchedule(canvas, voorbeeld.Gegevens);
    const qsizetype tweede = canvas.Opname.indexOf(T("--- pagina 2"));
    ASSERT_GT(tweede, 0);
    // Slots 4 and 5 of round 1 continue on page 2 without labels.
    EXPECT_EQ(canvas.Opname.mid(tweede + 1 + Kader.size(), 2),
              Regels({"68,54 4 Veld 4: A : T7 x T8", "68,67 4 Veld 5: A : T9 x T10"}));
    EXPECT_EQ(canvas.Met(T("Pagina 4 van 4")).size(), 1);
    EXPECT_TRUE(canvas.Met(T("--- pagina 5")).isEmpty());
}

TEST(PaginaOpmaak, HighlightMarksThePouleThenTheTeam)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 2);
    voorbeeld.Gegevens.VetTeam = T("T2");
    voorbeeld.Gegevens.VetPoule = T("A");
    PrintSchedule(canvas, voorbeeld.Gegevens);
    const QStringList body = canvas.Opname.mid(Kader.size() + 3);
    // Pieces in the highlight font are centred by their own height (13): offset 0.
    EXPECT_EQ(body, Regels({
                        "68,67 4 Veld 1: ",
                        "100,65 6b A",
                        "106,67 4  : T1 x ",
                        "138,65 6b T2",
                        "150,67 4 ",
                        "68,80 4 Veld 2: ",
                        "100,78 6b A",
                        "106,80 4  : T3 x T4",
                    }));
}

TEST(PaginaOpmaak, PoulesInRowsOfThreeAndTeamNamesNeverBold)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 1);
    voorbeeld.Gegevens.Fonts.TextFont.Vet = true;
    voorbeeld.Gegevens.Poules = {{T("A"), {T("T1"), T("T2")}},
                                 {T("B"), {T("T3")}},
                                 {T("C"), {T("T4"), T("T5"), T("T6")}},
                                 {T("D"), {T("T7")}},
                                 {T("E"), {}},
                                 {T("F"), {T("T8")}}};
    PrintPoules(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Opname.mid(Kader.size()), Regels({
                                                   "48,52 4b A",
                                                   "46,65 4 T1",
                                                   "46,78 4 T2",
                                                   "148,52 4b B",
                                                   "146,65 4 T3",
                                                   "248,52 4b C",
                                                   "246,65 4 T4",
                                                   "246,78 4 T5",
                                                   "246,91 4 T6",
                                                   // Lowest block ends at 104; one blank row.
                                                   "48,117 4b D",
                                                   "46,130 4 T7",
                                               }));
}

TEST(PaginaOpmaak, PouleRowThatWouldPassTheBodyGoesToTheNextPage)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 1);
    std::vector<TPouleBlok> poules;
    for (const char* naam : {"A", "B", "C", "D"})
        poules.push_back({T(naam), {T("1"), T("2"), T("3"), T("4"), T("5"), T("6")}});
    voorbeeld.Gegevens.Poules = poules;
    EXPECT_EQ(TelPaginas(canvas, voorbeeld.Gegevens, PrintPoules), 2);
    voorbeeld.Gegevens.PageCount = 2;
    PrintPoules(canvas, voorbeeld.Gegevens);
    const qsizetype tweede = canvas.Opname.indexOf(T("--- pagina 2"));
    ASSERT_GT(tweede, 0);
    EXPECT_EQ(canvas.Opname.at(tweede + 1 + Kader.size()), T("48,52 4b D"));
}

TEST(PaginaOpmaak, RefereeNotesForMatchesOnly)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 3);
    voorbeeld.Schema.Ronden[0].Velden[1] = {T("Veld 2: Geen wedstrijd"), std::nullopt};
    voorbeeld.Schema.Ronden[0].Velden[2].Tekst = T("Veld 3: Kr. AB1:Nummer 1 P x Nummer 2 Q");
    PrintRefereeNotes(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Opname.mid(Kader.size()), Regels({
                                                   "0,54 4   Dag 1",
                                                   "68,54 4 Scheidsechter:",
                                                   "0,67 4 Ronde 1",
                                                   "0,80 4 09:00 - 09:20",
                                                   "68,80 4 Score team: T1",
                                                   "0,93 4 Veld 1",
                                                   "68,93 4 Score team: T2",
                                                   "0,106 4 A ",
                                                   "lijn 0,123 300,123 pen 1 -2147483640 -.",
                                                   "0,132 4   Dag 1",
                                                   "68,132 4 Scheidsechter:",
                                                   "0,145 4 Ronde 1",
                                                   "0,158 4 09:00 - 09:20",
                                                   "68,158 4 Score team: Nummer 1 P",
                                                   "0,171 4 Veld 3",
                                                   "68,171 4 Score team: Nummer 2 Q",
                                                   "0,184 4 Kr. AB1",
                                               }));

    // A match's referee follows the label; a match without one keeps the bare label.
    voorbeeld.Gegevens.Scheidsrechters = {{1, 3, 1, T("Kr. AB1:Nummer 1 P x Nummer 2 Q"), T("Jan de Vries")}};
    canvas.Opname.clear();
    PrintRefereeNotes(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Met(T("68,")).filter(T("Scheids")),
              Regels({"68,54 4 Scheidsechter:", "68,132 4 Scheidsechter: Jan de Vries"}));
}

TEST(PaginaOpmaak, RefereeNotesStartANewPageWhenTheyDoNotFit)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(5, 1);
    // Twelve rows take two notes a page.
    EXPECT_EQ(TelPaginas(canvas, voorbeeld.Gegevens, PrintRefereeNotes), 3);
    // Too few rows for even one note: still one note on every page.
    voorbeeld.Gegevens.Maten.LinesPerPage = 3;
    EXPECT_EQ(TelPaginas(canvas, voorbeeld.Gegevens, PrintRefereeNotes), 5);
    PrintRefereeNotes(canvas, voorbeeld.Gegevens);
    EXPECT_TRUE(canvas.Met(T("lijn 0,")).filter(T("-.")).isEmpty());
}

TEST(PaginaOpmaak, AOneDigitPouleNameIsMarkedInsideTheFieldNumberFirst)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(1, 1);
    voorbeeld.Schema.Ronden[0].Velden[0].Tekst = T("Veld 1: 1 : T1 x T2");
    voorbeeld.Gegevens.VetTeam = T("T2");
    voorbeeld.Gegevens.VetPoule = T("1");
    PrintSchedule(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Opname.mid(Kader.size() + 3), Regels({
                                                       "68,67 4 Veld ",
                                                       "88,65 6b 1",
                                                       "94,67 4 : 1 : T1 x ",
                                                       "138,65 6b T2",
                                                       "150,67 4 ",
                                                   }));
}
