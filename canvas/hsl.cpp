#include "canvas/hsl.h"

#include <algorithm>

#include "core/rounding.h"

namespace modHSL {

namespace {

constexpr double kSixth = 255.0 / 6; // one sixth of a turn of hue

int Part(qint32 colour, int shift)
{
    return (colour >> shift) & 0xFF;
}

int ToByte(double value)
{
    return int(std::clamp<long long>(RoundHalfEven(value), 0, 255));
}

} // namespace

Hsl RgbToHsl(qint32 colour)
{
    const int red = Part(colour, 0), green = Part(colour, 8), blue = Part(colour, 16);
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    const int sum = max + min;
    Hsl hsl;
    // Rounded down: a lightness of x.5 rounded up would bring a full-strength
    // colour back two steps too light (166, 1, 1 as 168, 0, 0).
    hsl.Lightness = sum / 2;
    if (max == min) {
        hsl.Hue = kUndefinedHue;
        return hsl;
    }
    const double spread = max - min;
    // The divisor changes where the usual rounded-up lightness passes the
    // middle, at a sum of 254, so that saturations stay within a step of it.
    hsl.Saturation = ToByte(spread * 255 / (sum < 254 ? sum : 510 - sum));
    double hue;
    if (red == max)
        hue = kSixth * (green - blue) / spread;
    else if (green == max)
        hue = 85 + kSixth * (blue - red) / spread;
    else
        hue = 170 + kSixth * (red - green) / spread;
    if (hue < 0)
        hue += 255;
    hsl.Hue = ToByte(hue);
    return hsl;
}

double HueToRGB(double m1, double m2, double hue)
{
    if (hue < 0)
        hue += 255;
    if (hue >= 256)
        hue -= 255;
    if (hue < 42)
        return m1 + (m2 - m1) * hue / kSixth;
    if (hue < 128)
        return m2;
    if (hue < 170)
        return m1 + (m2 - m1) * (170 - hue) / kSixth;
    return m1;
}

qint32 HslToRgb(const Hsl &hsl)
{
    const double lightness = std::clamp(hsl.Lightness, 0, 255);
    const double saturation = std::clamp(hsl.Saturation, 0, 255);
    if (saturation == 0) {
        const int grey = int(lightness);
        return grey | (grey << 8) | (grey << 16);
    }
    const double m2 = lightness <= 127.5 ? lightness * (255 + saturation) / 255
                                         : lightness + saturation - lightness * saturation / 255;
    const double m1 = 2 * lightness - m2;
    const int red = ToByte(HueToRGB(m1, m2, hsl.Hue + 85));
    const int green = ToByte(HueToRGB(m1, m2, hsl.Hue));
    const int blue = ToByte(HueToRGB(m1, m2, hsl.Hue - 85));
    return red | (green << 8) | (blue << 16);
}

} // namespace modHSL
