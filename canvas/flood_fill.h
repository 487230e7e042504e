#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "image/pixel_image.h"

struct FloodFillResult {
    bool filled = false;  // false when the start is off the picture or not exactly white
    QRect bounds;         // the pixels that turned red
    qint64 pixelCount = 0;
};

// Turns the 4-connected area of exactly white pixels (colour value 16777215)
// that holds `start` into pure red (colour value 255). Works on scan lines with
// an explicit stack of spans, so a picture that is one huge white area needs no
// deep recursion. `picture` must be in Format_RGB32; other formats are left alone.
FloodFillResult FloodFillWhite(QImage &picture, QPoint start);
// The same on the stroke path's pixel type, which is always in that format.
FloodFillResult FloodFillWhite(cNDib &picture, QPoint start);
