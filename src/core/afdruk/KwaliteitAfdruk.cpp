// The quality report on paper: the summary lines, then the team table, continued with its
// header on a new page when the rows run past the body.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"
#include "core/kwaliteit/KwaliteitTabel.h"
#include "core/kwaliteit/SchemaKwaliteit.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace PaginaOpmaak {

namespace {

using Breedten = std::array<int, KwaliteitTabel::AantalKolommen>;

constexpr int KleinsteTabelGrootte = 2;

void ZetVet(TCanvas& canvas, bool vet)
{
    TLettertype font = canvas.Lettertype();
    font.Vet = vet;
    canvas.ZetLettertype(font);
}

// Each column as wide as its widest text in bold, plus a gap.
Breedten KolomBreedten(TCanvas& canvas, const TSchemaKwaliteit& kwaliteit)
{
    ZetVet(canvas, true);
    const int tussenruimte = canvas.TekstBreedte(QStringLiteral("X"));
    Breedten breedten{};
    for (int kolom = 0; kolom < KwaliteitTabel::AantalKolommen; ++kolom) {
        int breedte = canvas.TekstBreedte(KwaliteitTabel::Kop(kolom));
        for (const TTeamKwaliteit& team : kwaliteit.Teams)
            breedte = std::max(breedte, canvas.TekstBreedte(KwaliteitTabel::Tekst(team, kolom)));
        breedten[std::size_t(kolom)] = breedte + tussenruimte;
    }
    ZetVet(canvas, false);
    return breedten;
}

// One row of the table; numbers stand right-aligned, the worst of a column in bold.
void TabelRij(TCanvas& canvas, const TAfdrukGegevens& gegevens, const Breedten& breedten, int rijBoven,
              const std::function<QString(int)>& tekst, const std::function<bool(int)>& vet)
{
    int x = 0;
    for (int kolom = 0; kolom < KwaliteitTabel::AantalKolommen; ++kolom) {
        const int breedte = breedten[std::size_t(kolom)];
        ZetVet(canvas, vet(kolom));
        const QString inhoud = tekst(kolom);
        const int links = KwaliteitTabel::IsGetal(kolom)
                              ? x + breedte - canvas.TekstBreedte(QStringLiteral("X")) - canvas.TekstBreedte(inhoud)
                              : x;
        RijTekst(canvas, gegevens, links, rijBoven, inhoud);
        x += breedte;
    }
    ZetVet(canvas, false);
}

} // namespace

void PrintKwaliteit(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    DrawPageFrame(canvas, gegevens);
    canvas.ZetLettertype(gegevens.Fonts.TextFont);
    if (!gegevens.Kwaliteit)
        return;
    const TSchemaKwaliteit& kwaliteit = *gegevens.Kwaliteit;
    const int regel = maten.LineHeight;
    const int bodyOnder = canvas.PaginaHoogte() - maten.FooterHeight;

    int y = maten.HeaderHeight;
    ZetVet(canvas, true);
    RijTekst(canvas, gegevens, 0, y, QStringLiteral("Kwaliteit van het schema"));
    ZetVet(canvas, false);
    y += 2 * regel;

    const auto samenvatting = KwaliteitTabel::Samenvatting(kwaliteit);
    int labelBreedte = 0;
    for (const auto& [label, waarde] : samenvatting)
        labelBreedte = std::max(labelBreedte, canvas.TekstBreedte(label));
    labelBreedte += canvas.TekstBreedte(QStringLiteral("X"));
    for (const auto& [label, waarde] : samenvatting) {
        RijTekst(canvas, gegevens, 0, y, label);
        RijTekst(canvas, gegevens, labelBreedte, y, waarde);
        y += regel;
    }
    y += regel;

    // A table wider than the page is set in a smaller size of the text font until it fits.
    TLettertype tabelFont = gegevens.Fonts.TextFont;
    canvas.ZetLettertype(tabelFont);
    Breedten breedten = KolomBreedten(canvas, kwaliteit);
    while (std::accumulate(breedten.begin(), breedten.end(), 0) > canvas.PaginaBreedte()
           && tabelFont.Grootte > KleinsteTabelGrootte) {
        --tabelFont.Grootte;
        canvas.ZetLettertype(tabelFont);
        breedten = KolomBreedten(canvas, kwaliteit);
    }
    std::array<int, KwaliteitTabel::AantalKolommen> slechtste{};
    for (int kolom = 0; kolom < KwaliteitTabel::AantalKolommen; ++kolom)
        slechtste[std::size_t(kolom)] = KwaliteitTabel::Slechtste(kwaliteit.Teams, kolom);
    const auto kop = [&](int rijBoven) {
        TabelRij(canvas, gegevens, breedten, rijBoven, KwaliteitTabel::Kop, [](int) { return true; });
    };
    kop(y);
    y += regel;
    for (const TTeamKwaliteit& team : kwaliteit.Teams) {
        if (y + regel > bodyOnder) {
            PaginaEinde(canvas, gegevens);
            canvas.ZetLettertype(tabelFont);
            y = maten.HeaderHeight;
            kop(y);
            y += regel;
        }
        TabelRij(
            canvas, gegevens, breedten, y, [&team](int kolom) { return KwaliteitTabel::Tekst(team, kolom); },
            [&](int kolom) {
                const int grens = slechtste[std::size_t(kolom)];
                return grens >= 0 && KwaliteitTabel::Waarde(team, kolom) == grens;
            });
        y += regel;
    }
}

} // namespace PaginaOpmaak
