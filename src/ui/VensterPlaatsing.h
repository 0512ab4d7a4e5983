#pragma once

#include <QRect>

class QWidget;

// Where the program's windows open: wholly inside the screen's available area, centred over
// the main window or beside it, never at a corner of the screen. The geometry is worked out
// on plain rectangles (the window's outer frame included), so it does not depend on a
// window manager being there.
namespace VensterPlaatsing {

enum class Wijze
{
    Over,  // centred over the reference window
    Naast, // beside it, right or left where there is room, else cascaded over it
};

// The frame rectangle for a window of this frame size next to or over the reference frame,
// shrunk where needed and moved into the available area.
[[nodiscard]] QRect Plek(QSize frame, const QRect& referentie, const QRect& beschikbaar,
                         Wijze wijze);

// Places a window that is about to be shown relative to the reference window (the screen's
// centre when there is none). The first time it opens it is placed by the given manner;
// afterwards it keeps where the organiser put it, only brought back inside the screen.
void Plaats(QWidget& venster, const QWidget* referentie, Wijze wijze);

// Makes a window at least this wide (its inner width), as far as the screen allows.
void MaakBreed(QWidget& venster, int breedte);

} // namespace VensterPlaatsing
