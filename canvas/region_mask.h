#pragma once

#include <QImage>
#include <QPointF>

#include "canvas/flood_fill.h"
#include "image/pixel_image.h"

// Colours of the region mask, as colour values.
inline constexpr qint32 kMaskFlooded = 255;        // the white area around the press
inline constexpr qint32 kMaskOtherWhite = 16777215; // white areas not pressed this time
inline constexpr qint32 kMaskOutline = 0;           // black outline pixels

struct RegionMaskResult {
    qint32 workOnColour = -1; // the mask's colour at the press point
    FloodFillResult flood;
};

// Builds the region mask for a press at canvas point `press`: `mask` becomes a
// copy of the bare line art in which the white area around the press (the
// coordinates rounded halves to even) is pure red. The mask's buffer is reused
// from press to press. A press on a non-white pixel, or on the canvas edge just
// outside the picture, floods nothing; the mask colour there is read clamped.
RegionMaskResult BuildRegionMask(const QImage &lineArt, QPointF press, cNDib &mask);
