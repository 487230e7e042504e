#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

// A roughly round paint blob on a pure black background (black is transparent
// where the blob is drawn): a thin outline, a white rim, the paint with a glossy
// highlight, and a flat patch of exactly the body colour around the centre,
// where the palette reads the blob's colour.
struct BlobRecipe
{
    int width = 0;
    int height = 0;
    QColor body;
    QColor outline;
    QColor rim = Qt::white;
    bool confetti = false;   // pale multicoloured confetti instead of one paint colour
    std::uint64_t seed = 0;  // the wobble of the edge and the confetti
};

// The blob `times` as large for sharper screens: the same shape, rim, gloss and
// confetti, measured in the plain picture's pixels, so only the detail grows.
QImage MakePaintBlob(const BlobRecipe &recipe, int times = 1);
