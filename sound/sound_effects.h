#pragma once

#include <QString>

#include <memory>

#include "sound/sound_clock.h"
#include "sound/sound_families.h"
#include "sound/sound_output.h"
#include "core/limits.h"

// Every sound of the program goes through one SoundEffects object, owned by the
// colouring window and lent to the other windows, so that the one switch
// `Play_Sound` silences them all. It picks the random variant of each family,
// and times each clip by its own length to know whether it is still playing.
class SoundEffects {
public:
    // A null clock means the steady clock.
    explicit SoundEffects(std::unique_ptr<SoundOutput> output, std::unique_ptr<SoundClock> clock = nullptr,
                          RandomSource random = UniformRandom);

    // The program's sound switch (settings line 1). Switching it off also
    // silences a sound still playing.
    bool Play_Sound() const { return m_playSound; }
    void SetPlay_Sound(bool on);

    // The colouring window's sounds by kind (see SoundKind); kinds without a
    // sound are silent. The colour picker uses kinds 0 and 4 as well.
    void PlaySoundEffect(int kind);

    // The message window opening: "MESSAGE0".."MESSAGE2", interrupting.
    void PlayMessageOpened();
    // The message window's OK: "OK", returning once it has finished.
    void PlayMessageOk();
    // A cancel (message window, closing the picture browser, asking it for
    // more pictures): "CANCEL0".."CANCEL3", interrupting.
    void PlayCancel();

    // Plays the named clip in the given way, when sound is on.
    void Play(const QString &name, SoundMode mode);

    // True while the last clip started has not reached its end.
    bool IsPlaying() const;

    // The longest the OK sound may hold its window, whatever a clip claims.
    static constexpr qint64 kLongestWaitMs = kLongestSoundWaitMs;

private:
    std::unique_ptr<SoundOutput> m_output;
    std::unique_ptr<SoundClock> m_clock;
    RandomSource m_random;
    bool m_playSound = true;
    qint64 m_playingUntilMs = 0; // on m_clock
    quint64 m_clipsStarted = 0;  // tells whether another clip began during a wait
};
