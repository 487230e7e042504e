#include "sound/sound_effects.h"

#include <algorithm>

SoundEffects::SoundEffects(std::unique_ptr<SoundOutput> output, std::unique_ptr<SoundClock> clock, RandomSource random)
    : m_output(output ? std::move(output) : std::make_unique<SilentSoundOutput>()),
      m_clock(clock ? std::move(clock) : std::make_unique<SteadySoundClock>()),
      m_random(random ? std::move(random) : UniformRandom)
{
}

void SoundEffects::SetPlay_Sound(bool on)
{
    if (!on && IsPlaying()) {
        m_output->Stop();
        m_playingUntilMs = m_clock->NowMs();
    }
    m_playSound = on;
}

bool SoundEffects::IsPlaying() const
{
    return m_clock->NowMs() < m_playingUntilMs;
}

void SoundEffects::PlaySoundEffect(int kind)
{
    if (!m_playSound)
        return;
    const SoundChoice choice = SoundForKind(kind, m_random);
    if (!choice.name.isEmpty())
        Play(choice.name, choice.mode);
}

void SoundEffects::PlayMessageOpened()
{
    if (m_playSound)
        Play(RandomVariant(QStringLiteral("MESSAGE"), 3, m_random), SoundMode::Interrupt);
}

void SoundEffects::PlayMessageOk()
{
    Play(QStringLiteral("OK"), SoundMode::Wait);
}

void SoundEffects::PlayCancel()
{
    if (m_playSound)
        Play(RandomVariant(QStringLiteral("CANCEL"), 4, m_random), SoundMode::Interrupt);
}

void SoundEffects::Play(const QString &name, SoundMode mode)
{
    if (!m_playSound)
        return;
    if (IsPlaying()) {
        if (mode == SoundMode::NoStop)
            return;
        m_output->Stop();
    }
    const qint64 length = m_output->LengthMs(name);
    m_output->Play(name);
    m_playingUntilMs = m_clock->NowMs() + length;
    const quint64 clip = ++m_clipsStarted;
    if (mode != SoundMode::Wait || length <= 0)
        return;
    m_clock->WaitMs(std::min(length, kLongestWaitMs));
    // Held back at the limit, the clip is cut off rather than left running,
    // unless another sound has taken over while we waited.
    if (length > kLongestWaitMs && clip == m_clipsStarted) {
        m_output->Stop();
        m_playingUntilMs = m_clock->NowMs();
    }
}
