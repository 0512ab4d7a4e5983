#pragma once

#include "core/afdruk/TCanvas.h"

#include <QFont>
#include <QPainter>
#include <QPen>

class QPagedPaintDevice;

// The page layout's canvas on a printer or a PDF file. Texts are placed by their top-left
// corner, as the layout expects; fonts scale with the device's resolution.
class QPainterCanvas : public TCanvas
{
public:
    // The painter must be active on the device.
    QPainterCanvas(QPainter& painter, QPagedPaintDevice& apparaat);

    [[nodiscard]] int PaginaBreedte() const override;
    [[nodiscard]] int PaginaHoogte() const override;
    [[nodiscard]] int PaginaNummer() const override { return m_pagina; }
    void NieuwePagina() override;

    void ZetLettertype(const TLettertype& lettertype) override;
    [[nodiscard]] TLettertype Lettertype() const override { return m_lettertype; }
    void TekstUit(int x, int y, const QString& tekst) override;
    [[nodiscard]] int TekstBreedte(const QString& tekst) override;
    [[nodiscard]] int TekstHoogte(const QString& tekst) override;

    void ZetPen(int breedte, qint32 kleur, TPenStijl stijl) override;
    void Lijn(int x1, int y1, int x2, int y2) override;

private:
    QPainter& m_painter;
    QPagedPaintDevice& m_apparaat;
    TLettertype m_lettertype;
    QPen m_lijnPen;
    int m_pagina = 1;
};
