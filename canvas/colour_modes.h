#pragma once

// How far every stroke's colour wanders at random: a little in normal colours,
// widely in crazy colours.
namespace ColourModes {

inline constexpr int kNormalJitter = 10;
inline constexpr int kCrazyJitter = 120;

constexpr int ColourJitterFor(bool crazy)
{
    return crazy ? kCrazyJitter : kNormalJitter;
}

} // namespace ColourModes
