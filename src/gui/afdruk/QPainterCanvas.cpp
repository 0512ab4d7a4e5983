#include "gui/afdruk/QPainterCanvas.h"

#include "gui/afdruk/LettertypeOmzetting.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>

QPainterCanvas::QPainterCanvas(QPainter& painter, QPagedPaintDevice& apparaat)
    : m_painter(painter), m_apparaat(apparaat)
{
    ZetLettertype(m_lettertype);
}

int QPainterCanvas::PaginaBreedte() const
{
    return m_apparaat.width();
}

int QPainterCanvas::PaginaHoogte() const
{
    return m_apparaat.height();
}

void QPainterCanvas::NieuwePagina()
{
    m_apparaat.newPage();
    ++m_pagina;
}

void QPainterCanvas::ZetLettertype(const TLettertype& lettertype)
{
    m_lettertype = lettertype;
    m_painter.setFont(QFont(LettertypeOmzetting::NaarQFont(lettertype), &m_apparaat));
}

void QPainterCanvas::TekstUit(int x, int y, const QString& tekst)
{
    // The layout places texts by their top; QPainter draws on the base line.
    const QFontMetrics maten(m_painter.font(), &m_apparaat);
    m_painter.setPen(QPen(LettertypeOmzetting::NaarQColor(m_lettertype.Kleur)));
    m_painter.drawText(x, y + maten.ascent(), tekst);
}

int QPainterCanvas::TekstBreedte(const QString& tekst)
{
    return QFontMetrics(m_painter.font(), &m_apparaat).horizontalAdvance(tekst);
}

int QPainterCanvas::TekstHoogte(const QString&)
{
    return QFontMetrics(m_painter.font(), &m_apparaat).height();
}

void QPainterCanvas::ZetPen(int breedte, qint32 kleur, TPenStijl stijl)
{
    m_lijnPen = QPen(LettertypeOmzetting::NaarQColor(kleur));
    m_lijnPen.setWidth(breedte);
    m_lijnPen.setStyle(stijl == TPenStijl::StreepPunt ? Qt::DashDotLine : Qt::SolidLine);
}

void QPainterCanvas::Lijn(int x1, int y1, int x2, int y2)
{
    m_painter.setPen(m_lijnPen);
    m_painter.drawLine(x1, y1, x2, y2);
}
