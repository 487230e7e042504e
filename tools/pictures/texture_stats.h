#pragma once

#include <QImage>
#include <array>

// Figures of a grey brush texture. A pixel belongs to ring k (0..5) when its
// normalised distance from the centre, d = |((x + 0.5 - w/2) / (w/2),
// (y + 0.5 - h/2) / (h/2))|, is nearest to 0.2 k, i.e. floor(d / 0.2 + 0.5) = k;
// pixels further out than ring 5 belong to no ring.
struct TextureStats
{
    int darkest = 255;
    double mean = 0;
    std::array<double, 6> rings{};  // 255 for a ring without pixels
    std::array<int, 6> ringPixels{};
};

TextureStats MeasureTexture(const QImage &texture);
