#include "library/library_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

bool IsLowerAsciiLetter(QChar c)
{
    return c.unicode() >= 'a' && c.unicode() <= 'z';
}

// Write permission is what "read-only" means to a grown-up; root can delete
// anything, so the stored bits are asked, not the file system.
bool IsReadOnly(const QFileInfo &info)
{
    return !(info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

bool HoldsReadOnlyFile(const QString &folder)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink() ? HoldsReadOnlyFile(entry.filePath()) : IsReadOnly(entry))
            return true;
    }
    return false;
}

} // namespace

QString ProperCase(const QString &text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (!IsLowerAsciiLetter(c)) {
            wordStart = true;
        } else if (wordStart) {
            c = QChar(c.unicode() - 'a' + 'A');
            wordStart = false;
        }
    }
    return result;
}

QString FileTitleOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        throw std::invalid_argument("FolderOf: the path names no folder");
    return path.left(slash);
}

bool DeleteFolderIfPresent(const QString &path)
{
    QString folder = path;
    if (folder.endsWith(QLatin1Char('/')) && folder.size() > 1)
        folder.chop(1);
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink())
        return false;
    if (HoldsReadOnlyFile(folder))
        return false;
    QDir(folder).removeRecursively();
    return !QFileInfo::exists(folder);
}

bool DeleteFileIfPresent(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir() || IsReadOnly(info))
        return false;
    QFile::remove(path);
    return !QFileInfo::exists(path);
}

bool CopyFileOver(const QString &source, const QString &target)
{
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        if (targetInfo.isDir())
            return false;
        QFile::setPermissions(target, targetInfo.permissions() | QFile::WriteOwner | QFile::WriteUser);
        QFile::remove(target);
        if (QFileInfo::exists(target))
            return false;
    }
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists() || sourceInfo.isDir())
        return false;
    return QFile::copy(source, target) && QFileInfo::exists(target);
}
