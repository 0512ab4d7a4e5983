#include "gui/afdruk/LettertypeOmzetting.h"

#include <QGuiApplication>
#include <QPalette>

namespace LettertypeOmzetting {

namespace {

// The indices of the Windows colour scheme that tournament files carry, mapped onto the
// roles of Qt's palette.
QPalette::ColorRole Rol(int index)
{
    switch (index) {
    case 1: // desktop
    case 4: // menu
    case 15: // button face
        return QPalette::Button;
    case 5: // window
        return QPalette::Base;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    default: // 8 is window text, and any index we do not know reads best as text
        return QPalette::WindowText;
    }
}

} // namespace

QFont NaarQFont(const TLettertype& lettertype)
{
    QFont font(lettertype.Naam);
    font.setPointSize(lettertype.Grootte > 0 ? lettertype.Grootte : 1);
    font.setBold(lettertype.Vet);
    font.setItalic(lettertype.Cursief);
    font.setUnderline(lettertype.Onderstreept);
    font.setStrikeOut(lettertype.Doorgehaald);
    return font;
}

QColor NaarQColor(qint32 kleur)
{
    if (TLettertype::IsSysteemKleur(kleur)) {
        const QPalette palet = QGuiApplication::palette();
        return palet.color(QPalette::Active, Rol(TLettertype::SysteemKleurIndex(kleur)));
    }
    const auto waarde = quint32(kleur);
    return QColor(int(waarde & 0xFFu), int((waarde >> 8) & 0xFFu), int((waarde >> 16) & 0xFFu));
}

TLettertype VanQFont(const QFont& font, qint32 kleur)
{
    TLettertype lettertype;
    lettertype.Naam = font.family();
    lettertype.Grootte = font.pointSize() > 0 ? font.pointSize() : 10;
    lettertype.Vet = font.bold();
    lettertype.Cursief = font.italic();
    lettertype.Onderstreept = font.underline();
    lettertype.Doorgehaald = font.strikeOut();
    lettertype.Kleur = kleur;
    return lettertype;
}

qint32 VanQColor(const QColor& kleur)
{
    return qint32(quint32(kleur.red()) | (quint32(kleur.green()) << 8) | (quint32(kleur.blue()) << 16));
}

} // namespace LettertypeOmzetting
