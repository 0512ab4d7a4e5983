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

// Two rounds on two fields: T1 referees all of round 2, T5 field 2 of round 1; the last entry
// names a match that no longer stands at its place.
QList<TScheidsToewijzing> Toewijzing()
{
    return {{1, 2, 1, T("A : T3 x T4"), T("T5")},
            {2, 1, 1, T("A : T5 x T6"), T("T1")},
            {2, 2, 1, T("A : T7 x T8"), T("T1")},
            {1, 1, 1, T("A : T9 x T10"), T("T3")}};
}

} // namespace

TEST(ScheidsrechterAfdruk, ScheduleLinesCarryTheirRefereeAndATeamScheduleEndsInItsDuties)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(2, 2);
    voorbeeld.Gegevens.Scheidsrechters = Toewijzing();
    PrintSchedule(canvas, voorbeeld.Gegevens);
    // The column stands two characters right of the widest match (68 + 76 + 8), its heading
    // just above the header's rule.
    EXPECT_EQ(canvas.Met(T("152,")),
              Regels({"152,35 4 Scheidsrechter", "152,80 4 T5", "152,106 4 T1", "152,119 4 T1"}));
    EXPECT_TRUE(canvas.Met(T("Fluiten")).isEmpty());

    // On T1's schedule the highlighted pieces make the matches wider; T1 stands out as referee
    // too, and its duties follow the schedule after a blank row.
    canvas.Opname.clear();
    voorbeeld.Gegevens.VetTeam = T("T1");
    voorbeeld.Gegevens.VetPoule = T("A");
    PrintSchedule(canvas, voorbeeld.Gegevens);
    EXPECT_EQ(canvas.Met(T("158,")),
              Regels({"158,35 4 Scheidsrechter", "158,80 4 T5", "158,104 6b T1", "158,117 6b T1"}));
    EXPECT_EQ(canvas.Opname.mid(canvas.Opname.size() - 4), Regels({
                                                               "0,145 4 09:25 - 09:45",
                                                               "68,145 4 Fluiten: ronde 2, veld 1",
                                                               "0,158 4 09:25 - 09:45",
                                                               "68,158 4 Fluiten: ronde 2, veld 2",
                                                           }));

    // A long name on a narrow page is set smaller and cut: no text reaches past the page.
    OpnameCanvas smal(180, 230);
    voorbeeld.Gegevens.Scheidsrechters[0].Naam = T("Jan de Vries van Oranje-Nassau tot Amsterdam");
    PrintSchedule(smal, voorbeeld.Gegevens);
    for (const QString& regel : smal.Opname) {
        if (regel.startsWith(T("lijn")) || regel.startsWith(T("---")))
            continue;
        const int x = regel.section(u',', 0, 0).toInt();
        const int grootte = regel.section(u' ', 1, 1).remove(u'b').toInt();
        EXPECT_LE(x + grootte * int(regel.section(u' ', 2).size()), 180) << regel.toStdString();
    }
    EXPECT_EQ(smal.Met(T(": T3 x T4")), Regels({"88,82 2  : T3 x T4"}));
    ASSERT_EQ(smal.Met(T("Jan de")).size(), 1);
    EXPECT_TRUE(smal.Met(T("Jan de")).first().endsWith(T("…")));
}

TEST(ScheidsrechterAfdruk, EveryDutyOnceUnderItsRefereeInTheOrderOfTheList)
{
    OpnameCanvas canvas(300, 230);
    AfdrukVoorbeeld voorbeeld(2, 2);
    voorbeeld.Gegevens.Scheidsrechters = Toewijzing();
    voorbeeld.Gegevens.Scheidsrechters.append({1, 1, 1, T("A : T1 x T2"), T("Kees")});
    voorbeeld.Gegevens.ScheidsrechterNamen = {T("T1"), T("T5"), T("Piet"), T("T3")};
    PrintScheidsrechters(canvas, voorbeeld.Gegevens);
    // Round, time and match in columns as wide as their widest text and two characters. T3's
    // entry names a match that no longer stands there; Kees, whom the list lacks, follows it
    // on the next page: its block does not fit below T3's.
    const qsizetype tweede = canvas.Opname.indexOf(T("--- pagina 2"));
    ASSERT_EQ(tweede, 7 + 15);
    EXPECT_EQ(canvas.Opname.mid(7, 15), Regels({
                                            "0,54 4b T1",
                                            "0,67 4 Ronde 2",
                                            "36,67 4 09:25 - 09:45",
                                            "96,67 4 Veld 1: A : T5 x T6",
                                            "0,80 4 Ronde 2",
                                            "36,80 4 09:25 - 09:45",
                                            "96,80 4 Veld 2: A : T7 x T8",
                                            "0,106 4b T5",
                                            "0,119 4 Ronde 1",
                                            "36,119 4 09:00 - 09:20",
                                            "96,119 4 Veld 2: A : T3 x T4",
                                            "0,145 4b Piet",
                                            "0,158 4 geen wedstrijden",
                                            "0,184 4b T3",
                                            "0,197 4 geen wedstrijden",
                                        }));
    EXPECT_EQ(canvas.Opname.mid(tweede + 1 + 7), Regels({
                                                     "0,54 4b Kees",
                                                     "0,67 4 Ronde 1",
                                                     "36,67 4 09:00 - 09:20",
                                                     "96,67 4 Veld 1: A : T1 x T2",
                                                 }));
    voorbeeld.Gegevens.Maten.LinesPerPage = 5;
    EXPECT_EQ(TelPaginas(canvas, voorbeeld.Gegevens, PrintScheidsrechters), 3);
}
