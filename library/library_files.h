#pragma once

#include <QString>

// The file routines every library window shares. Paths use '/' between names.
// The Boolean routines report failure by their result and never throw.

// The book title rule: lower case, then every letter a-z that starts a word
// (after anything that is not a-z) in upper case. "FARM animals" -> "Farm Animals",
// "2nd book" -> "2Nd Book", "o'neill" -> "O'Neill".
QString ProperCase(const QString &text);

// The text after the last '/'; the whole text when there is none.
QString FileTitleOf(const QString &path);

// The text before the last '/'. A text without one is not a path with a folder:
// throws std::invalid_argument.
QString FolderOf(const QString &path);

// True when the folder existed and is gone afterwards (with its contents).
// Read-only files are not forced: a folder holding one stays and gives false.
bool DeleteFolderIfPresent(const QString &path);

// True when the file existed and is gone afterwards; read-only files are not forced.
bool DeleteFileIfPresent(const QString &path);

// Copies source onto target, first removing the target even when it is
// read-only. True when the target exists afterwards; false for a missing
// source or any error.
bool CopyFileOver(const QString &source, const QString &target);
