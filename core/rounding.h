#pragma once

#include <cmath>

// Floating values become whole numbers by rounding to nearest with halves to
// even (2.5 -> 2, 3.5 -> 4), the rule every conversion in the program follows.
inline long long RoundHalfEven(double value)
{
    const double rounded = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return static_cast<long long>(2.0 * std::round(value / 2.0));
    return static_cast<long long>(rounded);
}
