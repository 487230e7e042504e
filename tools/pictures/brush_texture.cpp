#include "tools/pictures/brush_texture.h"

#include "tools/pictures/seeded_random.h"
#include "tools/pictures/texture_stats.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using Rings = std::array<double, 6>;

// Grain in [-1, 1]: white noise plus some of its own blur, so it reads as the
// tooth of paper rather than as single loose pixels.
std::vector<double> Grain(int width, int height, std::uint64_t seed)
{
    SeededRandom random(seed);
    std::vector<double> white(std::size_t(width) * height);
    for (double &value : white)
        value = random.between(-1, 1);
    auto at = [&](int x, int y) {
        return white[std::size_t(std::clamp(y, 0, height - 1)) * width + std::clamp(x, 0, width - 1)];
    };
    std::vector<double> grain(white.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double blur = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    blur += at(x + dx, y + dy);
            grain[std::size_t(y) * width + x] = std::clamp(0.6 * at(x, y) + 0.15 * blur, -1.0, 1.0);
        }
    return grain;
}

// The radial fall-off: straight lines through one value per ring centre, then
// up to 255 at fadeEnd.
double Falloff(double d, const Rings &controls, double fadeEnd)
{
    if (d >= fadeEnd)
        return 255;
    if (d >= 1.0)
        return controls[5] + (255 - controls[5]) * (d - 1.0) / (fadeEnd - 1.0);
    const int k = std::min(int(d / 0.2), 4);
    const double t = d / 0.2 - k;
    return controls[k] + (controls[k + 1] - controls[k]) * t;
}

QImage Render(const TextureRecipe &recipe, const std::vector<double> &grain, const Rings &controls)
{
    QImage image(recipe.width, recipe.height, QImage::Format_Grayscale8);
    const double halfW = recipe.width / 2.0, halfH = recipe.height / 2.0;
    for (int y = 0; y < recipe.height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < recipe.width; ++x) {
            const double d = std::hypot((x + 0.5 - halfW) / halfW, (y + 0.5 - halfH) / halfH);
            const double base = Falloff(d, controls, recipe.fadeEnd);
            // The grain fades out both where the blot is solid and where it ends.
            const double t = std::clamp((255 - base) / (255 - recipe.darkest), 0.0, 1.0);
            const double value = base + recipe.grain * 4 * t * (1 - t) * grain[std::size_t(y) * recipe.width + x];
            row[x] = uchar(std::clamp(std::lround(value), 0L, 255L));
        }
    }
    return image;
}

// Moves the control values until each ring's mean is what is wanted.
Rings FitRings(const TextureRecipe &recipe, const std::vector<double> &grain, const Rings &wanted)
{
    Rings controls = wanted;
    for (int round = 0; round < 200; ++round) {
        const TextureStats stats = MeasureTexture(Render(recipe, grain, controls));
        double worst = 0;
        for (int k = 0; k < 6; ++k) {
            if (stats.ringPixels[k] == 0)
                continue;
            const double miss = wanted[k] - stats.rings[k];
            controls[k] = std::clamp(controls[k] + 0.8 * miss, 0.0, 255.0);
            worst = std::max(worst, std::abs(miss));
        }
        if (worst < 0.05)
            break;
    }
    return controls;
}

// Bisection on a miss that changes sign once between low and high.
double Solve(const std::function<double(double)> &miss, double low, double high)
{
    const bool rising = miss(high) > miss(low);
    for (int step = 0; step < 24; ++step) {
        const double middle = (low + high) / 2;
        if ((miss(middle) > 0) == rising)
            high = middle;
        else
            low = middle;
    }
    return (low + high) / 2;
}

} // namespace

QImage MakeBrushTexture(const TextureRecipe &recipe)
{
    const std::vector<double> grain = Grain(recipe.width, recipe.height, recipe.seed);
    // With fixed rings, p lowers every ring alike and the ring means and the
    // overall mean miss their figures by the same amount; otherwise p scales how
    // deep the blot is until its mean is the one wanted.
    auto wantedFor = [&](double p) {
        Rings wanted;
        for (int k = 0; k < 6; ++k)
            wanted[k] = recipe.ringsFixed ? recipe.rings[k] - p : 255 - p * (255 - recipe.rings[k]);
        return wanted;
    };
    auto render = [&](double p) { return Render(recipe, grain, FitRings(recipe, grain, wantedFor(p))); };
    auto miss = [&](double p) {
        const double mean = MeasureTexture(render(p)).mean;
        return recipe.ringsFixed ? mean - recipe.mean - p : recipe.mean - mean;
    };
    const double p = recipe.ringsFixed ? Solve(miss, -8, 8) : Solve(miss, 0, 2);
    return render(p);
}
