#pragma once

#include <cstdint>
#include <vector>

// A tiny additive synthesiser for the sound effects: notes with a few partials,
// pitch glides, vibrato and soft noise bursts, mixed into one mono buffer.
constexpr int kSampleRate = 22050;

using Samples = std::vector<double>;

enum class Timbre {
    Sine,    // a plain tone
    Soft,    // a rounded tone with gentle low harmonics
    Marimba, // a wooden "boop": a high partial that dies at once
    Bell,    // glockenspiel partials, for chimes and sparkles
};

struct Tone
{
    double start = 0;          // seconds into the sound
    double length = 0.2;       // seconds until it is silent
    double from = 440;         // Hz at the start...
    double to = 0;             // ...gliding (evenly in pitch) to this; 0: no glide
    double glide = 0;          // seconds the glide takes; 0: the whole length
    double level = 1;
    double attack = 0.004;     // seconds
    double decay = 6;          // exponential decay per second
    double vibrato = 0;        // depth as a share of the frequency
    Timbre timbre = Timbre::Soft;
};

// A buffer long enough for seconds of sound.
Samples Silence(double seconds);

void AddTone(Samples &sound, const Tone &tone);

// A short puff of low-passed noise (0 < brightness <= 1).
void AddNoise(Samples &sound, double start, double length, double level, double brightness, std::uint64_t seed);

// Equal-tempered pitch: Note(0) is A4 (440 Hz), Note(3) is C5.
double Note(int semitonesFromA4);
