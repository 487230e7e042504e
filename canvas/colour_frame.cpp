#include "canvas/colour_frame.h"

#include <algorithm>
#include <cmath>

#include "core/rounding.h"
#include "image/pixel_image.h"

namespace ColourFrame {

namespace {

// part x distance / kBandWidth, multiplied first so that halves stay exact.
int Scaled(int part, double distance)
{
    return int(std::clamp<long long>(RoundHalfEven(part * distance / kBandWidth), 0, 255));
}

// The band is the set of points 0 .. kBandWidth out from a rectangle inset by
// kCornerInset, measured from that rectangle's nearest point: straight along
// the sides, quarter circles at the corners. The inner rectangle ends at the
// last column and row the band's sides are drawn on (x + w - 2, y + h - 2).
void DrawBand(QImage &frame, QRect canvas, qint32 colour)
{
    const int left = canvas.x() + kCornerInset;
    const int top = canvas.y() + kCornerInset;
    const int right = canvas.x() + canvas.width() - kCornerInset;
    const int bottom = canvas.y() + canvas.height() - kCornerInset;
    const int reach = kBandWidth + kCornerInset;
    const QRect area =
        QRect(QPoint(left - reach, top - reach), QPoint(right + reach, bottom + reach)).intersected(frame.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(frame.scanLine(y));
        const int dy = y < top ? top - y : (y > bottom ? y - bottom : 0);
        for (int x = area.left(); x <= area.right(); ++x) {
            const int dx = x < left ? left - x : (x > right ? x - right : 0);
            const double distance = std::sqrt(double(dx * dx + dy * dy)) - kCornerInset;
            if (distance >= 0 && distance <= kBandWidth)
                row[x] = BandShade(colour, distance);
        }
    }
}

} // namespace

QRgb BandShade(qint32 colour, double distance)
{
    const QRgb full = PixelOfColourValue(colour);
    return qRgb(Scaled(qRed(full), distance), Scaled(qGreen(full), distance), Scaled(qBlue(full), distance));
}

QImage Render(QSize size, QRect canvas, bool canvasVisible, qint32 colour)
{
    if (size.isEmpty())
        return {};
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(PixelOfColourValue(colour));
    if (canvasVisible && !canvas.isEmpty())
        DrawBand(frame, canvas, colour);
    for (int y = 0; y < std::min(kGradientHeight, size.height()); ++y) {
        // The gradient has the band's steps: one tenth of the colour a row.
        const QRgb shade = BandShade(colour, y * double(kBandWidth) / kGradientHeight);
        auto *row = reinterpret_cast<QRgb *>(frame.scanLine(y));
        std::fill(row, row + size.width(), shade);
    }
    return frame;
}

} // namespace ColourFrame
