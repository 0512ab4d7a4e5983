#pragma once

#include "core/afdruk/TCanvas.h"

#include <QStringList>

// A canvas with fixed metrics that writes down what is drawn, one line per operation, so a
// test can compare whole pages. A character is as wide as the font's point size; a text is
// twice the point size high, plus 1 for bold fonts.
class OpnameCanvas : public TCanvas
{
public:
    OpnameCanvas(int breedte, int hoogte) : m_breedte(breedte), m_hoogte(hoogte) {}

    [[nodiscard]] int PaginaBreedte() const override { return m_breedte; }
    [[nodiscard]] int PaginaHoogte() const override { return m_hoogte; }
    [[nodiscard]] int PaginaNummer() const override { return m_pagina; }
    void NieuwePagina() override
    {
        ++m_pagina;
        Opname.append(QStringLiteral("--- pagina %1").arg(m_pagina));
    }

    void ZetLettertype(const TLettertype& lettertype) override { m_font = lettertype; }
    [[nodiscard]] TLettertype Lettertype() const override { return m_font; }
    void TekstUit(int x, int y, const QString& tekst) override
    {
        Opname.append(QStringLiteral("%1,%2 %3%4 %5")
                          .arg(x)
                          .arg(y)
                          .arg(m_font.Grootte)
                          .arg(m_font.Vet ? QStringLiteral("b") : QString())
                          .arg(tekst));
    }
    [[nodiscard]] int TekstBreedte(const QString& tekst) override
    {
        return int(tekst.size()) * m_font.Grootte;
    }
    [[nodiscard]] int TekstHoogte(const QString&) override
    {
        return 2 * m_font.Grootte + (m_font.Vet ? 1 : 0);
    }

    void ZetPen(int breedte, qint32 kleur, TPenStijl stijl) override
    {
        m_pen = QStringLiteral("pen %1 %2 %3")
                    .arg(breedte)
                    .arg(kleur)
                    .arg(stijl == TPenStijl::StreepPunt ? QStringLiteral("-.") : QStringLiteral("--"));
    }
    void Lijn(int x1, int y1, int x2, int y2) override
    {
        Opname.append(QStringLiteral("lijn %1,%2 %3,%4 %5").arg(x1).arg(y1).arg(x2).arg(y2).arg(m_pen));
    }

    // The lines recorded that hold the given text.
    [[nodiscard]] QStringList Met(const QString& tekst) const { return Opname.filter(tekst); }

    QStringList Opname;

private:
    int m_breedte;
    int m_hoogte;
    int m_pagina = 1;
    TLettertype m_font;
    QString m_pen;
};
