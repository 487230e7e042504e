#include "image/bmp16_decoder.h"

#include <QImageIOHandler>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <climits>
#include <vector>

namespace {

constexpr qsizetype kFileHeader = 14;
constexpr qsizetype kInfoHeader = 40;
constexpr qsizetype kMasksAt = kFileHeader + kInfoHeader; // after a 40-byte header, or inside a longer one
constexpr quint32 kPlain = 0;
constexpr quint32 kBitFields = 3;

quint32 Little32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint16 Little16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

// One channel of a pixel: its bits under `mask`, scaled to 0..255.
class Channel {
public:
    explicit Channel(quint32 mask) : m_mask(quint16(mask)), m_shift(m_mask ? std::countr_zero(m_mask) : 0)
    {
        const quint32 most = quint32(m_mask) >> m_shift;
        m_levels.resize(most + 1, 0);
        for (quint32 value = 1; value <= most; ++value)
            m_levels[value] = quint8((value * 510 + most) / (2 * most));
    }
    bool present() const { return m_mask != 0; }
    int operator()(quint16 pixel) const { return m_levels[(pixel & m_mask) >> m_shift]; }

private:
    quint16 m_mask; // a pixel has 16 bits; mask bits above them never match
    int m_shift;
    std::vector<quint8> m_levels;
};

} // namespace

bool IsBmp16(QByteArrayView bytes)
{
    if (bytes.size() < kMasksAt || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const quint32 compression = Little32(bytes, 30);
    return Little32(bytes, kFileHeader) >= kInfoHeader && Little16(bytes, 26) == 1 && Little16(bytes, 28) == 16
           && (compression == kPlain || compression == kBitFields);
}

QImage DecodeBmp16(QByteArrayView bytes)
{
    if (!IsBmp16(bytes))
        return {};
    const qint64 infoSize = Little32(bytes, kFileHeader);
    const qint64 width = qint32(Little32(bytes, 18));
    const qint32 storedHeight = qint32(Little32(bytes, 22));
    const bool topDown = storedHeight < 0; // rows stored from the top
    const qint64 height = topDown ? -qint64(storedHeight) : qint64(storedHeight);
    if (width <= 0 || height == 0 || height > INT_MAX)
        return {};

    const bool fields = Little32(bytes, 30) == kBitFields;
    const qsizetype masksEnd = kMasksAt + (infoSize >= 56 ? 16 : 12);
    if (fields && bytes.size() < masksEnd)
        return {};
    // Plain 16 bits are 5-5-5 whatever masks a longer header holds.
    const Channel red(fields ? Little32(bytes, kMasksAt) : 0x7C00);
    const Channel green(fields ? Little32(bytes, kMasksAt + 4) : 0x03E0);
    const Channel blue(fields ? Little32(bytes, kMasksAt + 8) : 0x001F);
    const Channel alpha(fields && infoSize >= 56 ? Little32(bytes, kMasksAt + 12) : 0);

    // Some writers leave the pixel offset at 0: the rows then follow the header.
    const qint64 headerEnd = kFileHeader + infoSize + (fields && infoSize == kInfoHeader ? 12 : 0);
    const qint64 start = std::max<qint64>(Little32(bytes, 10), headerEnd);
    const qint64 rowBytes = (width * 16 + 31) / 32 * 4;
    if (start > bytes.size() || (bytes.size() - start) / rowBytes < height)
        return {};

    QImage image;
    if (!QImageIOHandler::allocateImage(QSize(int(width), int(height)),
                                        alpha.present() ? QImage::Format_ARGB32 : QImage::Format_RGB32, &image))
        return {};
    for (int y = 0; y < image.height(); ++y) {
        const qint64 stored = topDown ? y : image.height() - 1 - y;
        const char *in = bytes.data() + start + stored * rowBytes;
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint16 pixel = qFromLittleEndian<quint16>(in + 2 * x);
            out[x] = qRgba(red(pixel), green(pixel), blue(pixel), alpha.present() ? alpha(pixel) : 255);
        }
    }
    return image;
}
