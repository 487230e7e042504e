#include "tools/pictures/paint_blob.h"

#include "tools/pictures/blob_shape.h"
#include "tools/pictures/confetti.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 4; // per side of a pixel, for soft edges inside the blob

QColor WithLightness(const QColor &colour, double factor)
{
    const QColor hsl = colour.toHsl();
    const double hue = std::max(0.0, double(hsl.hslHueF()));
    return QColor::fromHslF(float(hue), hsl.hslSaturationF(), float(std::clamp(hsl.lightnessF() * factor, 0.0, 1.0)));
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The paint at normalised position (u, v): flat in the middle, a little darker
// towards the lower right, with a gloss spot up and to the left.
QColor Paint(const BlobRecipe &recipe, const Confetti &confetti, double u, double v, double px, double py)
{
    QColor paint = recipe.confetti ? confetti.colourAt(u, v, px, py) : recipe.body;
    const double rho = std::hypot(u, v);
    const double towardsShadow = 0.5 + 0.5 * (u + v) / std::max(rho * std::sqrt(2.0), 1e-9);
    paint = WithLightness(paint, 1.0 - 0.28 * SmoothStep(0.45, 1.0, rho) * towardsShadow);
    // The gloss: an ellipse leaning with the light, well away from the centre.
    const double gu = (u + 0.42) * 0.7071 + (v + 0.42) * 0.7071;
    const double gv = -(u + 0.42) * 0.7071 + (v + 0.42) * 0.7071;
    const double gloss = 1.0 - SmoothStep(0.7, 1.0, std::hypot(gu / 0.13, gv / 0.24));
    return Mix(paint, Qt::white, 0.8 * gloss);
}

} // namespace

QImage MakePaintBlob(const BlobRecipe &recipe, int times)
{
    const BlobShape shape(recipe.width, recipe.height, recipe.seed);
    const Confetti confetti(recipe.width, recipe.height, recipe.seed);
    const bool large = std::min(recipe.width, recipe.height) >= 30;
    const double outlineEnd = large ? 1.3 : 1.0, rimEnd = outlineEnd + (large ? 1.6 : 1.0);
    // Everything below is measured in the plain picture's pixels; a drawn
    // pixel covers 1 / times of one.
    const double scale = times;
    QImage image(recipe.width * times, recipe.height * times, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            // Outline and rim are whole pixels, so that the rim stays white at
            // any size; an outer edge blended into black would leave dark
            // fringe pixels, and pure black ones would turn transparent. Only
            // the paint's edge against the rim is smoothed.
            const double depth = shape.depth((x + 0.5) / scale, (y + 0.5) / scale);
            if (depth < 0)
                continue;
            if (depth < rimEnd) {
                image.setPixel(x, y, (depth < outlineEnd ? recipe.outline : recipe.rim).rgb());
                continue;
            }
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = (x + (sx + 0.5) / kSamples) / scale, py = (y + (sy + 0.5) / kSamples) / scale;
                    const QColor colour = shape.depth(px, py) < rimEnd
                                              ? recipe.rim
                                              : Paint(recipe, confetti, shape.u(px), shape.v(py), px, py);
                    r += colour.redF(), g += colour.greenF(), b += colour.blueF();
                }
            const double n = kSamples * kSamples;
            image.setPixel(x, y, qRgb(int(std::lround(r / n * 255)), int(std::lround(g / n * 255)),
                                      int(std::lround(b / n * 255))));
        }
    return image;
}
