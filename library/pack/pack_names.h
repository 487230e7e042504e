#pragma once

#include <QSet>
#include <QString>

#include <functional>

// The names a pack carries become a folder and file names on disk, so only a
// plain name of one folder or file is taken: not empty, not "." or "..", no
// folder separator, drive colon or other character Windows refuses in a name
// (\ / : * ? " < > |), no control character, and at most 255 bytes in UTF-8.
bool IsPlainPackName(const QString &name);

// Why `name` cannot name a book's folder on every system, as the end of a
// sentence ("ends in a dot or a space, which Windows does not allow"); empty
// when it can. Beyond a plain name: some letter or digit, not only spaces; no
// dot or space at its end; not a name Windows keeps for a device (CON, NUL, ...).
QString PackBookNameFault(const QString &name);
// The same for one of a book's pictures, which must also be named as one
// (.bmp, .gif or .jpg, as the library lists them): a part called readme.txt
// would be installed and never shown.
QString PackPictureNameFault(const QString &name);

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
