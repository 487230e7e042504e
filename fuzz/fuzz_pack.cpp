// The picture-pack reader: splitting at the marker, the header's names, the
// names a book and its pictures get on disk, and the import into a books
// folder, which must never create anything outside it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "fuzz/fuzz_support.h"
#include "library/pack/pack_file.h"
#include "library/pack/pack_import.h"
#include "library/pack/pack_names.h"
#include "library/pack/scramble_string.h"

namespace {

void CheckSplit(QByteArrayView bytes, const PackContents &pack)
{
    const QByteArray marker = PackMarker();
    FUZZ_CHECK(pack.hasMarker == (bytes.indexOf(marker) >= 0));
    if (!pack.hasMarker) {
        FUZZ_CHECK(pack.names.isEmpty() && pack.parts.isEmpty());
        return;
    }
    FUZZ_CHECK(!pack.names.isEmpty() && !pack.parts.isEmpty());
    for (const QByteArrayView part : pack.parts) {
        FUZZ_CHECK(part.data() >= bytes.data() && part.data() + part.size() <= bytes.data() + bytes.size());
        FUZZ_CHECK(part.indexOf(marker) < 0);
    }
    // A pack whose names are all storable is built back into the very same bytes.
    if (pack.names.size() != pack.parts.size() + 1)
        return;
    QList<PackPicture> pictures;
    for (qsizetype i = 0; i < pack.parts.size(); ++i)
        pictures.append({pack.names.at(i + 1), pack.parts.at(i).toByteArray()});
    QString error;
    const QByteArray rebuilt = BuildPack(pack.names.first(), pictures, error);
    bool storable = PackBookNameFault(pack.names.first()).isEmpty();
    for (qsizetype i = 1; i < pack.names.size(); ++i)
        storable = storable && PackPictureNameFault(pack.names.at(i)).isEmpty();
    FUZZ_CHECK(rebuilt.isEmpty() != storable);
    FUZZ_CHECK(!storable || rebuilt == bytes);
}

void CheckNames(const PackContents &pack)
{
    QSet<QString> taken;
    for (const QString &name : pack.names) {
        if (!IsPlainPackName(name))
            continue;
        FUZZ_CHECK(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".."));
        const QString free = FreePictureName(name, taken);
        FUZZ_CHECK(!taken.contains(free.toLower()));
        taken.insert(free.toLower());
        const QString book = FreeBookName(name, [&taken](const QString &candidate) {
            return taken.contains(candidate.toLower());
        });
        FUZZ_CHECK(!taken.contains(book.toLower()));
    }
}

void CheckImport(QByteArrayView bytes, const PackContents &pack)
{
    const QString root = ScratchFolder();
    const QString packPath = root + QStringLiteral("/fuzzed.vpk");
    const QString books = root + QStringLiteral("/books");
    WriteFuzzFile(packPath, bytes);
    const PackImport import = ImportPack(packPath, books);

    for (const QString &entry : EntriesBelow(root))
        FUZZ_CHECK(entry == QLatin1String("fuzzed.vpk") || entry == QLatin1String("books")
                   || entry.startsWith(QLatin1String("books/")));
    const QStringList created = EntriesBelow(books);
    if (!import.ok) {
        FUZZ_CHECK(created.isEmpty());
        FUZZ_CHECK(!import.message.isEmpty());
    } else {
        // One new folder holding one file per part, each with that part's bytes.
        FUZZ_CHECK(QFileInfo(books + QLatin1Char('/') + import.bookName).isDir());
        FUZZ_CHECK(created.size() == pack.parts.size() + 1);
        QSet<QByteArray> parts;
        for (const QByteArrayView part : pack.parts)
            parts.insert(part.toByteArray());
        for (const QString &entry : created) {
            if (entry == import.bookName)
                continue;
            FUZZ_CHECK(entry.startsWith(import.bookName + QLatin1Char('/')));
            QFile file(books + QLatin1Char('/') + entry);
            FUZZ_CHECK(file.open(QIODevice::ReadOnly));
            FUZZ_CHECK(parts.contains(file.readAll()));
        }
    }
    EmptyFolder(root);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const PackContents pack = SplitPack(bytes);
    CheckSplit(bytes, pack);
    CheckNames(pack);
    CheckImport(bytes, pack);
    return 0;
}
