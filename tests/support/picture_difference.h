#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>

// The largest difference of one colour channel between two pictures inside `area`.
inline int MaxDifference(const QImage &a, const QImage &b, QRect area)
{
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = first.pixel(x, y), q = second.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// A rectangle in layout pixels, in the pixels of a screen `ratio` times as sharp.
inline QRect ToDevice(QRect layout, int ratio)
{
    return {layout.topLeft() * ratio, layout.size() * ratio};
}
