// The referee notes: one small form per match, to cut from the page.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/model/RondeKop.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"

namespace PaginaOpmaak {

namespace {

struct Delen
{
    QString Veld;
    QString Poule;
    QString Team1;
    QString Team2;
};

// Cuts the text before the first occurrence of the separator off tekst, together with the
// separator. Without the separator the part is empty and tekst stays as it is.
QString Knip(QString& tekst, const QString& scheiding)
{
    const qsizetype plek = tekst.indexOf(scheiding);
    if (plek < 0)
        return {};
    const QString deel = tekst.left(plek);
    tekst.remove(0, plek + scheiding.size());
    return deel;
}

Delen Splits(const QString& slot)
{
    QString rest = slot;
    Delen delen;
    delen.Veld = Knip(rest, QStringLiteral(": "));
    delen.Poule = Knip(rest, QStringLiteral(":"));
    if (rest.startsWith(u' '))
        rest.remove(0, 1);
    delen.Team1 = Knip(rest, QStringLiteral(" x "));
    delen.Team2 = rest;
    return delen;
}

} // namespace

void PrintRefereeNotes(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    const int regel = maten.LineHeight;
    DrawPageFrame(canvas, gegevens);
    const int kolom = LabelKolomBreedte(canvas, gegevens);

    const auto fluiters = FluitersPerVak(gegevens);

    int boven = maten.HeaderHeight;
    int gebruikt = 0;
    VoorElkeRonde(gegevens, [&](int k, const QString& kop, const std::vector<TSchemaVeld>& sloten) {
        int veldNummer = 0;
        for (const auto& slot : sloten) {
            ++veldNummer;
            // Empty slots need no referee.
            if (!slot.Wedstrijd)
                continue;
            // A note whose five text rows do not fit in the body starts a new page; a page
            // always takes at least one note.
            if (gebruikt > 0 && gebruikt + 5 > maten.LinesPerPage) {
                PaginaEinde(canvas, gegevens);
                gebruikt = 0;
                boven = maten.HeaderHeight;
            }
            const Delen delen = Splits(slot.Tekst);
            RijTekst(canvas, gegevens, 0, boven, QStringLiteral("  Dag ") + RondeKop::DagTekst(kop));
            const QString fluiter = fluiters.value({k, veldNummer});
            RijTekst(canvas, gegevens, kolom, boven,
                     fluiter.isEmpty() ? QStringLiteral("Scheidsechter:") : QStringLiteral("Scheidsechter: ") + fluiter);
            RijTekst(canvas, gegevens, 0, boven + regel, QStringLiteral("Ronde ") + QString::number(k));
            RijTekst(canvas, gegevens, 0, boven + 2 * regel, RondeKop::TijdBereik(kop));
            RijTekst(canvas, gegevens, kolom, boven + 2 * regel, QStringLiteral("Score team: ") + delen.Team1);
            RijTekst(canvas, gegevens, 0, boven + 3 * regel, delen.Veld);
            RijTekst(canvas, gegevens, kolom, boven + 3 * regel, QStringLiteral("Score team: ") + delen.Team2);
            RijTekst(canvas, gegevens, 0, boven + 4 * regel, delen.Poule);
            // The cutting line goes only between two notes of the same page.
            if (gebruikt + 6 + 5 <= maten.LinesPerPage) {
                canvas.ZetPen(1, gegevens.Fonts.HeaderFont.Kleur, TPenStijl::StreepPunt);
                const int y = boven + 5 * regel + regel / 2;
                canvas.Lijn(0, y, canvas.PaginaBreedte(), y);
            }
            gebruikt += 6;
            boven += 6 * regel;
        }
    });
}

} // namespace PaginaOpmaak
