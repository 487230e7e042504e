#pragma once

#include <QHash>
#include <QStringList>

#include <memory>

#include "sound/sound_effects.h"

// Records what the logic asks of the platform, as "play NAME" and "stop".
class RecordingOutput final : public SoundOutput {
public:
    void Play(const QString &name) override { log << QStringLiteral("play ") + name; }
    void Stop() override { log << QStringLiteral("stop"); }
    qint64 LengthMs(const QString &name) override { return lengths.value(name, defaultLengthMs); }

    QStringList log;
    QHash<QString, qint64> lengths;
    qint64 defaultLengthMs = 300;
};

// Time that moves only when told to, or when someone waits.
class FakeClock final : public SoundClock {
public:
    qint64 NowMs() const override { return now; }
    void WaitMs(qint64 ms) override
    {
        waits << ms;
        now += ms;
    }

    qint64 now = 1000;
    QList<qint64> waits;
};

// SoundEffects on a recording output and a fake clock, with every random
// number 0 (so every family plays its first clip). The output and clock stay
// owned by `sounds`; the pointers are for reading what happened.
struct RecordedSounds {
    RecordingOutput *output = new RecordingOutput;
    FakeClock *clock = new FakeClock;
    SoundEffects sounds{std::unique_ptr<SoundOutput>(output), std::unique_ptr<SoundClock>(clock), [] { return 0.0; }};
};
