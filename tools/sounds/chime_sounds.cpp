#include "tools/sounds/sound_recipes.h"

#include <initializer_list>

namespace {

// Bell notes one after another, each ringing on under the next.
void Arpeggio(Samples &sound, std::initializer_list<int> notes, double start, double spacing, double level,
              double ring)
{
    for (int note : notes) {
        AddTone(sound, {.start = start, .length = ring, .from = Note(note), .level = level, .attack = 0.003,
                        .decay = 5, .timbre = Timbre::Bell});
        start += spacing;
    }
}

// Something to look at: a soft ding-dong, an arpeggio, or a rising pair.
Samples Message(int variant)
{
    Samples sound = Silence(0.8);
    if (variant == 0)
        Arpeggio(sound, {10, 15}, 0, 0.15, 1, 0.62);       // G5 C6
    else if (variant == 1)
        Arpeggio(sound, {7, 10, 15}, 0, 0.11, 0.8, 0.56);  // E5 G5 C6
    else
        Arpeggio(sound, {19, 15}, 0, 0.16, 0.9, 0.62);     // E6 C6
    return sound;
}

// A new picture: sparkles running up and twinkling at the top.
Samples New(int variant)
{
    Samples sound = Silence(0.95);
    if (variant == 0) {
        Arpeggio(sound, {3, 7, 10, 15, 19, 22}, 0, 0.05, 0.6, 0.6); // C5 .. G6
        Arpeggio(sound, {27, 31}, 0.4, 0.1, 0.25, 0.44);            // C7 E7
    } else {
        AddTone(sound, {.length = 0.3, .from = 500, .to = 1500, .glide = 0.25, .level = 0.5, .attack = 0.02,
                        .decay = 2, .timbre = Timbre::Sine});
        Arpeggio(sound, {22, 27, 31, 34}, 0.22, 0.08, 0.4, 0.48);   // G6 C7 E7 G7
    }
    return sound;
}

// Never mind: gentle and falling, never a buzzer.
Samples Cancel(int variant)
{
    Samples sound = Silence(0.5);
    switch (variant) {
    case 0: // G5 down to C5
        AddTone(sound, {.length = 0.25, .from = Note(10), .decay = 6});
        AddTone(sound, {.start = 0.17, .length = 0.32, .from = Note(3), .decay = 6});
        break;
    case 1: // a slow slide down
        AddTone(sound, {.length = 0.45, .from = Note(7), .to = Note(0), .glide = 0.32, .attack = 0.01, .decay = 4,
                        .vibrato = 0.01});
        break;
    case 2: // E5 D5 C5
        for (int i = 0; i < 3; ++i)
            AddTone(sound, {.start = 0.09 * i, .length = 0.26, .from = Note(7 - 2 * i), .decay = 9,
                            .timbre = Timbre::Marimba});
        break;
    default: // "aww"
        AddTone(sound, {.length = 0.46, .from = Note(12), .to = Note(8), .glide = 0.3, .attack = 0.015,
                        .decay = 3.5, .vibrato = 0.012});
        break;
    }
    return sound;
}

// Yes! A happy step up a major third.
Samples Ok()
{
    Samples sound = Silence(0.6);
    Arpeggio(sound, {15, 19}, 0, 0.11, 1, 0.48); // C6 E6
    AddTone(sound, {.start = 0.11, .length = 0.45, .from = Note(7), .level = 0.3, .decay = 5}); // E5 beneath
    return sound;
}

} // namespace

std::vector<NamedSound> ChimeSounds()
{
    std::vector<NamedSound> sounds;
    AddFamily(sounds, QStringLiteral("MESSAGE"), 3, Message);
    AddFamily(sounds, QStringLiteral("NEW"), 2, New);
    AddFamily(sounds, QStringLiteral("CANCEL"), 4, Cancel);
    sounds.push_back({QStringLiteral("OK"), Ok()});
    return sounds;
}
