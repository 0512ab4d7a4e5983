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

// The referee column of the schedule: where it stands and the text of each slot's referee.
struct FluitKolom
{
    QHash<std::pair<int, int>, QString> Fluiters;
    int X = 0;
    int Breedte = 0;
};

const QString FluitLabel = QStringLiteral("Fluit: ");

// The column starts a little right of the widest match and is as wide as the widest referee,
// cut to the page when that is too wide; a page too narrow for even a short name moves the
// column left over the ends of the longest matches rather than off the page.
FluitKolom MaakFluitKolom(TCanvas& canvas, const TAfdrukGegevens& gegevens, int kolom)
{
    FluitKolom fluit;
    fluit.Fluiters = FluitersPerVak(gegevens);
    if (fluit.Fluiters.isEmpty())
        return fluit;
    int breedsteSlot = 0;
    VoorElkeRonde(gegevens, [&](int, const QString&, const std::vector<TSchemaVeld>& sloten) {
        for (const auto& slot : sloten)
            breedsteSlot = std::max(breedsteSlot, canvas.TekstBreedte(slot.Tekst));
    });
    int breedsteFluiter = 0;
    for (const QString& naam : std::as_const(fluit.Fluiters))
        breedsteFluiter = std::max(breedsteFluiter, canvas.TekstBreedte(FluitLabel + naam));
    const int pagina = canvas.PaginaBreedte();
    const int minste = std::min(breedsteFluiter, canvas.TekstBreedte(FluitLabel + QStringLiteral("XXXXXX")));
    fluit.X = std::min(kolom + breedsteSlot + canvas.TekstBreedte(QStringLiteral("XX")), pagina - minste);
    fluit.Breedte = std::min(breedsteFluiter, pagina - fluit.X);
    return fluit;
}

void TekenFluiter(TCanvas& canvas, const TAfdrukGegevens& gegevens, const FluitKolom& fluit, int rijBoven,
                  const QString& naam)
{
    if (naam.isEmpty())
        return;
    const QString tekst = Ingekort(canvas, FluitLabel + naam, fluit.Breedte);
    // A team's own duties stand out on its highlighted schedule, where the highlight font
    // leaves the name on the page.
    if (naam == gegevens.VetTeam && tekst.endsWith(naam)) {
        const int x = fluit.X + canvas.TekstBreedte(FluitLabel);
        canvas.ZetLettertype(gegevens.Fonts.VetTeamFont);
        const bool past = x + canvas.TekstBreedte(naam) <= canvas.PaginaBreedte();
        canvas.ZetLettertype(gegevens.Fonts.TextFont);
        if (past) {
            RijTekst(canvas, gegevens, fluit.X, rijBoven, FluitLabel);
            canvas.ZetLettertype(gegevens.Fonts.VetTeamFont);
            RijTekst(canvas, gegevens, x, rijBoven, naam);
            canvas.ZetLettertype(gegevens.Fonts.TextFont);
            return;
        }
    }
    RijTekst(canvas, gegevens, fluit.X, rijBoven, tekst);
}

} // namespace

void PrintSchedule(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    DrawPageFrame(canvas, gegevens);
    const int kolom = LabelKolomBreedte(canvas, gegevens);
    const FluitKolom fluit = MaakFluitKolom(canvas, gegevens, kolom);

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
        int veld = 0;
        for (const auto& slot : sloten) {
            teken();
            TekenSlot(canvas, gegevens, kolom, rijBoven, slot.Tekst);
            TekenFluiter(canvas, gegevens, fluit, rijBoven, fluit.Fluiters.value({k, ++veld}));
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
    if (gegevens.VetTeam.isEmpty() || fluit.Fluiters.isEmpty())
        return;
    QList<std::pair<QString, QString>> taken; // time, duty
    VoorElkeRonde(gegevens, [&](int k, const QString& kop, const std::vector<TSchemaVeld>& sloten) {
        for (int veld = 1; veld <= int(sloten.size()); ++veld) {
            if (fluit.Fluiters.value({k, veld}) == gegevens.VetTeam)
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
