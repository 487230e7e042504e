#pragma once

#include <QString>

// The platform seam for sound: plays the program's named clips on one voice.
// Whether a clip is still playing is not asked of the platform (players report
// the end late, or never without a device); the caller times clips by their
// length instead.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts the named clip from its beginning, cutting off any clip still
    // sounding. A clip that is missing or damaged plays nothing.
    virtual void Play(const QString &name) = 0;
    // Silences whatever is playing.
    virtual void Stop() = 0;
    // The clip's length in milliseconds; 0 for a missing or damaged clip, and
    // for any clip when nothing can be heard.
    virtual qint64 LengthMs(const QString &name) = 0;
};

// For machines without an audio device, and for when sound must stay off.
class SilentSoundOutput final : public SoundOutput {
public:
    void Play(const QString &) override {}
    void Stop() override {}
    qint64 LengthMs(const QString &) override { return 0; }
};
