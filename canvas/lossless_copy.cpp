#include "canvas/lossless_copy.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

#include <cstring>

#include <zstd.h>

#include "core/file_replace.h"
#include "library/library_layout.h"

// The copy's file: a header, then one Zstandard frame of the pixels as three
// planes (red, green, blue), each row stored as differences from the pixel to
// its left. The differences of a coloured page are small, which Zstandard's
// fastest level packs several times faster than PNG's filters and deflate do.
//   "VLMCOPY1"  width, height (32-bit little-endian)  SHA-1 of the JPEG (20 bytes)  frame
namespace {

constexpr char kMagic[8] = {'V', 'L', 'M', 'C', 'O', 'P', 'Y', '1'};
constexpr qsizetype kChecksumBytes = 20;
constexpr qsizetype kHeaderBytes = sizeof kMagic + 4 + 4 + kChecksumBytes;
constexpr int kZstdLevel = 1;

QByteArray ChecksumOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

// RGB32 -> three planes of left differences.
QByteArray Planes(const QImage &canvas)
{
    const int width = canvas.width(), height = canvas.height();
    const qsizetype plane = qsizetype(width) * height;
    QByteArray planes(plane * 3, Qt::Uninitialized);
    auto *red = reinterpret_cast<uchar *>(planes.data());
    uchar *green = red + plane, *blue = green + plane;
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        uchar left[3] = {0, 0, 0};
        const qsizetype at = qsizetype(y) * width;
        for (int x = 0; x < width; ++x) {
            const uchar r = uchar(qRed(row[x])), g = uchar(qGreen(row[x])), b = uchar(qBlue(row[x]));
            red[at + x] = uchar(r - left[0]);
            green[at + x] = uchar(g - left[1]);
            blue[at + x] = uchar(b - left[2]);
            left[0] = r, left[1] = g, left[2] = b;
        }
    }
    return planes;
}

QImage FromPlanes(const QByteArray &planes, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const qsizetype plane = qsizetype(width) * height;
    const auto *red = reinterpret_cast<const uchar *>(planes.constData());
    const uchar *green = red + plane, *blue = green + plane;
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        uchar r = 0, g = 0, b = 0;
        const qsizetype at = qsizetype(y) * width;
        for (int x = 0; x < width; ++x) {
            r = uchar(r + red[at + x]);
            g = uchar(g + green[at + x]);
            b = uchar(b + blue[at + x]);
            row[x] = qRgb(r, g, b);
        }
    }
    return image;
}

} // namespace

QString WriteLosslessCopy(const QString &colouredJpeg, const QImage &canvas)
{
    const QByteArray checksum = ChecksumOfFile(colouredJpeg);
    if (checksum.size() != kChecksumBytes)
        return QStringLiteral("the coloured picture could not be read back");
    const QImage pixels = canvas.format() == QImage::Format_RGB32 ? canvas : canvas.convertToFormat(QImage::Format_RGB32);
    const QByteArray planes = Planes(pixels);
    QByteArray file(kHeaderBytes + qsizetype(ZSTD_compressBound(size_t(planes.size()))), Qt::Uninitialized);
    char *header = file.data();
    std::memcpy(header, kMagic, sizeof kMagic);
    qToLittleEndian<quint32>(quint32(pixels.width()), header + 8);
    qToLittleEndian<quint32>(quint32(pixels.height()), header + 12);
    std::memcpy(header + 16, checksum.constData(), kChecksumBytes);
    const size_t packed = ZSTD_compress(file.data() + kHeaderBytes, size_t(file.size() - kHeaderBytes),
                                        planes.constData(), size_t(planes.size()), kZstdLevel);
    if (ZSTD_isError(packed))
        return QString::fromLatin1(ZSTD_getErrorName(packed));
    file.truncate(kHeaderBytes + qsizetype(packed));
    const FileReplaceResult written = ReplaceFileContents(LibraryLayout::LosslessCopyOf(colouredJpeg), file);
    return written.ok() ? QString() : written.detail;
}

QImage ReadLosslessCopy(const QString &colouredJpeg, QSize pictureSize)
{
    if (pictureSize.isEmpty())
        return {};
    QFile copy(LibraryLayout::LosslessCopyOf(colouredJpeg));
    if (!copy.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = copy.read(kHeaderBytes);
    if (header.size() != kHeaderBytes || std::memcmp(header.constData(), kMagic, sizeof kMagic) != 0)
        return {};
    const int width = int(qFromLittleEndian<quint32>(header.constData() + 8));
    const int height = int(qFromLittleEndian<quint32>(header.constData() + 12));
    // The size and the checksum first: a copy of another picture or another
    // JPEG is never decoded, and nothing is allocated from a damaged header.
    if (QSize(width, height) != pictureSize || header.mid(16, kChecksumBytes) != ChecksumOfFile(colouredJpeg))
        return {};
    const QByteArray packed = copy.readAll();
    const qsizetype expected = qsizetype(width) * height * 3;
    if (ZSTD_getFrameContentSize(packed.constData(), size_t(packed.size())) != quint64(expected))
        return {};
    QByteArray planes(expected, Qt::Uninitialized);
    const size_t unpacked = ZSTD_decompress(planes.data(), size_t(planes.size()), packed.constData(), size_t(packed.size()));
    if (ZSTD_isError(unpacked) || unpacked != size_t(expected))
        return {};
    return FromPlanes(planes, width, height);
}
