#include "image/picture_reader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <mutex>

#include "image/bmp16_decoder.h"
#include "image/picture_structure.h"
#include "image/warning_capture.h"

namespace {

// Qt's allocation limit (kPictureAllocationLimitMb) is set once for the process,
// and the environment variable QT_IMAGEIO_MAXALLOC overrides it. The header
// check below does not depend on it.

PictureRead Failure(PictureReadError error, const QString &path, const QString &why)
{
    return {QImage(), error, QStringLiteral("The picture %1 %2.").arg(QDir::toNativeSeparators(path), why)};
}

// libjpeg shrinks while decoding by n/8 (n = 1..8). The smallest n that still
// covers the fit into `within` gives the size to ask for; when that size is
// exactly what n/8 yields (sides divisible by 8 / n), Qt skips its second,
// resampling pass over the decoded pixels.
QSize JpegDecodeSize(QSize full, QSize within)
{
    const double shrink = std::max(double(full.width()) / within.width(), double(full.height()) / within.height());
    const int eighths = std::clamp(int(std::ceil(8 / shrink)), 1, 8);
    const auto scaled = [eighths](int side) { return (side * eighths + 7) / 8; };
    return QSize(scaled(full.width()), scaled(full.height()));
}

// Transparent pixels are laid over white paper (once the alpha is dropped they
// would turn black, and a black page cannot be coloured).
QImage OnWhitePaper(QImage image)
{
    if (!image.colorTable().isEmpty()) {
        QList<QRgb> table = image.colorTable();
        for (QRgb &entry : table) {
            const int alpha = qAlpha(entry);
            const auto over = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; };
            entry = qRgb(over(qRed(entry)), over(qGreen(entry)), over(qBlue(entry)));
        }
        image.setColorTable(table);
        return image.convertToFormat(QImage::Format_RGB32);
    }
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int paper = 255 - qAlpha(row[x]);
            row[x] = qRgb(qRed(row[x]) + paper, qGreen(row[x]) + paper, qBlue(row[x]) + paper);
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

PictureRead DecodePicture(QByteArray bytes, const QString &path, QSize decodeWithin)
{
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kPictureAllocationLimitMb); });

    WarningCapture warnings;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif" && format != "jpeg")
        return Failure(PictureReadError::NotAPicture, path, QStringLiteral("is not a BMP, GIF or JPEG picture"));
    // Our own reading of the header first: decoders refuse an absurd size each in
    // their own way (some as a damaged header), and it must read as too large.
    const PictureLayout layout = InspectPicture(bytes, format);
    QSize size = reader.size();
    // Qt gives a BMP's height as stored, negative when the rows run top-down;
    // our own reading has it as a number of rows.
    if (format == "bmp" && size.height() < 0 && layout.declared.isValid())
        size = layout.declared;
    for (const QSize claimed : {layout.declared, size}) {
        if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > kMaxPicturePixels)
            return Failure(PictureReadError::TooLarge, path,
                           QStringLiteral("is too large (%1 x %2 pixels)").arg(claimed.width()).arg(claimed.height()));
    }
    if (!size.isValid() || size.isEmpty())
        return Failure(PictureReadError::Damaged, path, QStringLiteral("has a damaged header"));
    if (!layout.incomplete.isEmpty())
        return Failure(PictureReadError::Damaged, path, QStringLiteral("is damaged: %1").arg(layout.incomplete));

    if (format == "jpeg" && decodeWithin.isValid() && !decodeWithin.isEmpty()) {
        // The scaled size is taken before the EXIF turn; the box turns with the picture.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            decodeWithin.transpose();
        reader.setScaledSize(JpegDecodeSize(size, decodeWithin));
    }
    // Qt widens 16-bit channels by a shift (white reads 248): those are decoded here.
    const bool ownDecoder = format == "bmp" && IsBmp16(bytes);
    QImage image = ownDecoder ? DecodeBmp16(bytes) : QImage();
    const bool read = ownDecoder ? !image.isNull() : reader.read(&image);
    if (!warnings.warnings().isEmpty()) {
        const QString said = warnings.warnings().join(QStringLiteral("; "));
        const bool refused = said.contains(QStringLiteral("allocation limit"));
        return Failure(refused ? PictureReadError::TooLarge : PictureReadError::Damaged, path,
                       QStringLiteral("is %1 (%2)").arg(refused ? QStringLiteral("too large") : QStringLiteral("damaged"), said));
    }
    if (!read || image.isNull())
        return Failure(PictureReadError::Damaged, path,
                       QStringLiteral("is damaged: %1")
                           .arg(ownDecoder ? QStringLiteral("its 16-bit pixels do not decode") : reader.errorString()));
    return {OnWhitePaper(std::move(image)), PictureReadError::None, QString()};
}

} // namespace

PictureRead ReadPicture(const QString &path, QSize decodeWithin)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Failure(PictureReadError::Missing, path, QStringLiteral("does not exist"));
    if (info.isDir())
        return Failure(PictureReadError::NotAPicture, path, QStringLiteral("is a folder"));
    if (info.size() == 0)
        return Failure(PictureReadError::NotAPicture, path, QStringLiteral("is empty"));
    if (info.size() > kMaxPictureFileBytes)
        return Failure(PictureReadError::TooLarge, path, QStringLiteral("is too large (%1 bytes)").arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(PictureReadError::Damaged, path, QStringLiteral("cannot be opened: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.size() != info.size())
        return Failure(PictureReadError::Damaged, path, QStringLiteral("cannot be read: %1").arg(file.errorString()));

    return DecodePicture(bytes, path, decodeWithin);
}

PictureRead ReadPictureBytes(const QByteArray &bytes, const QString &name, QSize decodeWithin)
{
    if (bytes.isEmpty())
        return Failure(PictureReadError::NotAPicture, name, QStringLiteral("is empty"));
    if (bytes.size() > kMaxPictureFileBytes)
        return Failure(PictureReadError::TooLarge, name, QStringLiteral("is too large (%1 bytes)").arg(bytes.size()));
    return DecodePicture(bytes, name, decodeWithin);
}
