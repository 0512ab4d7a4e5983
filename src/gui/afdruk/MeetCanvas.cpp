#include "gui/afdruk/MeetCanvas.h"

#include "gui/afdruk/LettertypeOmzetting.h"

#include <QFontMetrics>
#include <QPaintDevice>

MeetCanvas::MeetCanvas(const QPaintDevice& apparaat) : m_apparaat(apparaat)
{
    ZetLettertype(m_lettertype);
}

int MeetCanvas::PaginaBreedte() const
{
    return m_apparaat.width();
}

int MeetCanvas::PaginaHoogte() const
{
    return m_apparaat.height();
}

void MeetCanvas::ZetLettertype(const TLettertype& lettertype)
{
    m_lettertype = lettertype;
    m_font = LettertypeOmzetting::NaarQFont(lettertype);
}

int MeetCanvas::TekstBreedte(const QString& tekst)
{
    return QFontMetrics(m_font, &m_apparaat).horizontalAdvance(tekst);
}

int MeetCanvas::TekstHoogte(const QString&)
{
    return QFontMetrics(m_font, &m_apparaat).height();
}
