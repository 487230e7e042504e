#pragma once

#include <QString>

#include <functional>

// How a sound treats one that is still playing.
enum class SoundMode {
    Interrupt, // cut the playing sound off and start this one
    NoStop,    // drop this one while another still plays (bubble pops)
    Wait,      // cut off, start, and return only when this one has finished
};

// Uniform numbers in [0, 1). Injected so that tests can fix the choices.
using RandomSource = std::function<double()>;
double UniformRandom();

// The colouring window's sound kinds; every other kind is silent.
namespace SoundKind {
inline constexpr int kBubblePop = 0;  // a bubble leaves the top of the palette or the picker
inline constexpr int kClick = 1;      // a picture button or a tool button
inline constexpr int kPick = 4;       // a bubble picked in the palette or the picker
inline constexpr int kNewPicture = 5; // a picture opened
} // namespace SoundKind

// Int(Rnd x count): an index in 0..count-1. A source straying outside [0, 1) is
// clamped rather than trusted to name a sound that does not exist.
int RandomIndex(const RandomSource &random, int count);

// The family name followed by a random variant: ("POP", 4) gives "POP0".."POP3".
QString RandomVariant(const QString &family, int count, const RandomSource &random);

struct SoundChoice {
    QString name; // empty: the kind is silent
    SoundMode mode = SoundMode::Interrupt;
};

// The sound of one kind, drawing its random numbers from `random` in order:
// first the family (kinds 1 and 4), then the variant.
SoundChoice SoundForKind(int kind, const RandomSource &random);
