#include "library/thumbnail_list.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

#include "library/thumbnail_file.h"

QStringList ListColouredPictureFiles(const QString &folder)
{
    QStringList names;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString &name : files) {
        if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
            names << name;
    }
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
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
