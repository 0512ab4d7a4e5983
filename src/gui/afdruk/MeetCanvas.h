#pragma once

#include "core/afdruk/TCanvas.h"

#include <QFont>

class QPaintDevice;

// Measures texts and the page as a device would print them, without drawing and without
// opening a print job: the schedule view counts its pages and the print run its totals on it.
class MeetCanvas : public TCanvas
{
public:
    explicit MeetCanvas(const QPaintDevice& apparaat);

    [[nodiscard]] int PaginaBreedte() const override;
    [[nodiscard]] int PaginaHoogte() const override;
    [[nodiscard]] int PaginaNummer() const override { return m_pagina; }
    void NieuwePagina() override { ++m_pagina; }

    void ZetLettertype(const TLettertype& lettertype) override;
    [[nodiscard]] TLettertype Lettertype() const override { return m_lettertype; }
    void TekstUit(int, int, const QString&) override {}
    [[nodiscard]] int TekstBreedte(const QString& tekst) override;
    [[nodiscard]] int TekstHoogte(const QString& tekst) override;

    void ZetPen(int, qint32, TPenStijl) override {}
    void Lijn(int, int, int, int) override {}

private:
    const QPaintDevice& m_apparaat;
    TLettertype m_lettertype;
    QFont m_font;
    int m_pagina = 1;
};
