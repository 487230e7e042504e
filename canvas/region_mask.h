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

// The region mask of a stroke engine, kept from press to press. It differs from
// the line art it was made from only inside the last flood's bounds, so a new
// press puts back just that rectangle instead of copying the whole picture, and
// a press inside the area flooded last time keeps the flood as it is (a white
// area floods the same pixels wherever in it the press lands): a child colours
// one area with many strokes.
class PressRegionMask {
public:
    // The whole mask a fresh copy of `lineArt`, with nothing flooded.
    void Reset(const QImage &lineArt);
    // As BuildRegionMask. A different line art, or one changed since, is copied whole.
    RegionMaskResult Build(const QImage &lineArt, QPointF press);
    const cNDib &Pixels() const { return m_mask; }
    // Every pixel a stroke from the last press may change (the region test
    // passes only there): the flood's bounds, or the whole mask when the press
    // flooded nothing or the line art itself holds the flooded colour somewhere.
    QRect StrokeBounds() const;

private:
    void MadeFrom(const QImage &lineArt);
    RegionMaskResult Flood(QPointF press);

    cNDib m_mask;
    qint64 m_lineArtKey = 0;  // the cacheKey of the line art the mask was made from
    bool m_lineArtHoldsFloodColour = false;
    RegionMaskResult m_last;  // the last press's flood: where the mask differs from the line art
};
