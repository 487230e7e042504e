#pragma once

// BMP files written byte by byte for the reader's tests, in the forms Qt's own
// writer never makes: any depth, rows top-down, colours in bit fields.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QtEndian>

#include <bit>
#include <utility>

struct BmpForm {
    explicit BmpForm(int bits = 24, QList<quint32> masks = {}, bool topDown = false, int headerBytes = 40)
        : bits(bits), masks(std::move(masks)), topDown(topDown), headerBytes(headerBytes)
    {
    }
    int bits;             // 1, 4, 8, 16, 24 or 32
    QList<quint32> masks; // red, green, blue (alpha in a version 5 header): bit fields; empty: the plain form
    bool topDown;         // rows from the top, shown by a negative height
    int headerBytes;      // 40, or 124 for a version 5 header that holds the masks itself
};

namespace bmp_bytes {

inline void Put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}
inline void Put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// A channel (0..255) placed under its mask, rounded to the mask's width.
inline quint32 UnderMask(int channel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint32 most = mask >> shift;
    return quint32((quint64(channel) * most * 2 + 255) / 510) << shift;
}

} // namespace bmp_bytes

// `image` as a BMP of the given form. Indexed depths take the image's colours
// as their palette; empty when it has more colours than the depth holds.
inline QByteArray BmpBytes(const QImage &source, const BmpForm &form)
{
    using namespace bmp_bytes;
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width(), height = image.height();
    QList<QRgb> palette;
    if (form.bits <= 8) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (!palette.contains(image.pixel(x, y) | 0xFF000000u))
                    palette.append(image.pixel(x, y) | 0xFF000000u);
        if (palette.size() > (1 << form.bits))
            return {};
    }
    QList<quint32> masks = form.masks;
    if (masks.isEmpty())
        masks = form.bits == 16 ? QList<quint32>{0x7C00, 0x03E0, 0x001F} : QList<quint32>{0xFF0000, 0xFF00, 0xFF};
    const bool fields = !form.masks.isEmpty();
    const qsizetype masksAfter = fields && form.headerBytes == 40 ? 12 : 0;
    const qsizetype pixelsAt = 14 + form.headerBytes + masksAfter + 4 * palette.size();
    const qsizetype rowBytes = (qsizetype(width) * form.bits + 31) / 32 * 4;

    QByteArray bytes(pixelsAt + rowBytes * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, quint32(bytes.size()));
    Put32(bytes, 10, quint32(pixelsAt));
    Put32(bytes, 14, quint32(form.headerBytes));
    Put32(bytes, 18, quint32(width));
    Put32(bytes, 22, quint32(form.topDown ? -height : height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, quint16(form.bits));
    Put32(bytes, 30, fields ? 3 : 0);
    Put32(bytes, 34, quint32(rowBytes * height));
    Put32(bytes, 46, quint32(palette.size()));
    if (fields)
        for (int i = 0; i < masks.size(); ++i)
            Put32(bytes, 54 + 4 * i, masks[i]);
    if (form.headerBytes >= 108)
        Put32(bytes, 70, 0x73524742); // 'sRGB'
    for (int i = 0; i < palette.size(); ++i)
        Put32(bytes, 14 + form.headerBytes + masksAfter + 4 * i, palette[i] & 0xFFFFFF);

    for (int y = 0; y < height; ++y) {
        const qsizetype row = pixelsAt + rowBytes * (form.topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (form.bits <= 8) {
                const int index = int(palette.indexOf(pixel | 0xFF000000u));
                const qsizetype bit = qsizetype(x) * form.bits;
                const int shift = 8 - form.bits - int(bit % 8);
                bytes[row + bit / 8] = char(quint8(bytes[row + bit / 8]) | (index << shift));
            } else if (form.bits == 24) {
                bytes[row + 3 * x] = char(qBlue(pixel));
                bytes[row + 3 * x + 1] = char(qGreen(pixel));
                bytes[row + 3 * x + 2] = char(qRed(pixel));
            } else {
                const quint32 packed = UnderMask(qRed(pixel), masks[0]) | UnderMask(qGreen(pixel), masks[1])
                                       | UnderMask(qBlue(pixel), masks[2])
                                       | (masks.size() > 3 ? UnderMask(qAlpha(pixel), masks[3]) : 0);
                if (form.bits == 16)
                    Put16(bytes, row + 2 * x, quint16(packed));
                else
                    Put32(bytes, row + 4 * x, packed);
            }
        }
    }
    return bytes;
}
