#pragma once

#include <QRect>

#include "image/pixel_image.h"

// The colouring pencil's line: an integer, Wu-style antialiased line from
// (X1, Y1) to (X2, Y2) in the colour value `colour`, with soft end caps. Every
// pixel it sets passes the region test: `mask` (read clamped to its edges) has
// the colour `workOnColour` there. Pixels outside the canvas are skipped. An
// empty segment (both ends the same) draws nothing. Returns the rectangle of
// canvas pixels it may have changed.
QRect LineGP(cNDib &canvas, const cNDib &mask, qint16 X1, qint16 Y1, qint16 X2, qint16 Y2, qint32 colour,
             qint32 workOnColour);
