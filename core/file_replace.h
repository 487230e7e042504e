#pragma once

#include <QByteArrayView>
#include <QString>

// Files that hold a child's work or a parent's settings are never written in
// place: the new contents go to a temporary file beside the target, which is
// renamed over the target only once it is complete. Whatever fails, the old
// file stays as it was and no temporary file is left behind.

enum class FileReplaceError {
    None,
    TargetIsFolder,     // the path names a folder
    FolderMissing,      // the folder that should hold the file does not exist
    TargetReadOnly,     // the existing file has no write permission at all
    CannotCreate,       // no temporary file could be made in the folder
    WriteFailed,        // writing the contents failed (disk full, I/O error)
    CannotReplace,      // the finished file could not take the target's place
};

struct FileReplaceResult {
    FileReplaceError error = FileReplaceError::None;
    QString detail; // what went wrong, in words, for a grown-up's message

    bool ok() const { return error == FileReplaceError::None; }
};

enum class KeepFileTimes { No, Yes };

// Replaces (or creates) `path` with `contents`. An existing file's permission
// bits carry over to the new file; with KeepFileTimes::Yes its modification,
// access and (where the platform can set it) creation times do too.
FileReplaceResult ReplaceFileContents(const QString &path, QByteArrayView contents,
                                      KeepFileTimes keepTimes = KeepFileTimes::No);
