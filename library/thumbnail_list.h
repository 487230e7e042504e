#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

// What the management windows list: which files of a folder, in what order, and
// with which thumbnails.

struct NamedThumbnail {
    QString name;  // the file's name in its folder
    QImage image;  // its 100 x 100 thumbnail
};

// The coloured pictures of a book's coloured folder: its "*.jpg" files (any
// letter case), sorted by name without regard to letter case.
QStringList ListColouredPictureFiles(const QString &folder);

// The thumbnails of `fileNames` in `folder`, in the same order, each built and
// cached beside its file when missing (EnsureThumbnail). A file whose thumbnail
// cannot be had (unreadable picture, unwritable cache) is left out.
QVector<NamedThumbnail> LoadThumbnails(const QString &folder, const QStringList &fileNames);
