#include "image/picture_structure.h"

#include <QtEndian>
#include <QtNumeric>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>

namespace {

qint64 Little16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

qint64 Little32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.data() + at);
}

// A colour table flag and size in a GIF's flags byte: the table's length in bytes.
qint64 ColourTableBytes(quint8 flags)
{
    return (flags & 0x80) ? 3 * (qint64(1) << ((flags & 0x07) + 1)) : 0;
}

const QString kEndsInHeader = QStringLiteral("the file ends inside its header");

} // namespace

PictureLayout InspectPicture(QByteArrayView bytes, const QByteArray &format)
{
    if (format == "bmp")
        return InspectBmp(bytes);
    if (format == "gif")
        return InspectGif(bytes);
    if (format == "jpeg")
        return InspectJpeg(bytes);
    return {};
}

PictureLayout InspectBmp(QByteArrayView bytes)
{
    constexpr qsizetype kFileHeader = 14;
    if (bytes.size() < kFileHeader + 4)
        return {QSize(), kEndsInHeader};
    const qint64 pixelsAt = Little32(bytes, 10);
    const qint64 infoSize = Little32(bytes, kFileHeader);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (infoSize == 12 && bytes.size() >= kFileHeader + 12) { // the old OS/2 header
        width = Little16(bytes, 18);
        height = Little16(bytes, 20);
        bitsPerPixel = Little16(bytes, 24);
    } else if (infoSize >= 40 && bytes.size() >= kFileHeader + 20) {
        width = Little32(bytes, 18);
        height = std::llabs(Little32(bytes, 22)); // negative: rows stored top-down
        bitsPerPixel = Little16(bytes, 28);
        compression = Little32(bytes, 30);
    } else {
        return {}; // an unusual header: the decoder judges it
    }
    const QSize declared(int(std::min<qint64>(width, INT_MAX)), int(std::min<qint64>(height, INT_MAX)));
    // Run-length encoded data has no fixed size; 3 and 6 are bit fields, stored plainly.
    if ((compression != 0 && compression != 3 && compression != 6) || width <= 0 || bitsPerPixel <= 0
        || pixelsAt <= 0)
        return {declared, QString()};
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    // A header may claim up to 2^31 rows of 2^44 bytes: their product can pass
    // what 64 bits hold, and no file is that large anyway.
    qint64 pixelBytes = 0;
    if (qMulOverflow(rowBytes, height, &pixelBytes))
        pixelBytes = std::numeric_limits<qint64>::max();
    if (bytes.size() - pixelsAt < pixelBytes)
        return {declared, QStringLiteral("the pixel data stops after %1 of %2 bytes")
                              .arg(std::max<qint64>(0, bytes.size() - pixelsAt))
                              .arg(pixelBytes)};
    return {declared, QString()};
}

PictureLayout InspectGif(QByteArrayView bytes)
{
    const auto byteAt = [&](qint64 at) { return quint8(bytes[qsizetype(at)]); };
    const qint64 size = bytes.size();
    constexpr qint64 kHeader = 13; // signature, screen size, flags, background, aspect
    if (size < kHeader)
        return {QSize(), kEndsInHeader};
    const QSize declared(int(Little16(bytes, 6)), int(Little16(bytes, 8)));
    qint64 at = kHeader + ColourTableBytes(byteAt(10));
    // Skips a chain of data sub-blocks; false when the file ends inside it.
    const auto skipSubBlocks = [&] {
        while (at < size) {
            const quint8 length = byteAt(at++);
            if (length == 0)
                return true;
            at += length;
        }
        return false;
    };
    while (at < size) {
        const quint8 kind = byteAt(at++);
        if (kind == 0x3B) // the trailer: everything before it was whole
            return {declared, QString()};
        if (kind == 0x21) { // an extension: its label, then sub-blocks
            ++at;
            if (!skipSubBlocks())
                break;
        } else if (kind == 0x2C) { // an image: descriptor, colour table, code size, sub-blocks
            if (at + 9 > size)
                break;
            at += 9 + ColourTableBytes(byteAt(at + 8)) + 1;
            if (!skipSubBlocks())
                break;
        } else {
            return {declared, QStringLiteral("a block of unknown kind (%1) at byte %2").arg(kind).arg(at - 1)};
        }
    }
    return {declared, QStringLiteral("the file ends before the trailer that closes it")};
}
