#pragma once

// Pictures, random sources and a pixel-by-pixel reference stamp shared by the
// stroke tests.

#include <QImage>
#include <QRect>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "canvas/colour_jitter.h"
#include "core/rounding.h"
#include "image/pixel_image.h"

inline const QRgb kWhite = qRgb(255, 255, 255);
inline const QRgb kBlack = qRgb(0, 0, 0);

// White line art of `size` with the given rectangles in black.
inline QImage LineArt(QSize size, const std::vector<QRect> &black = {})
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kWhite);
    for (const QRect &rect : black)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                picture.setPixel(x, y, kBlack);
    return picture;
}

// Always the same number: 0.5 leaves every part of the colour as chosen.
inline RandomSource Fixed(double value)
{
    return [value] { return value; };
}

// Always the same number, counting how often it was asked for.
inline RandomSource Counted(double value, std::shared_ptr<int> calls)
{
    return [value, calls] {
        ++*calls;
        return value;
    };
}

// One stamp worked out pixel by pixel, straight from the rule: texture read
// clamped at its last column and row, mask read clamped to its edges, texels of
// 255 skipped, the blend in single precision rounded halves to even.
inline void ReferenceStamp(QImage &canvas, const QImage &mask, const QImage &texture, QPoint centre,
                           qint32 workOnColour, qint32 colour)
{
    const int halfW = texture.width() / 2;
    const int halfH = texture.height() / 2;
    const ColourParts stroke = SplitColour(colour);
    for (int y = centre.y() - halfH; y <= centre.y() + halfH; ++y) {
        for (int x = centre.x() - halfW; x <= centre.x() + halfW; ++x) {
            if (!canvas.rect().contains(x, y))
                continue;
            const QRgb m = mask.pixel(std::min(x, mask.width() - 1), std::min(y, mask.height() - 1));
            if (ColourValueOf(m) != workOnColour)
                continue;
            const int tx = std::min(x - (centre.x() - halfW), texture.width() - 1);
            const int ty = std::min(y - (centre.y() - halfH), texture.height() - 1);
            const float a = float(qBlue(texture.pixel(tx, ty)) / 255.0);
            if (1.0f - a == 0.0f)
                continue;
            const QRgb old = canvas.pixel(x, y);
            const auto blend = [a](int part, int with) {
                const float value = float(part) * a + float(with) * (1.0f - a);
                return int(RoundHalfEven(value));
            };
            canvas.setPixel(x, y, qRgb(blend(qRed(old), stroke.red), blend(qGreen(old), stroke.green),
                                       blend(qBlue(old), stroke.blue)));
        }
    }
}

// The smallest rectangle holding every pixel where the two pictures differ.
inline QRect Difference(const QImage &a, const QImage &b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

// How many pixels differ.
inline int DifferingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}
