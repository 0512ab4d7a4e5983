// The referees printout: per referee its matches with round, time and field.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/model/RondeKop.h"
#include "core/schema/TSchemaBoom.h"

#include <QList>
#include <QSet>
#include <algorithm>

namespace PaginaOpmaak {

namespace {

struct Taak
{
    QString Ronde;
    QString Tijd;
    QString Wedstrijd; // the slot text: the field and the match
};

} // namespace

void PrintScheidsrechters(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    DrawPageFrame(canvas, gegevens);
    canvas.ZetLettertype(gegevens.Fonts.TextFont);

    // The referees in the order of the list; a name of the assignment that the list lacks
    // follows it, so no duty goes unprinted.
    QStringList namen;
    QSet<QString> bekend;
    for (const QString& naam : gegevens.ScheidsrechterNamen) {
        if (!bekend.contains(naam)) {
            bekend.insert(naam);
            namen.append(naam);
        }
    }
    const auto fluiters = FluitersPerVak(gegevens);
    QSet<QString> dagen;
    VoorElkeRonde(gegevens, [&](int, const QString& kop, const std::vector<TSchemaVeld>&) {
        dagen.insert(RondeKop::DagTekst(kop));
    });
    // The day stands before the time only when the tournament has more than one.
    const bool metDag = dagen.size() > 1;
    QHash<QString, QList<Taak>> taken;
    VoorElkeRonde(gegevens, [&](int k, const QString& kop, const std::vector<TSchemaVeld>& sloten) {
        for (int veld = 1; veld <= int(sloten.size()); ++veld) {
            const QString naam = fluiters.value({k, veld});
            if (naam.isEmpty())
                continue;
            if (!bekend.contains(naam)) {
                bekend.insert(naam);
                namen.append(naam);
            }
            const QString tijd = RondeKop::TijdBereik(kop);
            taken[naam].append({QStringLiteral("Ronde ") + QString::number(k),
                                metDag ? QStringLiteral("Dag ") + RondeKop::DagTekst(kop) + QStringLiteral(", ") + tijd : tijd,
                                sloten[std::size_t(veld - 1)].Tekst});
        }
    });

    // Three columns, each as wide as its widest text and a gap. Rows wider than the page are
    // set a point smaller at a time, down to two thirds of the text font.
    TLettertype regelFont = gegevens.Fonts.TextFont;
    const int kleinste = std::max(2, regelFont.Grootte * 2 / 3);
    int tijdX = 0;
    int wedstrijdX = 0;
    for (;;) {
        canvas.ZetLettertype(regelFont);
        const int gat = canvas.TekstBreedte(QStringLiteral("XX"));
        int rondeBreedte = 0;
        int tijdBreedte = 0;
        int wedstrijdBreedte = 0;
        for (const auto& lijst : std::as_const(taken)) {
            for (const Taak& taak : lijst) {
                rondeBreedte = std::max(rondeBreedte, canvas.TekstBreedte(taak.Ronde));
                tijdBreedte = std::max(tijdBreedte, canvas.TekstBreedte(taak.Tijd));
                wedstrijdBreedte = std::max(wedstrijdBreedte, canvas.TekstBreedte(taak.Wedstrijd));
            }
        }
        tijdX = rondeBreedte + gat;
        wedstrijdX = tijdX + tijdBreedte + gat;
        if (wedstrijdX + wedstrijdBreedte <= canvas.PaginaBreedte() || regelFont.Grootte <= kleinste)
            break;
        --regelFont.Grootte;
    }
    canvas.ZetLettertype(gegevens.Fonts.TextFont);

    int rijBoven = maten.HeaderHeight;
    int gebruikt = 0;
    // A row past the body continues the block on a new page, in the font it was drawn in.
    auto nieuweRij = [&] {
        if (gebruikt >= maten.LinesPerPage) {
            const TLettertype font = canvas.Lettertype();
            PaginaEinde(canvas, gegevens);
            canvas.ZetLettertype(font);
            gebruikt = 0;
            rijBoven = maten.HeaderHeight;
        }
    };
    for (const QString& naam : std::as_const(namen)) {
        const QList<Taak> lijst = taken.value(naam);
        // A block that would reach past the body starts on the next page, unless it is the
        // first of its page and could fit nowhere.
        const int rijen = 1 + std::max(int(lijst.size()), 1);
        if (gebruikt > 0 && gebruikt + rijen > maten.LinesPerPage) {
            PaginaEinde(canvas, gegevens);
            gebruikt = 0;
            rijBoven = maten.HeaderHeight;
        }
        TLettertype vet = gegevens.Fonts.TextFont;
        vet.Vet = true;
        canvas.ZetLettertype(vet);
        RijTekst(canvas, gegevens, 0, rijBoven, naam);
        canvas.ZetLettertype(gegevens.Fonts.TextFont);
        ++gebruikt;
        rijBoven += maten.LineHeight;
        if (lijst.isEmpty()) {
            nieuweRij();
            RijTekst(canvas, gegevens, 0, rijBoven, QStringLiteral("geen wedstrijden"));
            ++gebruikt;
            rijBoven += maten.LineHeight;
        }
        canvas.ZetLettertype(regelFont);
        for (const Taak& taak : lijst) {
            nieuweRij();
            RijTekst(canvas, gegevens, 0, rijBoven, taak.Ronde);
            RijTekst(canvas, gegevens, tijdX, rijBoven, taak.Tijd);
            RijTekst(canvas, gegevens, wedstrijdX, rijBoven, taak.Wedstrijd);
            ++gebruikt;
            rijBoven += maten.LineHeight;
        }
        canvas.ZetLettertype(gegevens.Fonts.TextFont);
        // A blank row between two blocks.
        ++gebruikt;
        rijBoven += maten.LineHeight;
    }
}

} // namespace PaginaOpmaak
