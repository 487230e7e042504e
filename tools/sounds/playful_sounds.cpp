#include "tools/sounds/sound_recipes.h"

namespace {

// A bubble: a quick upward "bloop" with a puff of air as it bursts.
Samples Pop(int variant)
{
    const double base[] = {420, 520, 380, 600};
    Samples sound = Silence(0.18);
    AddTone(sound, {.length = 0.12, .from = base[variant], .to = base[variant] * 2.6,
                    .attack = 0.002, .decay = 26, .timbre = Timbre::Sine});
    if (variant == 2) // a little one rising behind the first
        AddTone(sound, {.start = 0.07, .length = 0.1, .from = 640, .to = 1500, .level = 0.6,
                        .attack = 0.002, .decay = 30, .timbre = Timbre::Sine});
    AddNoise(sound, 0, 0.014, 0.4, 0.15, 0xB0B + variant);
    return sound;
}

// A button: a wooden "boop" on a note of the pentatonic scale, dropping a
// little in pitch as it sounds.
Samples Boop(int variant)
{
    const int notes[] = {3, 5, 7, 10, 12, 15}; // C5 D5 E5 G5 A5 C6
    const double pitch = Note(notes[variant]);
    Samples sound = Silence(0.24);
    AddTone(sound, {.length = 0.22, .from = pitch * 1.08, .to = pitch, .glide = 0.03, .attack = 0.003,
                    .decay = 13, .timbre = Timbre::Marimba});
    AddTone(sound, {.length = 0.2, .from = pitch / 2 * 1.08, .to = pitch / 2, .glide = 0.03, .level = 0.35,
                    .attack = 0.004, .decay = 16, .timbre = Timbre::Sine});
    return sound;
}

// Dipping into a paint bubble: a skip up two notes, or a drop of water.
Samples Press(int variant)
{
    Samples sound = Silence(0.24);
    if (variant == 0) {
        AddTone(sound, {.length = 0.12, .from = Note(7), .decay = 18, .timbre = Timbre::Marimba});
        AddTone(sound, {.start = 0.07, .length = 0.16, .from = Note(12), .decay = 14, .timbre = Timbre::Marimba});
    } else {
        AddTone(sound, {.length = 0.2, .from = 1400, .to = 700, .glide = 0.05, .attack = 0.002, .decay = 15,
                        .timbre = Timbre::Sine});
        AddTone(sound, {.start = 0.035, .length = 0.16, .from = 900, .to = 1300, .glide = 0.05, .level = 0.45,
                        .decay = 18, .timbre = Timbre::Sine});
    }
    return sound;
}

Samples Glide(double from, double to)
{
    Samples sound = Silence(0.25);
    AddTone(sound, {.length = 0.24, .from = from, .to = to, .glide = 0.18, .attack = 0.01, .decay = 4});
    return sound;
}

Samples Beep()
{
    Samples sound = Silence(0.22);
    AddTone(sound, {.length = 0.2, .from = Note(12), .attack = 0.01, .decay = 3});
    return sound;
}

Samples Click()
{
    Samples sound = Silence(0.07);
    AddTone(sound, {.length = 0.06, .from = 1800, .attack = 0.001, .decay = 60, .timbre = Timbre::Marimba});
    AddNoise(sound, 0, 0.01, 0.3, 0.3, 0xC11C);
    return sound;
}

} // namespace

std::vector<NamedSound> PlayfulSounds()
{
    std::vector<NamedSound> sounds;
    AddFamily(sounds, QStringLiteral("POP"), 4, Pop);
    AddFamily(sounds, QStringLiteral("B"), 6, Boop);
    AddFamily(sounds, QStringLiteral("PRESS"), 2, Press);
    sounds.push_back({QStringLiteral("BEEP"), Beep()});
    sounds.push_back({QStringLiteral("CLICK"), Click()});
    sounds.push_back({QStringLiteral("UP"), Glide(Note(0), Note(12))});
    sounds.push_back({QStringLiteral("DOWN"), Glide(Note(12), Note(0))});
    return sounds;
}
