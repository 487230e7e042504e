#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>

#include "sound/sound_output.h"

class QSoundEffect;

// Plays the program's clips with Qt Multimedia, one QSoundEffect per name,
// each loaded on first use and kept. Clips that are missing or damaged are
// never handed to Qt, so they stay silent without a warning each time.
class QtSoundOutput final : public SoundOutput {
public:
    // Where a named clip lives; by default the compiled-in ":/sounds/NAME.wav".
    using PathOf = std::function<QString(const QString &name)>;
    explicit QtSoundOutput(PathOf pathOf = {});
    ~QtSoundOutput() override;

    void Play(const QString &name) override;
    void Stop() override;
    qint64 LengthMs(const QString &name) override;

private:
    struct Clip {
        std::unique_ptr<QSoundEffect> effect; // null when the clip cannot play
        qint64 lengthMs = 0;
    };
    Clip &Load(const QString &name);
    // Qt 6.4 deadlocks at exit when its sample cache is torn down while a clip
    // is still decoding (its loader thread and its destructor wait on each
    // other), so pending loads are let finish first. Can go once Qt's sample
    // cache shuts down cleanly.
    void SettleLoading();
    static constexpr int kSettleMs = 2000;

    PathOf m_pathOf;
    std::map<QString, Clip> m_clips;
    QSoundEffect *m_current = nullptr;
};

// The sound output for this machine: Qt Multimedia when it has an audio output,
// otherwise silence, said once on stderr:
// "Velmora: no audio output found; sound effects are off."
std::unique_ptr<SoundOutput> MakeSoundOutput();
