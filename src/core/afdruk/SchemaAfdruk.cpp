// The full schedule and the per-team schedule on paper.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/model/RondeKop.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"

namespace PaginaOpmaak {

namespace {

// Draws the piece of rest before the first occurrence of naam in the text font, then naam in
// the highlight font, and leaves in rest what follows it.
void MarkeerEerste(TCanvas& canvas, const TAfdrukGegevens& gegevens, int& x, int rijBoven,
                   QString& rest, const QString& naam)
{
    const qsizetype plek = rest.indexOf(naam);
    if (naam.isEmpty() || plek < 0)
        return;
    const QString voor = rest.left(plek);
    RijTekst(canvas, gegevens, x, rijBoven, voor);
    x += canvas.TekstBreedte(voor);
    canvas.ZetLettertype(gegevens.Fonts.VetTeamFont);
    RijTekst(canvas, gegevens, x, rijBoven, naam);
    x += canvas.TekstBreedte(naam);
    canvas.ZetLettertype(gegevens.Fonts.TextFont);
    rest = rest.mid(plek + naam.size());
}

void TekenSlot(TCanvas& canvas, const TAfdrukGegevens& gegevens, int x, int rijBoven,
               const QString& tekst)
{
    if (gegevens.VetTeam.isEmpty()) {
        RijTekst(canvas, gegevens, x, rijBoven, tekst);
        return;
    }
    QString rest = tekst;
    MarkeerEerste(canvas, gegevens, x, rijBoven, rest, gegevens.VetPoule);
    MarkeerEerste(canvas, gegevens, x, rijBoven, rest, gegevens.VetTeam);
    RijTekst(canvas, gegevens, x, rijBoven, rest);
}

} // namespace

void PrintSchedule(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    DrawPageFrame(canvas, gegevens);
    const int kolom = LabelKolomBreedte(canvas, gegevens);

    int rijBoven = maten.HeaderHeight;
    int teller = 0;
    QString vorigeDag = QStringLiteral("0");
    // A page break resets the rows at once; the new sheet is started only when something is
    // drawn on it, so a schedule that ends at a break leaves no empty page behind.
    bool nieuwBlad = false;
    auto breek = [&] {
        teller = 0;
        rijBoven = maten.HeaderHeight;
        nieuwBlad = true;
    };
    auto teken = [&] {
        if (nieuwBlad) {
            PaginaEinde(canvas, gegevens);
            nieuwBlad = false;
        }
    };

    VoorElkeRonde(gegevens, [&](int k, const QString& kop, const std::vector<TSchemaVeld>& sloten) {
        teken();
        const QString dag = RondeKop::DagTekst(kop);
        if (dag != vorigeDag) {
            RijTekst(canvas, gegevens, 0, rijBoven, QStringLiteral("  Dag ") + dag);
            vorigeDag = dag;
            ++teller;
            rijBoven += maten.LineHeight;
        }
        RijTekst(canvas, gegevens, 0, rijBoven, QStringLiteral("Ronde ") + QString::number(k));
        RijTekst(canvas, gegevens, 0, rijBoven + maten.LineHeight, RondeKop::TijdBereik(kop));
        for (const auto& slot : sloten) {
            teken();
            TekenSlot(canvas, gegevens, kolom, rijBoven, slot.Tekst);
            ++teller;
            rijBoven += maten.LineHeight;
            if (teller >= maten.LinesPerPage)
                breek();
        }
        ++teller;
        rijBoven += maten.LineHeight;
        if (gegevens.AantalVelden + teller >= maten.LinesPerPage)
            breek();
    });
}

} // namespace PaginaOpmaak
