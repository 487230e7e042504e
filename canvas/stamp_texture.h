#pragma once

#include <QRect>

#include <vector>

#include "image/pixel_image.h"

// A brush texture made ready for stamping, once per choice of tool. It covers
// the whole stamp footprint, (2 x halfWidth + 1) by (2 x halfHeight + 1)
// texels, repeating the texture's last column and row where the footprint runs
// past it (so an even-sized texture repeats them once). For every texel it holds
// the share of the old colour that survives (texel / 255, single precision) and
// the share of the stroke colour (1 minus that); each row also knows its first
// and last texel below 255, since a texel of 255 leaves the canvas as it was.
class BrushFootprint {
public:
    BrushFootprint() = default;
    explicit BrushFootprint(const cNDib &texture);

    bool isEmpty() const { return m_keep.empty(); }
    int halfWidth() const { return m_halfWidth; }
    int halfHeight() const { return m_halfHeight; }
    int width() const { return 2 * m_halfWidth + 1; }
    int height() const { return 2 * m_halfHeight + 1; }

    const float *keep(int row) const { return m_keep.data() + qsizetype(row) * width(); }
    const float *take(int row) const { return m_take.data() + qsizetype(row) * width(); }
    // The columns of `row` that change anything; first > last when none does.
    int first(int row) const { return m_spans[size_t(row)].first; }
    int last(int row) const { return m_spans[size_t(row)].last; }

private:
    struct Span {
        int first = 0;
        int last = -1;
    };
    int m_halfWidth = 0;
    int m_halfHeight = 0;
    std::vector<float> m_keep;
    std::vector<float> m_take;
    std::vector<Span> m_spans;
};

// Blends one stamp of `brush`, centred on (X, Y), in the colour value `colour`
// into `canvas`: each pixel whose `mask` colour is `workOnColour` becomes
// round(old x keep + colour x take) per part, halves to even. The mask is read
// clamped to its edges. Returns the stamp's footprint clipped to the canvas,
// the only pixels it may have changed (empty when it lies outside the canvas).
QRect StampTexture(cNDib &canvas, const cNDib &mask, const BrushFootprint &brush, int X, int Y,
                   qint32 workOnColour, qint32 colour);
