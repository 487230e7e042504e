#include "sound/sound_wav.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;

struct WavFormat {
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
};

bool IsPlayable(const WavFormat &f)
{
    const bool knownTag = f.tag == kFormatPcm || f.tag == kFormatFloat || f.tag == kFormatExtensible;
    return knownTag && f.channels > 0 && f.bitsPerSample > 0 && f.bitsPerSample % 8 == 0 &&
           f.blockAlign == f.channels * f.bitsPerSample / 8 && f.sampleRate > 0 &&
           quint64(f.byteRate) == quint64(f.sampleRate) * f.blockAlign;
}

} // namespace

qint64 WavLengthMs(QIODevice &device)
{
    const QByteArray riff = device.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return 0;
    WavFormat format;
    bool haveFormat = false;
    while (true) {
        const QByteArray header = device.read(8);
        if (header.size() != 8)
            return 0; // ran out before the data chunk
        const QByteArray id = header.left(4);
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (qint64(size) > device.bytesAvailable())
            return 0; // a chunk running past the end: truncated or garbage
        if (id == "fmt ") {
            const QByteArray body = device.read(size);
            if (size < 16 || quint32(body.size()) != size)
                return 0;
            const char *p = body.constData();
            format = {qFromLittleEndian<quint16>(p),      qFromLittleEndian<quint16>(p + 2),
                      qFromLittleEndian<quint32>(p + 4),  qFromLittleEndian<quint32>(p + 8),
                      qFromLittleEndian<quint16>(p + 12), qFromLittleEndian<quint16>(p + 14)};
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || !IsPlayable(format))
                return 0;
            return qint64(size) * 1000 / format.byteRate;
        } else if (device.skip(size) != qint64(size)) {
            return 0;
        }
        // Chunks are padded to an even length.
        if (size % 2 == 1 && device.skip(1) != 1)
            return 0;
    }
}

qint64 WavFileLengthMs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return WavLengthMs(file);
}
