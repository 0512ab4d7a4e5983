#pragma once

#include "core/model/TLettertype.h"

#include <QString>

enum class TPenStijl { Doorgetrokken, StreepPunt };

// The drawing surface of one printed document, in device units with the origin at the top
// left of the printable area. The page layout draws on it; the program implements it on a
// printer, the tests on a recorder with fixed metrics.
class TCanvas
{
public:
    virtual ~TCanvas() = default;

    [[nodiscard]] virtual int PaginaBreedte() const = 0;
    [[nodiscard]] virtual int PaginaHoogte() const = 0;
    // Number of the current page within the document, from 1.
    [[nodiscard]] virtual int PaginaNummer() const = 0;
    virtual void NieuwePagina() = 0;

    virtual void ZetLettertype(const TLettertype& lettertype) = 0;
    [[nodiscard]] virtual TLettertype Lettertype() const = 0;
    virtual void TekstUit(int x, int y, const QString& tekst) = 0;
    // Width and height of a text in the current font.
    [[nodiscard]] virtual int TekstBreedte(const QString& tekst) = 0;
    [[nodiscard]] virtual int TekstHoogte(const QString& tekst) = 0;

    virtual void ZetPen(int breedte, qint32 kleur, TPenStijl stijl) = 0;
    virtual void Lijn(int x1, int y1, int x2, int y2) = 0;
};
