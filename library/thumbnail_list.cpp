#include "library/thumbnail_list.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentMap>

#include "library/library_layout.h"
#include "library/thumbnail_file.h"

QStringList ListColouredPictureFiles(const QString &folder)
{
    QStringList names;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString &name : files) {
        if (name.endsWith(QLatin1String(LibraryLayout::kColouredSuffix), Qt::CaseInsensitive))
            names << name;
    }
    LibraryLayout::SortIgnoringCase(names);
    return names;
}

QVector<NamedThumbnail> LoadThumbnails(const QString &folder, const QStringList &fileNames)
{
    const QDir dir(folder);
    // Building a thumbnail decodes a whole picture: the pictures are shared out
    // over the cores, and the order is the one asked for whatever finishes first.
    const QList<ThumbnailResult> results = QtConcurrent::blockingMapped<QList<ThumbnailResult>>(
        fileNames, [&dir](const QString &name) { return EnsureThumbnail(dir.filePath(name)); });
    QVector<NamedThumbnail> thumbnails;
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        if (results[i].ok())
            thumbnails.append({fileNames[i], results[i].image});
    }
    return thumbnails;
}
