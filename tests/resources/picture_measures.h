#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// Measures of black and white outline pictures (Format_RGB32) for the checks
// on the default book. The point finders return (-1, -1) when all is well.
namespace PictureMeasures {

// The first pixel that is neither exactly black nor exactly white.
QPoint GreyPixel(const QImage &image);

// The first black pixel farther than one pixel from every all-black square of
// side `lineWidth`. A single stray pixel on the edge of a bold line passes; a
// stretch of line thinner than `lineWidth` does not. Off the page counts as
// black, since a line cut by the page edge goes on beyond it.
QPoint ThinLinePixel(const QImage &image, int lineWidth);

// The side of the largest square of pixels of exactly `colour` within `bounds`.
int LargestSquare(const QImage &image, const QRect &bounds, QRgb colour);

} // namespace PictureMeasures
