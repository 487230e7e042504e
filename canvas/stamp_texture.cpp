#include "canvas/stamp_texture.h"

#include <algorithm>

#include "canvas/colour_jitter.h"

BrushFootprint::BrushFootprint(const cNDib &texture)
{
    if (texture.Width() <= 0 || texture.Height() <= 0)
        return;
    m_halfWidth = texture.Width() / 2;
    m_halfHeight = texture.Height() / 2;
    m_keep.resize(size_t(width()) * size_t(height()));
    m_take.resize(m_keep.size());
    m_spans.resize(size_t(height()));
    for (int ty = 0; ty < height(); ++ty) {
        Span &span = m_spans[size_t(ty)];
        span = {width(), -1};
        for (int tx = 0; tx < width(); ++tx) {
            const int texel = texture.Get_Channel(tx, ty, 0); // clamps past the last column and row
            const size_t at = size_t(ty) * size_t(width()) + size_t(tx);
            // The share is worked out in double and kept in single precision, as
            // the blend has always done; 255 gives exactly 1 and 0.
            m_keep[at] = float(texel / 255.0);
            m_take[at] = 1.0f - m_keep[at];
            if (texel != 255) {
                span.first = std::min(span.first, tx);
                span.last = tx;
            }
        }
    }
}

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;

// Rounds 0 <= value < 2^22 to a whole number, halves to even: adding 1.5 x 2^23
// pushes the fraction out of the float, rounded by the default rounding mode.
// Plain arithmetic, so the compiler can vectorise the loop around it.
inline float RoundToEven(float value)
{
    constexpr float kShift = 12582912.0f;
    return (value + kShift) - kShift;
}

// One run of pixels of a row. Without a mask every pixel passes the region test.
// Branch-free, so that it vectorises; a texel of 255 gives the old value back
// exactly (old x 1 + colour x 0).
template <bool Masked>
void BlendRun(QRgb *pixels, const QRgb *mask, QRgb workOn, const float *keep, const float *take, float red,
              float green, float blue, int count)
{
    for (int i = 0; i < count; ++i) {
        const QRgb old = pixels[i];
        const int r = int(RoundToEven(float((old >> 16) & 0xFF) * keep[i] + red * take[i]));
        const int g = int(RoundToEven(float((old >> 8) & 0xFF) * keep[i] + green * take[i]));
        const int b = int(RoundToEven(float(old & 0xFF) * keep[i] + blue * take[i]));
        const QRgb blended = (old & ~kColourBits) | QRgb(r << 16) | QRgb(g << 8) | QRgb(b);
        if constexpr (Masked) {
            // All ones where the region test fails: the old pixel stays.
            const QRgb stays = QRgb(0) - QRgb((mask[i] & kColourBits) != workOn);
            pixels[i] = (blended & ~stays) | (old & stays);
        } else {
            pixels[i] = blended;
        }
    }
}

} // namespace

QRect StampTexture(cNDib &canvas, const cNDib &mask, const BrushFootprint &brush, int X, int Y,
                   qint32 workOnColour, qint32 colour)
{
    if (brush.isEmpty() || mask.Width() == 0 || workOnColour < 0 || workOnColour > 0xFFFFFF)
        return {};
    const int left = X - brush.halfWidth();
    const int top = Y - brush.halfHeight();
    const QRect footprint = QRect(left, top, brush.width(), brush.height()) & canvas.image().rect();
    if (footprint.isEmpty())
        return {};

    const ColourParts parts = SplitColour(colour);
    const float red = float(parts.red), green = float(parts.green), blue = float(parts.blue);
    const QRgb workOn = PixelOfColourValue(workOnColour) & kColourBits;
    QImage &image = canvas.image();
    QRgb *bits = reinterpret_cast<QRgb *>(image.bits()); // detaches here, once, if shared
    const qsizetype stride = image.bytesPerLine() / 4;
    const int maskLastX = mask.Width() - 1;
    const int maskLastY = mask.Height() - 1;

    for (int y = footprint.top(); y <= footprint.bottom(); ++y) {
        const int ty = y - top;
        const int from = std::max(footprint.left(), left + brush.first(ty));
        const int to = std::min(footprint.right(), left + brush.last(ty));
        if (from > to)
            continue;
        QRgb *row = bits + qsizetype(y) * stride;
        const QRgb *maskRow = mask.constScanLine(std::min(y, maskLastY));
        const float *keep = brush.keep(ty);
        const float *take = brush.take(ty);
        // The columns the mask covers; any beyond read its last column.
        const int covered = std::min(to, maskLastX);
        if (from <= covered)
            BlendRun<true>(row + from, maskRow + from, workOn, keep + (from - left), take + (from - left), red,
                           green, blue, covered - from + 1);
        const int beyond = std::max(from, maskLastX + 1);
        if (beyond <= to && (maskRow[maskLastX] & kColourBits) == workOn)
            BlendRun<false>(row + beyond, nullptr, workOn, keep + (beyond - left), take + (beyond - left), red,
                            green, blue, to - beyond + 1);
    }
    return footprint;
}
