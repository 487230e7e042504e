#include "canvas/picture_document.h"

#include <QDir>
#include <QFileInfo>

#include "canvas/lossless_copy.h"
#include "image/bitmap_file.h"
#include "image/picture_reader.h"
#include "image/turbojpeg_writer.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "library/thumbnail_file.h"

namespace {

constexpr int kColouredQuality = 90;

bool IsInside(const QString &path, const QString &folder)
{
    const QString prefix = QDir::cleanPath(folder) + QLatin1Char('/');
    return QDir::cleanPath(path).startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

PictureFiles FilesOfPicture(const QString &programFolder, const QString &picturePath)
{
    PictureFiles files;
    files.picture = picturePath;
    const QString fileName = FileTitleOf(picturePath);
    const QString book = FileTitleOf(FolderOf(picturePath));
    files.coloured = LibraryLayout::ColouredPictureOf(programFolder, book, fileName);
    files.pictureThumbnail = ThumbnailPathOf(picturePath);
    files.colouredThumbnail = ThumbnailPathOf(files.coloured);
    files.ownPicture = IsInside(picturePath, LibraryLayout::OwnPicturesFolder(programFolder));
    return files;
}

OpenedPicture OpenPictureDocument(const QString &programFolder, const QString &picturePath)
{
    return OpenPictureDocument(FilesOfPicture(programFolder, picturePath));
}

OpenedPicture OpenPictureDocument(const PictureFiles &files)
{
    OpenedPicture opened;
    const PictureRead lineArt = ReadPicture(files.picture);
    if (!lineArt.ok()) {
        opened.error = lineArt.detail;
        return opened;
    }
    opened.lineArt = lineArt.image;
    const QString &coloured = files.coloured;
    if (!QFileInfo(coloured).isFile())
        return opened;
    // The exact pixels last saved, when the JPEG is still the one saved with them.
    if (QImage exact = ReadLosslessCopy(coloured, opened.lineArt.size()); !exact.isNull()) {
        opened.coloured = std::move(exact);
        opened.colouredUsed = true;
        return opened;
    }
    const PictureRead colouring = ReadPicture(coloured);
    if (colouring.ok() && colouring.image.size() == opened.lineArt.size()) {
        opened.coloured = colouring.image;
        opened.colouredUsed = true;
    } else {
        qWarning("velmora: the colouring %s is not used: %s", qPrintable(coloured),
                 colouring.ok() ? "its size differs from its picture's" : qPrintable(colouring.detail));
    }
    return opened;
}

DocumentSaveResult SaveColouredPicture(const QString &programFolder, const QString &picturePath,
                                       const QImage &canvas, const QImage &lineArt)
{
    if (picturePath.isEmpty())
        return {};
    return SaveColouredPicture(FilesOfPicture(programFolder, picturePath), canvas, lineArt);
}

DocumentSaveResult SaveColouredPicture(const PictureFiles &files, const QImage &canvas, const QImage &lineArt)
{
    if (files.picture.isEmpty() || canvas.isNull())
        return {};
    if (!QDir().mkpath(FolderOf(files.coloured)))
        return {QStringLiteral("The folder %1 could not be made.").arg(FolderOf(files.coloured))};

    if (const QString error = SavePictureAsJpeg(canvas, files.coloured, kColouredQuality); !error.isEmpty())
        return {error};
    // Without its copy the colouring still opens, from the JPEG: a copy that
    // could not be written is only noted. The old copy no longer matches.
    if (const QString error = WriteLosslessCopy(files.coloured, canvas); !error.isEmpty())
        qWarning("velmora: the lossless copy of %s was not written: %s", qPrintable(files.coloured), qPrintable(error));
    // Only once the new colouring is on disk are the thumbnails that show the old one stale.
    DeleteFileIfPresent(files.colouredThumbnail);
    DeleteFileIfPresent(files.pictureThumbnail);

    if (files.ownPicture && !lineArt.isNull()) {
        const FileReplaceResult written = SaveBitmapFile(files.picture, lineArt);
        if (!written.ok())
            return {written.detail};
    }
    return {};
}
