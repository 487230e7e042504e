#pragma once

#include <QtGlobal>

// Hue, saturation and lightness, each on a 0..255 scale (a hue of 255 is a full
// turn, so 0 and 255 are both red).
struct Hsl {
    int Hue = 0;
    int Saturation = 0;
    int Lightness = 0;
};

// Conversions between colour values (red + 256 x green + 65536 x blue) and Hsl,
// used to re-colour the colour picker's shades.
namespace modHSL {

// The hue a grey is given: it has none of its own.
inline constexpr int kUndefinedHue = 170;

Hsl RgbToHsl(qint32 colour);
qint32 HslToRgb(const Hsl &hsl);

// One part of HslToRgb: the value of a colour part whose hue is `hue` (any
// value within one turn either side of 0..255), between the lowest part m1 and
// the highest m2.
double HueToRGB(double m1, double m2, double hue);

} // namespace modHSL
