#pragma once

#include <QElapsedTimer>

// Time for the sound player: when clips started and how long to wait for one.
// Injected so that tests can step time instead of sleeping.
class SoundClock {
public:
    virtual ~SoundClock() = default;
    virtual qint64 NowMs() const = 0;
    // Returns after `ms` milliseconds.
    virtual void WaitMs(qint64 ms) = 0;
};

// The monotonic clock. Waiting keeps the windows painting and timers running,
// but holds back the user's clicks and keys, so that a window waiting for its
// sound cannot be clicked again meanwhile.
class SteadySoundClock final : public SoundClock {
public:
    SteadySoundClock() { m_timer.start(); }
    qint64 NowMs() const override { return m_timer.elapsed(); }
    void WaitMs(qint64 ms) override;

private:
    QElapsedTimer m_timer;
};
