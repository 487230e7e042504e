#include "library/pack/pack_file.h"

#include "core/windows1252.h"
#include "library/pack/pack_names.h"
#include "library/pack/scramble_string.h"

namespace {

enum class NameOf { Book, Picture };

// The name's Windows-1252 bytes, or an explanation of why it cannot be stored.
bool HeaderBytes(const QString &name, NameOf kind, QByteArray &bytes, QString &error)
{
    if (name.isEmpty()) {
        // A drive's or the file system's top folder has no name to give the book.
        error = QStringLiteral("Pictures in the top folder of a drive cannot be put into a Picture Pack, which is "
                               "named after their folder. Please move them into a folder of their own.");
        return false;
    }
    bytes = ToWindows1252(name);
    if (FromWindows1252(bytes) != name) {
        error = QStringLiteral("The name \"%1\" holds letters a Picture Pack cannot store. "
                               "Please rename it using only Western European letters, digits and punctuation.")
                    .arg(name);
        return false;
    }
    if (!IsPlainPackName(name)) {
        error = QStringLiteral("The name \"%1\" cannot be stored in a Picture Pack. "
                               "Please rename it without any of the characters \\ / : * ? \" < > |.")
                    .arg(name);
        return false;
    }
    // An import refuses these, so a pack is never made with them.
    const QString fault = kind == NameOf::Book ? PackBookNameFault(name) : PackPictureNameFault(name);
    if (!fault.isEmpty()) {
        error = QStringLiteral("The name \"%1\" cannot be stored in a Picture Pack: it %2. Please rename it.")
                    .arg(name, fault);
        return false;
    }
    return true;
}

} // namespace

QByteArray BuildPack(const QString &bookName, const QList<PackPicture> &pictures, QString &error)
{
    const QByteArray marker = PackMarker();
    QByteArray header;
    if (!HeaderBytes(bookName, NameOf::Book, header, error))
        return {};
    qsizetype total = header.size();
    for (const PackPicture &picture : pictures) {
        QByteArray name;
        if (!HeaderBytes(picture.fileName, NameOf::Picture, name, error))
            return {};
        if (picture.bytes.contains(marker)) {
            error = QStringLiteral("The picture \"%1\" cannot be put into a Picture Pack: "
                                   "its contents hold the pack's separator.")
                        .arg(picture.fileName);
            return {};
        }
        header += '|' + name;
        total += 1 + name.size() + marker.size() + picture.bytes.size();
    }
    QByteArray pack;
    pack.reserve(total);
    pack += header;
    for (const PackPicture &picture : pictures) {
        pack += marker;
        pack += picture.bytes;
    }
    return pack;
}

PackContents SplitPack(QByteArrayView bytes)
{
    const QByteArray marker = PackMarker();
    PackContents contents;
    qsizetype at = bytes.indexOf(marker);
    if (at < 0)
        return contents;
    contents.hasMarker = true;
    const QByteArray header = bytes.first(at).toByteArray();
    for (const QByteArray &name : header.split('|'))
        contents.names << FromWindows1252(name);
    while (at >= 0) {
        const qsizetype start = at + marker.size();
        at = bytes.indexOf(marker, start);
        contents.parts << bytes.sliced(start, (at < 0 ? bytes.size() : at) - start);
    }
    return contents;
}
