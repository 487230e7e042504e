#pragma once

#include "tools/faces/face_table.h"

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace FacePainter {

enum class State {
    Rest,    // standing up from its shadow
    Down,    // pushed into the shadow and darker, while held
    Latched,  // pushed in and lit yellow, while chosen
    Disabled, // flat and faded, in greys: plainly nothing to press
};

// One button face: white around a rounded plate, the picture inside it. The
// white stays pure white, so the disabled face the button greys keeps it.
// `times` > 1 draws the same face that many times as large for sharper
// screens: `size` stays the face's size on a plain screen, and every border,
// rounding and stroke grows with it.
QImage PaintFace(QSvgRenderer &glyph, QSize size, State state, FaceTable::Plate plate, int times = 1);

// A whole picture fitted to the given size (times `times`): opaque on white,
// or with its transparency kept (cursors, the icon).
QImage PaintPicture(QSvgRenderer &svg, QSize size, bool keepTransparency, int times = 1);

} // namespace FacePainter
