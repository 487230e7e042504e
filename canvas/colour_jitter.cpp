#include "canvas/colour_jitter.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

RandomSource DefaultRandomSource()
{
    return [] { return QRandomGenerator::global()->generateDouble(); };
}

ColourParts SplitColour(qint32 colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

qint32 RGBColour(int red, int green, int blue)
{
    const auto part = [](int value) { return std::clamp(value, 0, 255); };
    return part(red) | (part(green) << 8) | (part(blue) << 16);
}

namespace {

// Int(Rnd x (2 x jitter)) + part - jitter. A source that strays out of [0, 1)
// is held inside it, so the variation never leaves its range.
int Jittered(int part, int jitter, const RandomSource &random)
{
    const double rnd = std::clamp(random(), 0.0, std::nextafter(1.0, 0.0));
    return int(std::floor(rnd * (2.0 * jitter))) + part - jitter;
}

} // namespace

qint32 JitteredColour(ColourParts colour, int jitter, const RandomSource &random)
{
    // Three statements, so that the parts draw their numbers in this order.
    const int red = Jittered(colour.red, jitter, random);
    const int green = Jittered(colour.green, jitter, random);
    const int blue = Jittered(colour.blue, jitter, random);
    return RGBColour(red, green, blue);
}
