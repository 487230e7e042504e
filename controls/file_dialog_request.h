#pragma once

#include <QString>
#include <QStringList>

// The old dialog flags, kept because callers pass and read them as numbers.
namespace DialogFlag {
inline constexpr long ReadOnly = 0x1;
inline constexpr long OverwritePrompt = 0x2;
inline constexpr long HideReadOnly = 0x4;
inline constexpr long EnableHook = 0x20;
inline constexpr long EnableTemplate = 0x40;
inline constexpr long AllowMultiSelect = 0x200;
inline constexpr long ExtensionDifferent = 0x400;
inline constexpr long FileMustExist = 0x1000;
inline constexpr long Explorer = 0x80000;
} // namespace DialogFlag

enum class FileDialogKind { Open, Save };

// Everything a file chooser needs to show one dialog.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;     // empty: the chooser's own caption
    QString initDir;   // empty: the chooser's choice
    QString fileName;  // proposed name, with or without a folder
    QString filter;    // converted form (see file_filter.h)
    int filterIndex = 1;
    QString defaultExt; // without the dot
    long flags = 0;
};

// What a chooser answers. `result` is 1 for a choice, 0 for a cancel and any
// other value for a failure, which then carries `extendedError`.
struct FileDialogAnswer {
    int result = 0;
    QStringList files; // absolute paths in the order the user gave them
    int filterIndex = 1;
    long flags = 0;
    long extendedError = 0;
};

// The flags an open or save call passes on. A hook or a template can never be
// switched on: there is nothing to hook on this side.
long OpenDialogFlags(bool fileMustExist, bool multiSelect, bool readOnly, bool hideReadOnly, long flags);
long SaveDialogFlags(bool overwritePrompt, long flags);

// The flags a chooser hands back for a choice: those passed, plus the mark for a
// file whose extension is not the default one.
long ReturnedFlags(long passed, const QStringList &files, const QString &defaultExt);

// A selection as one text, the way a multiple selection comes back: a single
// file as its full path; several files as their folder (no trailing separator
// unless it is the root) followed by each name. Every part is ended by a NUL
// and the whole by a second NUL.
QString SelectionText(const QStringList &files);

// Splits what a multiple selection returned into its folder and file names.
// sFiles is filled from index 0 and lFileCount counts on from the value passed.
void ParseMultiFileName(const QString &Filename, QString &sDir, QStringList &sFiles, long &lFileCount);
