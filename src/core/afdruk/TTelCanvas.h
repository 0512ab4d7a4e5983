#pragma once

#include "core/afdruk/TCanvas.h"

// A canvas that draws nothing and counts pages. It measures on another canvas, so a
// document laid out on it breaks its pages exactly where it would on that canvas.
class TTelCanvas : public TCanvas
{
public:
    explicit TTelCanvas(TCanvas& meet) : m_meet(meet) {}

    [[nodiscard]] int PaginaBreedte() const override { return m_meet.PaginaBreedte(); }
    [[nodiscard]] int PaginaHoogte() const override { return m_meet.PaginaHoogte(); }
    [[nodiscard]] int PaginaNummer() const override { return m_pagina; }
    void NieuwePagina() override { ++m_pagina; }

    void ZetLettertype(const TLettertype& lettertype) override { m_meet.ZetLettertype(lettertype); }
    [[nodiscard]] TLettertype Lettertype() const override { return m_meet.Lettertype(); }
    void TekstUit(int, int, const QString&) override {}
    [[nodiscard]] int TekstBreedte(const QString& tekst) override { return m_meet.TekstBreedte(tekst); }
    [[nodiscard]] int TekstHoogte(const QString& tekst) override { return m_meet.TekstHoogte(tekst); }

    void ZetPen(int, qint32, TPenStijl) override {}
    void Lijn(int, int, int, int) override {}

private:
    TCanvas& m_meet;
    int m_pagina = 1;
};
