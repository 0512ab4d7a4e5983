#include "core/afdruk/TPaginaMaten.h"

#include "core/afdruk/TCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Hoogte(TCanvas& printer, const TLettertype& font)
{
    printer.ZetLettertype(font);
    return std::abs(printer.TekstHoogte(QStringLiteral("JGgj0123456789")));
}

} // namespace

TPaginaMaten TPaginaMaten::MeasurePage(TCanvas& printer, const TLettertypen& fonts)
{
    TPaginaMaten maten;
    maten.HeaderHeight = 2 * Hoogte(printer, fonts.HeaderFont) + 12;
    maten.FooterHeight = Hoogte(printer, fonts.FooterFont) + 12;
    // A font that measures no height would leave no row height to divide by.
    maten.LineHeight = std::max({Hoogte(printer, fonts.TextFont), Hoogte(printer, fonts.VetTeamFont), 1});
    maten.LinesPerPage =
        (printer.PaginaHoogte() - maten.HeaderHeight - maten.FooterHeight) / maten.LineHeight;
    return maten;
}
