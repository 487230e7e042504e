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
    if (!QFileInfo(installedFolder).isDir())
        return hasBooks();
    // A library in use keeps its books as the grown-up left them; only the
    // help pages, which are the program's own, are given when missing.
    const bool onlyHelp = hasBooks();
    const QDir source(installedFolder);
    const QDir target(programFolder);
    QDirIterator files(installedFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = source.relativeFilePath(from);
        if (onlyHelp && !relative.startsWith(QLatin1String("help/")))
            continue;
        const QString to = target.filePath(relative);
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
