#include "library/library_layout.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "core/case_insensitive_path.h"
#include "library/library_files.h"
#include "library/thumbnail_file.h"

namespace LibraryLayout {

namespace {

QString Child(const QString &folder, const char *name)
{
    return FindIgnoringCase(folder, QString::fromUtf8(name));
}

} // namespace

void SortIgnoringCase(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b; // the same name in two spellings: a fixed order
    });
}

QString BooksFolder(const QString &programFolder)
{
    return Child(programFolder, kBooks);
}

QString OwnPicturesFolder(const QString &programFolder)
{
    return Child(BooksFolder(programFolder), kOwnPictures);
}

QString ColouredPicturesFolder(const QString &programFolder)
{
    return Child(programFolder, kColouredPictures);
}

QString ColouredFolderOf(const QString &programFolder, const QString &bookNameOrTitle)
{
    return FindIgnoringCase(ColouredPicturesFolder(programFolder), bookNameOrTitle);
}

QString ColouredPictureOf(const QString &programFolder, const QString &bookNameOrTitle, const QString &fileName)
{
    return FindIgnoringCase(ColouredFolderOf(programFolder, bookNameOrTitle),
                            fileName + QLatin1String(kColouredSuffix));
}

bool IsPictureFileName(const QString &fileName)
{
    for (const char *extension : {".gif", ".bmp", ".jpg"}) {
        if (fileName.endsWith(QLatin1String(extension), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString LosslessCopyOf(const QString &colouredPicture)
{
    return colouredPicture + QLatin1String(kLosslessSuffix);
}

bool DeleteColouredPicture(const QString &colouredPicture)
{
    if (!DeleteFileIfPresent(colouredPicture))
        return false;
    DeleteFileIfPresent(ThumbnailPathOf(colouredPicture));
    DeleteFileIfPresent(LosslessCopyOf(colouredPicture));
    return true;
}

QStringList ListFolders(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    names.removeIf([](const QString &name) { return name.startsWith(QLatin1String(kUnfinishedImportPrefix)); });
    SortIgnoringCase(names);
    return names;
}

void RemoveUnfinishedImports(const QString &booksFolder)
{
    const QStringList unfinished = QDir(booksFolder)
                                       .entryList({QLatin1String(kUnfinishedImportPrefix) + QLatin1Char('*')},
                                                  QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : unfinished)
        DeleteFolderIfPresent(booksFolder + QLatin1Char('/') + name);
}

QStringList ListPictures(const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    QStringList pictures;
    for (const QString &name : files) {
        if (IsPictureFileName(name))
            pictures << name;
    }
    SortIgnoringCase(pictures);
    return pictures;
}

QString NextOwnPicturePath(const QString &ownPicturesFolder)
{
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("own_%1.bmp").arg(n);
        const QString path = FindIgnoringCase(ownPicturesFolder, name);
        if (!QFileInfo::exists(path))
            return QDir(ownPicturesFolder).filePath(name);
    }
}

} // namespace LibraryLayout

void RemoveOrphanThumbnails(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    const QString suffix = QLatin1String(LibraryLayout::kThumbnailSuffix);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString &name : entries) {
        if (!name.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        const QString picture = name.left(name.size() - suffix.size());
        if (!QFileInfo::exists(FindIgnoringCase(folder, picture)))
            DeleteFileIfPresent(dir.filePath(name));
    }
}
