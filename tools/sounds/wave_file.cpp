#include "tools/sounds/wave_file.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPeak = 0.708;     // -3 dBFS
constexpr double kLoudness = 0.316; // -10 dBFS, over the loudest 50 ms
constexpr double kFadeIn = 0.004, kFadeOut = 0.015; // seconds

template <typename T>
void Append(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}
// The root mean square of the loudest 50 ms, which is what the ear judges a
// short effect by better than by its peak.
double LoudestWindow(const Samples &sound)
{
    const std::size_t window = std::min(sound.size(), std::size_t(0.05 * kSampleRate));
    double sum = 0, loudest = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        sum += sound[i] * sound[i];
        if (i >= window)
            sum -= sound[i - window] * sound[i - window];
        if (i + 1 >= window)
            loudest = std::max(loudest, sum);
    }
    return window ? std::sqrt(std::max(loudest, 0.0) / window) : 0;
}
} // namespace

Samples Finished(Samples sound)
{
    const auto fadeIn = std::min(sound.size(), std::size_t(kFadeIn * kSampleRate));
    const auto fadeOut = std::min(sound.size(), std::size_t(kFadeOut * kSampleRate));
    for (std::size_t i = 0; i < fadeIn; ++i)
        sound[i] *= std::pow(std::sin(M_PI / 2 * double(i) / fadeIn), 2);
    for (std::size_t i = 0; i < fadeOut; ++i)
        sound[sound.size() - 1 - i] *= std::pow(std::sin(M_PI / 2 * double(i) / fadeOut), 2);
    double peak = 0;
    for (double value : sound)
        peak = std::max(peak, std::abs(value));
    const double loudness = LoudestWindow(sound);
    if (peak > 0 && loudness > 0) {
        // Plain tones reach the loudness long before the peak; the rest peak first.
        const double gain = std::min(kPeak / peak, kLoudness / loudness);
        for (double &value : sound)
            value *= gain;
    }
    return sound;
}

bool WriteWave(const QString &path, const Samples &sound)
{
    const auto dataBytes = quint32(sound.size() * 2);
    QByteArray bytes;
    bytes.append("RIFF");
    Append<quint32>(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    Append<quint32>(bytes, 16);
    Append<quint16>(bytes, 1); // PCM
    Append<quint16>(bytes, 1); // mono
    Append<quint32>(bytes, kSampleRate);
    Append<quint32>(bytes, kSampleRate * 2); // bytes per second
    Append<quint16>(bytes, 2);               // bytes per frame
    Append<quint16>(bytes, 16);              // bits per sample
    bytes.append("data");
    Append<quint32>(bytes, dataBytes);
    for (double value : sound)
        Append<qint16>(bytes, qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32767)));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
