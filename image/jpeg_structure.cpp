#include "image/picture_structure.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr quint8 kMarker = 0xFF;
constexpr quint8 kEndOfImage = 0xD9, kStartOfScan = 0xDA;

bool IsStandalone(quint8 marker) // markers without a length: TEM and the restart markers
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool IsFrameHeader(quint8 marker) // SOF0..SOF15, which are not DHT, JPG or DAC
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Where the entropy-coded data that starts at `at` ends: at the next marker
// that is neither a stuffed 0xFF 0x00 nor a restart marker; -1 when none follows.
qsizetype EndOfScan(QByteArrayView bytes, qsizetype at)
{
    const auto *data = reinterpret_cast<const quint8 *>(bytes.data());
    while (at < bytes.size()) {
        const void *found = std::memchr(data + at, kMarker, size_t(bytes.size() - at));
        if (!found)
            return -1;
        at = static_cast<const quint8 *>(found) - data;
        if (at + 1 >= bytes.size())
            return -1;
        const quint8 next = data[at + 1];
        if (next != 0 && next != kMarker && !IsStandalone(next))
            return at;
        at += next == kMarker ? 1 : 2;
    }
    return -1;
}

} // namespace

PictureLayout InspectJpeg(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const quint8 *>(bytes.data());
    const qsizetype size = bytes.size();
    const QString cut = QStringLiteral("the file ends before its end-of-image marker");
    QSize declared;
    qsizetype at = 2; // past the start-of-image marker
    while (at < size) {
        if (data[at] != kMarker) { // stray bytes between segments: the decoder judges them
            ++at;
            continue;
        }
        while (at < size && data[at] == kMarker) // fill bytes
            ++at;
        if (at >= size)
            break;
        const quint8 marker = data[at++];
        if (marker == kEndOfImage)
            return {declared, QString()};
        if (IsStandalone(marker))
            continue;
        if (at + 2 > size)
            break;
        const qsizetype length = qFromBigEndian<quint16>(data + at);
        if (IsFrameHeader(marker) && at + 7 <= size)
            declared = QSize(qFromBigEndian<quint16>(data + at + 5), qFromBigEndian<quint16>(data + at + 3));
        at += length;
        if (marker == kStartOfScan) {
            at = at <= size ? EndOfScan(bytes, at) : -1;
            if (at < 0)
                break;
        }
    }
    return {declared, cut};
}
