#include "canvas/lossless_copy.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include "core/file_replace.h"
#include "library/library_layout.h"

namespace {

constexpr char kChecksumKey[] = "Velmora-JPEG-SHA1";
// Qt's PNG writer turns quality 85 into zlib level 1: colouring pages are large
// flat areas, which the fastest level already packs well.
constexpr int kPngQuality = 85;

QByteArray ChecksumOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return {};
    return hash.result().toHex();
}

} // namespace

QString WriteLosslessCopy(const QString &colouredJpeg, const QImage &canvas)
{
    const QByteArray checksum = ChecksumOfFile(colouredJpeg);
    if (checksum.isEmpty())
        return QStringLiteral("the coloured picture could not be read back");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kPngQuality);
    writer.setText(QLatin1String(kChecksumKey), QString::fromLatin1(checksum));
    if (!writer.write(canvas.format() == QImage::Format_RGB32 ? canvas : canvas.convertToFormat(QImage::Format_RGB32)))
        return writer.errorString();
    const FileReplaceResult written = ReplaceFileContents(LibraryLayout::LosslessCopyOf(colouredJpeg), png);
    return written.ok() ? QString() : written.detail;
}

QImage ReadLosslessCopy(const QString &colouredJpeg, QSize pictureSize)
{
    QImageReader reader(LibraryLayout::LosslessCopyOf(colouredJpeg), "png");
    if (!reader.canRead() || reader.size() != pictureSize)
        return {};
    // The checksum is in the header: a copy of another JPEG is not decoded at all.
    const QString stored = reader.text(QLatin1String(kChecksumKey));
    if (stored.isEmpty() || stored.toLatin1() != ChecksumOfFile(colouredJpeg))
        return {};
    QImage image = reader.read();
    if (image.size() != pictureSize)
        return {};
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}
