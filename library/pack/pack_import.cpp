#include "library/pack/pack_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include "core/case_insensitive_path.h"
#include "core/file_replace.h"
#include "image/picture_reader.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "library/pack/pack_file.h"
#include "library/pack/pack_names.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

PackImport Damaged(const QString &description)
{
    return {false,
            QStringLiteral("There was the following error while trying to open Velmora package file:") + kCrLf +
                description + kCrLf + QStringLiteral("The file appears to be damaged. Please download again."),
            QString()};
}

PackImport BadHeader()
{
    return Damaged(QStringLiteral("Could not read from the header information."));
}

// A name from the header as a message can show it: control characters made
// visible, and a long name cut short.
QString Shown(const QString &name)
{
    QString shown;
    for (const QChar c : name)
        shown += c.category() == QChar::Other_Control ? QChar(QChar::ReplacementCharacter) : c;
    constexpr int kLongest = 60;
    return shown.size() > kLongest ? shown.left(kLongest) + QChar(0x2026) : shown;
}

// The header names an entry the library could not hold or would never show.
PackImport BadName(bool book, const QString &name, const QString &fault)
{
    return Damaged(QStringLiteral("Could not read from the header information. The %1 name \"%2\" %3.")
                       .arg(book ? QStringLiteral("book") : QStringLiteral("picture"), Shown(name), fault));
}

PackImport NotAddable(const QString &description)
{
    return {false,
            QStringLiteral("There was the following error while trying to add new pictures to Velmora:") + kCrLf +
                description,
            QString()};
}

PackImport NoMarker()
{
    return NotAddable(QStringLiteral("The file could not be read from header. Please make sure that the file "
                                     "is not designed for another version of Velmora."));
}

// The whole pack, or why it could not be read.
bool ReadPack(const QString &packPath, QByteArray &bytes, QString &why)
{
    QFile file(packPath);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return false;
    }
    if (file.size() > kMaxPackBytes) {
        why = QStringLiteral("The file is larger than 1 GiB, more than any Picture Pack holds.");
        return false;
    }
    bytes = file.readAll();
    if (bytes.size() != file.size()) {
        why = file.errorString();
        return false;
    }
    return true;
}

// Writes every part into the new folder; on failure `why` says what went wrong.
bool WritePictures(const QString &bookFolder, const PackContents &pack, QString &why)
{
    QSet<QString> written;
    for (qsizetype i = 0; i < pack.parts.size(); ++i) {
        const QString name = FreePictureName(pack.names.at(i + 1), written);
        const FileReplaceResult result = ReplaceFileContents(bookFolder + QLatin1Char('/') + name, pack.parts.at(i));
        if (!result.ok()) {
            why = result.detail;
            return false;
        }
        written.insert(name.toLower());
    }
    return true;
}

} // namespace

PackImport ImportPack(const QString &packPath, const QString &booksFolder)
{
    QByteArray bytes;
    QString why;
    if (!ReadPack(packPath, bytes, why))
        return Damaged(why);
    const PackContents pack = SplitPack(bytes);
    if (!pack.hasMarker)
        return NoMarker();
    // Names past the last part name nothing and are ignored; a part without a name cannot be placed.
    if (pack.names.size() <= pack.parts.size())
        return BadHeader();
    for (qsizetype i = 0; i <= pack.parts.size(); ++i) {
        const QString &name = pack.names.at(i);
        const QString fault = i == 0 ? PackBookNameFault(name) : PackPictureNameFault(name);
        if (!fault.isEmpty())
            return BadName(i == 0, name, fault);
    }
    for (qsizetype i = 0; i < pack.parts.size(); ++i) {
        const QByteArrayView part = pack.parts.at(i);
        const PictureRead read = ReadPictureBytes(QByteArray::fromRawData(part.data(), part.size()), pack.names.at(i + 1));
        if (!read.ok())
            return Damaged(read.detail);
    }

    if (!QDir().mkpath(booksFolder))
        return BadHeader();
    LibraryLayout::RemoveUnfinishedImports(booksFolder);
    // The pictures go into a folder the library does not list, which takes the
    // book's name only once complete: killed part way, no half book shows.
    QTemporaryDir unfinished(booksFolder + QLatin1Char('/') + QLatin1String(LibraryLayout::kUnfinishedImportPrefix) +
                             QStringLiteral("XXXXXX"));
    if (!unfinished.isValid())
        return NotAddable(unfinished.errorString());
    // A temporary folder is private to its owner; a book folder is not.
    QFile::setPermissions(unfinished.path(), QFile::permissions(booksFolder));
    if (!WritePictures(unfinished.path(), pack, why))
        return NotAddable(why);
    const FolderIgnoringCase books(booksFolder);
    const QString bookName =
        FreeBookName(pack.names.at(0), [&books](const QString &name) { return QFileInfo::exists(books.Find(name)); });
    if (!QDir(booksFolder).rename(FileTitleOf(unfinished.path()), bookName))
        return NotAddable(
            QStringLiteral("The book folder '%1' could not be made.").arg(booksFolder + QLatin1Char('/') + bookName));
    return {true,
            QStringLiteral("The pictures were added successfully under the book '") + bookName +
                QStringLiteral("'. To view the new pictures, please select this book from the list."),
            bookName};
}
