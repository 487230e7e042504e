#pragma once

#include "tools/sounds/synth.h"

#include <QString>
#include <vector>

// One named effect, ready to be finished and written as <name>.wav.
struct NamedSound
{
    QString name;
    Samples sound;
};

// Adds the numbered variants of a family: POP0 .. POP3 from make(0) .. make(3).
template <typename Make>
void AddFamily(std::vector<NamedSound> &sounds, const QString &family, int count, Make make)
{
    for (int i = 0; i < count; ++i)
        sounds.push_back({family + QString::number(i), make(i)});
}

// Bubble pops, button boops, palette presses and the spare BEEP, CLICK, UP, DOWN.
std::vector<NamedSound> PlayfulSounds();

// Chimes: MESSAGE, NEW, CANCEL and OK.
std::vector<NamedSound> ChimeSounds();
