#include "ui/gemeen/VensterPlaatsing.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace VensterPlaatsing {

namespace {

// Room left between a window and the one it opens beside, and the step of a cascade.
constexpr int Tussenruimte = 8;
constexpr int Trede = 40;
constexpr const char* Geplaatst = "rondoplanGeplaatst";

QRect Beschikbaar(const QWidget* referentie, const QWidget& venster)
{
    const QScreen* scherm = nullptr;
    if (referentie)
        scherm = referentie->screen();
    if (!scherm)
        scherm = venster.screen();
    if (!scherm)
        scherm = QGuiApplication::primaryScreen();
    return scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins Kader(const QWidget& w)
{
    const QRect buiten = w.frameGeometry();
    const QRect binnen = w.geometry();
    return {binnen.left() - buiten.left(), binnen.top() - buiten.top(),
            buiten.right() - binnen.right(), buiten.bottom() - binnen.bottom()};
}

// The decoration the window manager puts around a window. A window that has never been on
// screen has no frame yet, also while its first show event runs (it counts as visible by
// then); it will get the one its reference window has.
QMargins Rand(const QWidget& venster, const QWidget* referentie)
{
    if (venster.isVisible() && !Kader(venster).isNull())
        return Kader(venster);
    if (referentie && referentie->isVisible())
        return Kader(*referentie);
    return {};
}

QRect BinnenGebied(QRect plek, const QRect& gebied)
{
    plek.setWidth(std::min(plek.width(), gebied.width()));
    plek.setHeight(std::min(plek.height(), gebied.height()));
    plek.moveLeft(std::clamp(plek.left(), gebied.left(), gebied.right() - plek.width() + 1));
    plek.moveTop(std::clamp(plek.top(), gebied.top(), gebied.bottom() - plek.height() + 1));
    return plek;
}

void ZetFrame(QWidget& venster, const QRect& frame, const QMargins& rand)
{
    const QRect binnen = frame.marginsRemoved(rand);
    if (binnen.size() != venster.size())
        venster.resize(binnen.size());
    venster.move(frame.topLeft());
}

} // namespace

QRect Plek(QSize frame, const QRect& referentie, const QRect& beschikbaar, Wijze wijze)
{
    QRect plek(QPoint(0, 0), frame);
    plek = BinnenGebied(plek, beschikbaar);
    const QRect ref = referentie.isValid() ? referentie : beschikbaar;
    if (wijze == Wijze::Naast && referentie.isValid()) {
        if (ref.right() + Tussenruimte + plek.width() <= beschikbaar.right() + 1)
            plek.moveTopLeft({ref.right() + 1 + Tussenruimte, ref.top()});
        else if (ref.left() - Tussenruimte - plek.width() >= beschikbaar.left())
            plek.moveTopLeft({ref.left() - Tussenruimte - plek.width(), ref.top()});
        else
            plek.moveTopLeft(ref.topLeft() + QPoint(Trede, Trede));
    } else {
        plek.moveCenter(ref.center());
    }
    return BinnenGebied(plek, beschikbaar);
}

void Plaats(QWidget& venster, const QWidget* referentie, Wijze wijze)
{
    const QRect gebied = Beschikbaar(referentie, venster);
    const QMargins rand = Rand(venster, referentie);
    if (venster.property(Geplaatst).toBool()) {
        ZetFrame(venster, BinnenGebied(venster.geometry().marginsAdded(rand), gebied), rand);
        return;
    }
    venster.setProperty(Geplaatst, true);
    const QRect ref = referentie && referentie->isVisible() ? referentie->frameGeometry() : QRect();
    const QSize frame = venster.size().grownBy(rand);
    ZetFrame(venster, Plek(frame, ref, gebied, wijze), rand);
}

void MaakBreed(QWidget& venster, int breedte)
{
    const QRect gebied = Beschikbaar(venster.parentWidget(), venster);
    const QMargins rand = Rand(venster, venster.parentWidget());
    breedte = std::min(breedte, gebied.width() - rand.left() - rand.right());
    if (venster.width() >= breedte)
        return;
    if (!venster.isVisible()) {
        venster.resize(breedte, venster.height());
        return;
    }
    // A shown window grows to both sides, so one that was centred stays centred.
    QRect frame = venster.geometry().marginsAdded(rand);
    const int groei = breedte - venster.width();
    frame.adjust(-groei / 2, 0, groei - groei / 2, 0);
    ZetFrame(venster, BinnenGebied(frame, gebied), rand);
}

} // namespace VensterPlaatsing
