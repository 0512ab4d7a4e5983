// The full schedule and the per-team schedule on paper.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/model/RondeKop.h"
#include "core/model/VeldenEnRonden.h"
#include "core/schema/TSchemaBoom.h"

#include <QList>
#include <algorithm>
#include <utility>

namespace PaginaOpmaak {

namespace {

// The fonts of the match rows and the referee column. Without referees the match rows have
// the text and highlight fonts; with them all of a row is set smaller where the matches and
// the referees would not fit side by side on the page.
struct RegelOpmaak
{
    TLettertype Tekst;
    TLettertype Vet;
    // The referee of each slot, (round, field) from 1; empty without referees.
    QHash<std::pair<int, int>, QString> Fluiters;
    int FluitX = 0;
    int FluitBreedte = 0;
};

// Draws (or with teken false only measures) the piece of rest before the first occurrence of
// naam in the text font, then naam in the highlight font, and leaves in rest what follows it.
void MarkeerEerste(TCanvas& canvas, const TAfdrukGegevens& gegevens, const RegelOpmaak& opmaak, int& x,
                   int rijBoven, QString& rest, const QString& naam, bool teken)
{
    const qsizetype plek = rest.indexOf(naam);
    if (naam.isEmpty() || plek < 0)
        return;
    const QString voor = rest.left(plek);
    if (teken)
        RijTekst(canvas, gegevens, x, rijBoven, voor);
    x += canvas.TekstBreedte(voor);
    canvas.ZetLettertype(opmaak.Vet);
    if (teken)
        RijTekst(canvas, gegevens, x, rijBoven, naam);
    x += canvas.TekstBreedte(naam);
    canvas.ZetLettertype(opmaak.Tekst);
    rest = rest.mid(plek + naam.size());
}

// Draws a slot's text from x, or with teken false only measures it; returns where it ends.
// The canvas is left in the row's text font.
int TekenSlot(TCanvas& canvas, const TAfdrukGegevens& gegevens, const RegelOpmaak& opmaak, int x,
              int rijBoven, const QString& tekst, bool teken)
{
    canvas.ZetLettertype(opmaak.Tekst);
    QString rest = tekst;
    if (!gegevens.VetTeam.isEmpty()) {
        MarkeerEerste(canvas, gegevens, opmaak, x, rijBoven, rest, gegevens.VetPoule, teken);
        MarkeerEerste(canvas, gegevens, opmaak, x, rijBoven, rest, gegevens.VetTeam, teken);
    }
    if (teken)
        RijTekst(canvas, gegevens, x, rijBoven, rest);
    return x + canvas.TekstBreedte(rest);
}

const QString FluitKop = QStringLiteral("Scheidsrechter");

// The referee column starts two characters right of the widest match, under its heading.
// When matches and referees do not fit side by side, the rows are set a point smaller at a
// time, down to two thirds of the text font; names still too wide are cut to the page. A
// page too narrow for even a short name puts the column over the ends of the longest matches
// rather than off the page.
RegelOpmaak MaakRegelOpmaak(TCanvas& canvas, const TAfdrukGegevens& gegevens, int kolom)
{
    RegelOpmaak opmaak{gegevens.Fonts.TextFont, gegevens.Fonts.VetTeamFont, FluitersPerVak(gegevens), 0, 0};
    if (opmaak.Fluiters.isEmpty())
        return opmaak;
    const int pagina = canvas.PaginaBreedte();
    const int kleinste = std::max(2, gegevens.Fonts.TextFont.Grootte * 2 / 3);
    for (;;) {
        int eindeSlot = kolom;
        VoorElkeRonde(gegevens, [&](int, const QString&, const std::vector<TSchemaVeld>& sloten) {
            for (const auto& slot : sloten)
                eindeSlot = std::max(eindeSlot, TekenSlot(canvas, gegevens, opmaak, kolom, 0, slot.Tekst, false));
        });
        int breedste = canvas.TekstBreedte(FluitKop);
        for (const QString& naam : std::as_const(opmaak.Fluiters))
            breedste = std::max(breedste, canvas.TekstBreedte(naam));
        const int ideaal = eindeSlot + canvas.TekstBreedte(QStringLiteral("XX"));
        if (ideaal + breedste <= pagina || opmaak.Tekst.Grootte <= kleinste || opmaak.Vet.Grootte <= 1) {
            opmaak.FluitX = std::min(ideaal, pagina - std::min(breedste, canvas.TekstBreedte(QStringLiteral("XXXXXX"))));
            opmaak.FluitBreedte = pagina - opmaak.FluitX;
            break;
        }
        --opmaak.Tekst.Grootte;
        --opmaak.Vet.Grootte;
    }
    canvas.ZetLettertype(gegevens.Fonts.TextFont);
    return opmaak;
}

// The referee column's heading, just above the rule of the page's header band.
void TekenFluitKop(TCanvas& canvas, const TAfdrukGegevens& gegevens, const RegelOpmaak& opmaak)
{
    if (opmaak.Fluiters.isEmpty())
        return;
    canvas.ZetLettertype(opmaak.Tekst);
    canvas.TekstUit(opmaak.FluitX, gegevens.Maten.HeaderHeight - 9 - canvas.TekstHoogte(FluitKop),
                    Ingekort(canvas, FluitKop, opmaak.FluitBreedte));
    canvas.ZetLettertype(gegevens.Fonts.TextFont);
}

// A slot's referee in the column; the highlighted team stands out here too where the
// highlight font leaves its name on the page.
void TekenFluiter(TCanvas& canvas, const TAfdrukGegevens& gegevens, const RegelOpmaak& opmaak, int rijBoven,
                  const QString& naam)
{
    if (naam.isEmpty())
        return;
    canvas.ZetLettertype(opmaak.Tekst);
    const QString tekst = Ingekort(canvas, naam, opmaak.FluitBreedte);
    if (naam == gegevens.VetTeam && tekst == naam) {
        canvas.ZetLettertype(opmaak.Vet);
        if (canvas.TekstBreedte(naam) > opmaak.FluitBreedte)
            canvas.ZetLettertype(opmaak.Tekst);
    }
    RijTekst(canvas, gegevens, opmaak.FluitX, rijBoven, tekst);
}

} // namespace

void PrintSchedule(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    DrawPageFrame(canvas, gegevens);
    const int kolom = LabelKolomBreedte(canvas, gegevens);
    const RegelOpmaak opmaak = MaakRegelOpmaak(canvas, gegevens, kolom);
    TekenFluitKop(canvas, gegevens, opmaak);

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
            TekenFluitKop(canvas, gegevens, opmaak);
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
        int veld = 0;
        for (const auto& slot : sloten) {
            teken();
            TekenSlot(canvas, gegevens, opmaak, kolom, rijBoven, slot.Tekst, true);
            TekenFluiter(canvas, gegevens, opmaak, rijBoven, opmaak.Fluiters.value({k, ++veld}));
            canvas.ZetLettertype(gegevens.Fonts.TextFont);
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

    // The highlighted team's duties as referee, each with the time of its round, after the
    // schedule: together on the page when they fit there, else from a new page.
    if (gegevens.VetTeam.isEmpty() || opmaak.Fluiters.isEmpty())
        return;
    QList<std::pair<QString, QString>> taken; // time, duty
    VoorElkeRonde(gegevens, [&](int k, const QString& kop, const std::vector<TSchemaVeld>& sloten) {
        for (int veld = 1; veld <= int(sloten.size()); ++veld) {
            if (opmaak.Fluiters.value({k, veld}) == gegevens.VetTeam)
                taken.append({RondeKop::TijdBereik(kop), QStringLiteral("Fluiten: ronde %1, veld %2").arg(k).arg(veld)});
        }
    });
    if (taken.isEmpty())
        return;
    if (teller > 0 && teller + int(taken.size()) > maten.LinesPerPage)
        breek();
    for (const auto& [tijd, taak] : std::as_const(taken)) {
        teken();
        RijTekst(canvas, gegevens, 0, rijBoven, tijd);
        RijTekst(canvas, gegevens, kolom, rijBoven, taak);
        ++teller;
        rijBoven += maten.LineHeight;
        if (teller >= maten.LinesPerPage)
            breek();
    }
}

} // namespace PaginaOpmaak
