#pragma once

#include <cstdint>

// A small random generator of our own (splitmix64), so that regenerating the
// resources gives the same files with any standard library.
class SeededRandom
{
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    // Uniform in [0, 1).
    double next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) * (1.0 / 9007199254740992.0);
    }

    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint64_t state_;
};
