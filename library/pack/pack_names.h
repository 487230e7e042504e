#pragma once

#include <QSet>
#include <QString>

#include <functional>

// The names a pack carries become a folder and file names on disk, so only a
// plain name of one folder or file is taken: not empty, not "." or "..", no
// folder separator, drive colon or other character Windows refuses in a name
// (\ / : * ? " < > |), no control character, and at most 255 bytes in UTF-8.
bool IsPlainPackName(const QString &name);

// The first of name, name_1, name_2, ... for which `taken` (names compared
// without regard to letter case, as the library compares them) says no. Here
// and in FreePictureName a numbered name over kMaxPackNameBytes is shortened
// before its number.
QString FreeBookName(const QString &name, const std::function<bool(const QString &)> &taken);

// The first of fileName, stem_1.ext, stem_2.ext, ... not in `takenFolded`
// (names folded to lower case). The stem is the name without its last four
// characters when those are a dot and a three-letter extension (cat.bmp ->
// cat_1.bmp); otherwise the name is split at its last dot (cat.jpeg ->
// cat_1.jpeg), and a name without a dot, or whose only dot leads it, takes the
// number at its end (cat -> cat_1), so every candidate stays a distinct,
// plain name with its own extension kept.
QString FreePictureName(const QString &fileName, const QSet<QString> &takenFolded);
