#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cmath>

// A mono 16-bit PCM WAVE file of a soft tone lasting `ms` milliseconds.
inline QByteArray ToneWav(int ms, quint32 sampleRate = 8000)
{
    const quint32 samples = sampleRate * quint32(ms) / 1000;
    QByteArray data(int(samples * 2), '\0');
    for (quint32 i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(3000 * std::sin(i * 0.25)), data.data() + 2 * i);
    auto u32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto u16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const QByteArray format = u16(1) + u16(1) + u32(sampleRate) + u32(sampleRate * 2) + u16(2) + u16(16);
    return "RIFF" + u32(quint32(4 + 8 + format.size() + 8 + data.size())) + "WAVE" + "fmt " +
           u32(quint32(format.size())) + format + "data" + u32(quint32(data.size())) + data;
}

inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
