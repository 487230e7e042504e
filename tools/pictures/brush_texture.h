#pragma once

#include <QImage>
#include <array>
#include <cstdint>

// A soft round blot with a fine grain: the share of the canvas that survives a
// stamp, 255 (untouched) at the corners and darkest in the middle.
struct TextureRecipe
{
    int width = 0;
    int height = 0;
    int darkest = 0;                // darkest value wanted
    int mean = 0;                   // mean value wanted
    std::array<double, 6> rings{};  // ring means wanted (see texture_stats.h)
    bool ringsFixed = true;         // false: the rings only shape the blot and the mean decides
    double fadeEnd = 1.1;           // normalised distance where the blot reaches 255
    double grain = 0;               // strength of the grain, in grey levels
    std::uint64_t seed = 0;
};

QImage MakeBrushTexture(const TextureRecipe &recipe);
