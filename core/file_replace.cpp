#include "core/file_replace.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The stored bits only: WriteUser says whether this process may write, which
// for the superuser is always so.
constexpr QFileDevice::Permissions kAnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

FileReplaceResult Failure(FileReplaceError error, const QString &detail)
{
    return {error, detail};
}

// Carries the replaced file's times onto the open temporary file. Must run after
// the last write has been flushed, or the flush would set a new modification time.
void CopyFileTimes(const QFileInfo &from, QFileDevice &to)
{
    const QFileDevice::FileTime kinds[] = {QFileDevice::FileAccessTime, QFileDevice::FileModificationTime,
                                           QFileDevice::FileBirthTime};
    for (QFileDevice::FileTime kind : kinds) {
        const QDateTime time = from.fileTime(kind);
        if (time.isValid())
            to.setFileTime(time, kind); // creation time cannot be set on every platform: best effort
    }
}

} // namespace

FileReplaceResult ReplaceFileContents(const QString &path, QByteArrayView contents, KeepFileTimes keepTimes)
{
    const QFileInfo target(path);
    if (path.isEmpty())
        return Failure(FileReplaceError::CannotCreate, QStringLiteral("No file name was given."));
    if (target.isDir())
        return Failure(FileReplaceError::TargetIsFolder, QStringLiteral("\"%1\" is a folder.").arg(path));
    if (!QFileInfo(target.absolutePath()).isDir())
        return Failure(FileReplaceError::FolderMissing,
                       QStringLiteral("The folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(target.absolutePath())));
    const bool replacing = target.exists();
    // Permission bits alone decide read-only: the superuser may write anything,
    // but a file a grown-up marked read-only must still not be replaced.
    if (replacing && !(target.permissions() & kAnyWrite))
        return Failure(FileReplaceError::TargetReadOnly,
                       QStringLiteral("\"%1\" is read-only.").arg(QDir::toNativeSeparators(path)));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(FileReplaceError::CannotCreate, file.errorString());
    if (file.write(contents.data(), contents.size()) != contents.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Failure(FileReplaceError::WriteFailed, why);
    }
    // QSaveFile gives the new file the old one's permission bits itself.
    if (replacing && keepTimes == KeepFileTimes::Yes)
        CopyFileTimes(target, file);
    if (!file.commit())
        return Failure(FileReplaceError::CannotReplace, file.errorString());
    return {};
}
