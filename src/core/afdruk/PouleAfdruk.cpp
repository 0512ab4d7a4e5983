// The poule overview on paper: a block per poule, three blocks to a row.
#include "core/afdruk/PaginaOpmaak.h"

#include "core/afdruk/TAfdrukGegevens.h"
#include "core/afdruk/TCanvas.h"

#include <algorithm>

namespace PaginaOpmaak {

namespace {

void Gecentreerd(TCanvas& canvas, int midden, int y, const QString& tekst)
{
    canvas.TekstUit(midden - canvas.TekstBreedte(tekst) / 2, y, tekst);
}

// Rows taken by the row of blocks that starts with poule `eerste`: the tallest block's name
// and teams, printing stops at the first poule without teams.
int RijenVanBlokRij(const std::vector<TPouleBlok>& poules, std::size_t eerste)
{
    int rijen = 0;
    for (std::size_t i = eerste; i < poules.size() && i < eerste + 3; ++i) {
        if (poules[i].Teams.isEmpty())
            break;
        rijen = std::max(rijen, int(poules[i].Teams.size()) + 1);
    }
    return rijen;
}

} // namespace

void PrintPoules(TCanvas& canvas, const TAfdrukGegevens& gegevens)
{
    const TPaginaMaten& maten = gegevens.Maten;
    DrawPageFrame(canvas, gegevens);
    canvas.ZetLettertype(gegevens.Fonts.TextFont);

    const int kolomBreedte = canvas.PaginaBreedte() / 3;
    const int bodyOnder = canvas.PaginaHoogte() - maten.FooterHeight;
    int rijBoven = maten.HeaderHeight;
    int laagste = 0;
    int j = 1;
    for (std::size_t index = 0; index < gegevens.Poules.size(); ++index) {
        const TPouleBlok& poule = gegevens.Poules[index];
        if (poule.Teams.isEmpty())
            break;
        // A row of blocks that would reach past the body goes to the next page, unless it
        // is the first row of its page and could fit nowhere.
        if (j == 1 && rijBoven > maten.HeaderHeight
            && rijBoven + RijenVanBlokRij(gegevens.Poules, index) * maten.LineHeight > bodyOnder) {
            PaginaEinde(canvas, gegevens);
            rijBoven = maten.HeaderHeight;
            laagste = 0;
        }
        const int midden = kolomBreedte * (j - 1) + kolomBreedte / 2;
        int y = rijBoven;
        TLettertype font = canvas.Lettertype();
        font.Vet = true;
        canvas.ZetLettertype(font);
        Gecentreerd(canvas, midden, y, poule.Naam);
        font.Vet = false;
        canvas.ZetLettertype(font);
        for (const QString& team : poule.Teams) {
            y += maten.LineHeight;
            Gecentreerd(canvas, midden, y, team);
        }
        y += maten.LineHeight;
        laagste = std::max(laagste, y);
        if (j == 3) {
            rijBoven = laagste + maten.LineHeight;
            j = 1;
        } else {
            ++j;
        }
    }
}

} // namespace PaginaOpmaak
