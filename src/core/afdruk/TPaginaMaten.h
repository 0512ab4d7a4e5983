#pragma once

#include "core/model/TLettertype.h"

class TCanvas;

// The page metrics of printed schedules, in printer device units: the header and footer
// bands, the height of one text row and the rows that fit between the bands.
struct TPaginaMaten
{
    int HeaderHeight = 0;
    int FooterHeight = 0;
    int LineHeight = 1;
    int LinesPerPage = 1;

    // Measures the fonts on the printer's canvas. The canvas font is left changed.
    [[nodiscard]] static TPaginaMaten MeasurePage(TCanvas& printer, const TLettertypen& fonts);

    friend bool operator==(const TPaginaMaten&, const TPaginaMaten&) = default;
};
