#include "tools/sounds/synth.h"

#include "tools/pictures/seeded_random.h"

#include <algorithm>
#include <cmath>

namespace {

struct Partial
{
    double ratio, level, decay; // decay: how much faster than the fundamental it fades
};

std::vector<Partial> PartialsOf(Timbre timbre)
{
    switch (timbre) {
    case Timbre::Sine:
        return {{1, 1, 1}};
    case Timbre::Soft:
        return {{1, 1, 1}, {2, 0.22, 1.5}, {3, 0.06, 2}};
    case Timbre::Marimba:
        return {{1, 1, 1}, {4, 0.28, 5}, {9.9, 0.07, 9}};
    case Timbre::Bell:
        return {{1, 1, 1}, {2.76, 0.35, 2.2}, {5.40, 0.15, 3.5}, {8.93, 0.05, 5}};
    }
    return {};
}

// Attack, decay, and a rounded end so that the note never stops with a jump.
double Envelope(const Tone &tone, double t)
{
    double level = std::exp(-tone.decay * t);
    if (t < tone.attack)
        level *= std::pow(std::sin(M_PI / 2 * t / tone.attack), 2);
    const double tail = 0.2 * tone.length;
    if (t > tone.length - tail)
        level *= std::pow(std::cos(M_PI / 2 * (t - (tone.length - tail)) / tail), 2);
    return level;
}

} // namespace

Samples Silence(double seconds)
{
    return Samples(std::size_t(std::lround(seconds * kSampleRate)), 0.0);
}

double Note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

void AddTone(Samples &sound, const Tone &tone)
{
    const std::vector<Partial> partials = PartialsOf(tone.timbre);
    std::vector<double> phases(partials.size(), 0.0);
    const double to = tone.to > 0 ? tone.to : tone.from;
    const double glide = tone.glide > 0 ? tone.glide : tone.length;
    const auto first = std::size_t(std::lround(tone.start * kSampleRate));
    const auto count = std::size_t(std::lround(tone.length * kSampleRate));
    for (std::size_t i = 0; i < count && first + i < sound.size(); ++i) {
        const double t = double(i) / kSampleRate;
        double frequency = tone.from * std::pow(to / tone.from, std::min(t / glide, 1.0));
        frequency *= 1 + tone.vibrato * std::sin(2 * M_PI * 5.5 * t);
        double value = 0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            const double f = frequency * partials[p].ratio;
            if (f > 0.45 * kSampleRate)
                continue;
            phases[p] += 2 * M_PI * f / kSampleRate;
            value += partials[p].level * std::exp(-tone.decay * (partials[p].decay - 1) * t) * std::sin(phases[p]);
        }
        sound[first + i] += tone.level * Envelope(tone, t) * value;
    }
}

void AddNoise(Samples &sound, double start, double length, double level, double brightness, std::uint64_t seed)
{
    SeededRandom random(seed);
    const auto first = std::size_t(std::lround(start * kSampleRate));
    const auto count = std::size_t(std::lround(length * kSampleRate));
    double smooth = 0;
    for (std::size_t i = 0; i < count && first + i < sound.size(); ++i) {
        smooth += brightness * (random.between(-1, 1) - smooth);
        const double t = double(i) / count;
        sound[first + i] += level * smooth * std::sin(M_PI * std::sqrt(t)) * (1 - t);
    }
}
