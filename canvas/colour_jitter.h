#pragma once

#include <QtGlobal>

#include <functional>

// A uniform random number in [0, 1), one per call.
using RandomSource = std::function<double()>;

// The program's own generator, seeded from the clock.
RandomSource DefaultRandomSource();

struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ColourParts &, const ColourParts &) = default;
};

// red = colour and 255, green = (colour >> 8) and 255, blue = (colour >> 16) and 255.
ColourParts SplitColour(qint32 colour);

// red + 256 x green + 65536 x blue, a part above 255 counted as 255 and a
// negative one as 0. (Not called RGB: windows.h defines that as a macro.)
qint32 RGBColour(int red, int green, int blue);

// The colour of one stroke segment: each part of `colour` moved at random by
// -jitter .. jitter - 1, drawn red first, then green, then blue.
qint32 JitteredColour(ColourParts colour, int jitter, const RandomSource &random);
