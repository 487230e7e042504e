#include "library/default_library.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "library/library_layout.h"

QString InstalledLibraryFolder(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/velmora"));
}

bool SeedDefaultLibrary(const QString &programFolder, const QString &installedFolder)
{
    const auto hasBooks = [&] { return QFileInfo(LibraryLayout::BooksFolder(programFolder)).isDir(); };
    if (hasBooks() || !QFileInfo(installedFolder).isDir())
        return hasBooks();
    const QDir source(installedFolder);
    const QDir target(programFolder);
    QDirIterator files(installedFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = target.filePath(source.relativeFilePath(from));
        if (QFileInfo::exists(to) || !QDir().mkpath(QFileInfo(to).path()))
            continue;
        // Copied under a temporary name first, so an interrupted copy never looks like a picture.
        const QString part = to + QStringLiteral(".part");
        QFile::remove(part);
        if (QFile::copy(from, part)) {
            QFile::setPermissions(part, QFile::permissions(part) | QFile::WriteOwner | QFile::WriteUser);
            QFile::rename(part, to);
        }
    }
    return hasBooks();
}
