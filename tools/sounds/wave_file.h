#pragma once

#include "tools/sounds/synth.h"

#include <QString>

// Rounds off both ends of a sound (so it starts and stops without a click) and
// brings it to the common level of every effect: its loudest 50 ms at about
// -10 dBFS, and its peak no higher than -3 dBFS.
Samples Finished(Samples sound);

// Writes a finished sound as a RIFF/WAVE file, 16-bit PCM, mono.
bool WriteWave(const QString &path, const Samples &sound);
