#include "core/afdruk/PaginaOpmaak.h"
#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/model/TTeamDetails.h"
#include "hulp/AfdrukVoorbeeld.h"
#include "hulp/OpnameCanvas.h"
#include "hulp/Tekst.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Four teams of one poule: T2 plays most back-to-back, T3 has the longest wait.
struct KwaliteitVoorbeeld : AfdrukVoorbeeld
{
    KwaliteitVoorbeeld() : AfdrukVoorbeeld(1, 1)
    {
        Kwaliteit.Ronden = 12;
        Kwaliteit.Ondergrens.Ronden = 10;
        Kwaliteit.Einde = {T("1"), T("12:35")};
        const int waarden[4][7] = {
            {3, 1, 9, 1, 2, 2, 1}, {3, 2, 12, 3, 1, 4, 2}, {3, 1, 11, 0, 5, 1, 1}, {3, 3, 10, 1, 3, 2, 2}};
        for (int i = 0; i < 4; ++i) {
            Namen.push_back(std::make_unique<TTeamDetails>(QStringLiteral("T%1").arg(i + 1)));
            const auto* w = waarden[i];
            Kwaliteit.Teams.push_back({Namen.back().get(), T("A"), w[0], w[1], w[2], w[3], w[4], w[5], w[6]});
        }
        Gegevens.Kwaliteit = &Kwaliteit;
    }

    std::vector<std::unique_ptr<TTeamDetails>> Namen;
    TSchemaKwaliteit Kwaliteit;
};

// The cells drawn for a team: the recorded lines from its name on, one per column.
QStringList Rij(const QStringList& opname, const char* team)
{
    const auto naam = std::find_if(opname.begin(), opname.end(),
                                   [team](const QString& regel) { return regel.endsWith(u' ' + T(team)); });
    return naam == opname.end() ? QStringList() : opname.mid(int(naam - opname.begin()), 9);
}

} // namespace

TEST(KwaliteitAfdruk, SummaryTableWorstValuesAndPageBreakWithHeader)
{
    KwaliteitVoorbeeld voorbeeld;
    voorbeeld.Gegevens.PageCount = 2;
    OpnameCanvas canvas(300, 230);
    PaginaOpmaak::PrintKwaliteit(canvas, voorbeeld.Gegevens);
    const QStringList& opname = canvas.Opname;

    // The frame on both pages, the title in bold, the summary with the gap and the end.
    EXPECT_EQ(canvas.Met(T("Pagina ")), QStringList({T("230,208 5 Pagina 1 van 2"), T("230,208 5 Pagina 2 van 2")}));
    EXPECT_EQ(canvas.Met(T("Kwaliteit van het schema")), QStringList({T("0,54 4b Kwaliteit van het schema")}));
    EXPECT_EQ(canvas.Met(T("verschil")),
              QStringList({T("208,93 4 10 ronden (verschil 2)"), T("208,132 4 0 (verschil 5)")}));
    EXPECT_EQ(canvas.Met(T("12:35")), QStringList({T("208,106 4 dag 1 om 12:35")}));
    EXPECT_TRUE(opname.contains(T("208,158 4 1"))) << "one team plays three rounds in a row";

    // One row fits below the summary; the rest follows the header again on page 2.
    ASSERT_EQ(canvas.Met(T(" 4b Team")).size(), 2);
    const int pagina2 = int(opname.indexOf(T("--- pagina 2")));
    ASSERT_GT(pagina2, 0);
    EXPECT_LT(opname.indexOf(Rij(opname, "T1").value(0)), pagina2);
    EXPECT_GT(opname.indexOf(Rij(opname, "T2").value(0)), pagina2);
    EXPECT_EQ(Rij(opname, "T2").value(0), T("0,67 4 T2"));

    // Columns: team, poule, matches, first, last, back-to-back, wait, run, fields. The worst
    // of the marked columns is bold; numbers stand right-aligned.
    const QStringList t2 = Rij(opname, "T2");
    const QStringList t3 = Rij(opname, "T3");
    ASSERT_EQ(t2.size(), 9);
    ASSERT_EQ(t3.size(), 9);
    EXPECT_TRUE(t2[4].contains(T(" 4b 12"))) << t2[4].toStdString();
    EXPECT_TRUE(t2[5].contains(T(" 4b 3")));
    EXPECT_TRUE(t2[7].contains(T(" 4b 4")));
    EXPECT_TRUE(t3[6].contains(T(" 4b 5")));
    EXPECT_TRUE(t3[4].contains(T(" 4 11")));
    // Matches and fields are not marked, even where they differ.
    EXPECT_TRUE(t2[8].contains(T(" 4 2")));
    const QStringList t1 = Rij(opname, "T1");
    EXPECT_EQ(t1[4].section(u',', 0, 0).toInt(), t2[4].section(u',', 0, 0).toInt() + 4);
}

TEST(KwaliteitAfdruk, WithoutReportOnlyTheFrame)
{
    AfdrukVoorbeeld voorbeeld(1, 1);
    OpnameCanvas canvas(300, 230);
    PaginaOpmaak::PrintKwaliteit(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Opname.size(), 7);
}

TEST(KwaliteitAfdruk, ATableWiderThanThePageIsSetSmaller)
{
    KwaliteitVoorbeeld voorbeeld;
    OpnameCanvas canvas(200, 400);
    PaginaOpmaak::PrintKwaliteit(canvas, voorbeeld.Gegevens);
    // 268 wide in size 4, so size 3 (201) is still too wide and size 2 fits.
    ASSERT_EQ(canvas.Met(T("b Team")).size(), 1);
    EXPECT_TRUE(canvas.Met(T("b Team")).value(0).endsWith(T(" 2b Team")));
    EXPECT_TRUE(canvas.Met(T("Gebruikte ronden:")).value(0).contains(T(" 4 Gebruikte")));
    EXPECT_TRUE(canvas.Met(T(" T4")).value(0).contains(T(" 2 T4")));
}
