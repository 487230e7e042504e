#include "library/thumbnail_file.h"

#include <QDir>
#include <QFileInfo>

#include "core/file_replace.h"
#include "image/bitmap_file.h"
#include "image/picture_reader.h"
#include "image/pixel_image.h"

QString ThumbnailPathOf(const QString &picturePath)
{
    return picturePath + QStringLiteral(".vlm");
}

QImage FitThumbnail(const QImage &picture)
{
    QImage square(kThumbnailSide, kThumbnailSide, QImage::Format_RGB32);
    square.fill(Qt::white);
    const QRect fit = FitRect(picture.size(), square.rect());
    if (fit.isEmpty())
        return square;
    // Area averaging: a painter's smooth scaling samples only a few pixels of a
    // much larger picture, and thin outlines break up into dots.
    const QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(fit.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < scaled.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb *>(scaled.constScanLine(y)), scaled.width(),
                    reinterpret_cast<QRgb *>(square.scanLine(fit.y() + y)) + fit.x());
    return square;
}

namespace {

// The thumbnail file when it can be used: it reads as a picture of the right size.
QImage CachedThumbnail(const QString &thumbnailPath)
{
    if (!QFileInfo::exists(thumbnailPath))
        return QImage();
    PictureRead cached = ReadPicture(thumbnailPath);
    if (!cached.ok() || cached.image.size() != QSize(kThumbnailSide, kThumbnailSide))
        return QImage();
    return cached.image;
}

} // namespace

ThumbnailResult EnsureThumbnail(const QString &picturePath)
{
    const QString thumbnailPath = ThumbnailPathOf(picturePath);
    if (QImage cached = CachedThumbnail(thumbnailPath); !cached.isNull())
        return {cached, QString(), false};

    const PictureRead picture = ReadPicture(picturePath, QSize(kThumbnailSide, kThumbnailSide));
    if (!picture.ok())
        return {QImage(), picture.detail, false};
    QImage thumbnail = FitThumbnail(picture.image);
    const FileReplaceResult written = SaveBitmapFile(thumbnailPath, thumbnail);
    if (!written.ok())
        return {QImage(),
                QStringLiteral("The thumbnail file %1 cannot be written: %2")
                    .arg(QDir::toNativeSeparators(thumbnailPath), written.detail),
                false};
    return {thumbnail, QString(), true};
}
