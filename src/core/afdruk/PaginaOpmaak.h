#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class TCanvas;
struct TSchemaVeld;
struct TAfdrukGegevens;

// The printed documents, laid out on a canvas in device units: every page has the frame
// (tournament name and date above, print date, page number and product line below).
namespace PaginaOpmaak {

void DrawPageFrame(TCanvas& canvas, const TAfdrukGegevens& gegevens);
// Starts a new page with its frame and the text font.
void PaginaEinde(TCanvas& canvas, const TAfdrukGegevens& gegevens);

// The full schedule, page after page; highlights gegevens.VetTeam and its poule when set.
// With referees assigned every match carries its referee in a column of its own, and the
// highlighted team's duties follow the schedule.
void PrintSchedule(TCanvas& canvas, const TAfdrukGegevens& gegevens);
// The poules in blocks, three to a row, continued on a new page when a row would not fit.
void PrintPoules(TCanvas& canvas, const TAfdrukGegevens& gegevens);
// One note for the referee per match.
void PrintRefereeNotes(TCanvas& canvas, const TAfdrukGegevens& gegevens);
// Per referee, in the order of the referee list, a block with the name and one row per duty:
// round, time, field and match; a referee without duties says so.
void PrintScheidsrechters(TCanvas& canvas, const TAfdrukGegevens& gegevens);
// The results per round, the standings per poule and the final rankings of gegevens.Dag.
void PrintUitslagen(TCanvas& canvas, const TAfdrukGegevens& gegevens);
// The quality report of gegevens.Kwaliteit: summary lines and the team table, the worst
// value of a column in bold. Only the frame when there is no report.
void PrintKwaliteit(TCanvas& canvas, const TAfdrukGegevens& gegevens);

// The number of pages a document takes on the canvas's metrics, found by laying it out
// without drawing.
[[nodiscard]] int TelPaginas(TCanvas& meetCanvas, const TAfdrukGegevens& gegevens,
                             const std::function<void(TCanvas&, const TAfdrukGegevens&)>& document);

// Height of "GJgj" in the current font, by which row texts are centred.
[[nodiscard]] int RijTekstHoogte(TCanvas& canvas);
// Draws a text centred vertically in the row whose top is rijBoven.
void RijTekst(TCanvas& canvas, const TAfdrukGegevens& gegevens, int x, int rijBoven,
              const QString& tekst);
// Calls doe with the number (from 1), the row header and the slot entries of every round of
// the schedule, up to the first round entry that has no slots: printouts stop there.
void VoorElkeRonde(const TAfdrukGegevens& gegevens,
                   const std::function<void(int k, const QString& kop, const std::vector<TSchemaVeld>& sloten)>& doe);
// The referee of every slot, keyed by (round, field) both counted from 1 as VoorElkeRonde
// counts them, where the match standing there is the one the assignment names (its text and
// Keer). Empty without an assignment.
[[nodiscard]] QHash<std::pair<int, int>, QString> FluitersPerVak(const TAfdrukGegevens& gegevens);
// The part of tekst that fits in breedte in the current font, ending in "…" when cut.
[[nodiscard]] QString Ingekort(TCanvas& canvas, const QString& tekst, int breedte);
// Width of the label column: "XXXXXXXXXXXXXXXXX" in the text font.
[[nodiscard]] int LabelKolomBreedte(TCanvas& canvas, const TAfdrukGegevens& gegevens);

} // namespace PaginaOpmaak
