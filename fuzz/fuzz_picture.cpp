// The picture loader as the program calls it: from memory (a pack's part) and
// from a file, at full size and shrunk for a thumbnail. Both ways must agree,
// and whatever comes out stays within the pixel limit.

#include <QImage>

#include "core/limits.h"
#include "fuzz/fuzz_support.h"
#include "image/picture_reader.h"

namespace {

void CheckRead(const PictureRead &read)
{
    if (!read.ok()) {
        FUZZ_CHECK(read.image.isNull() && !read.detail.isEmpty());
        return;
    }
    FUZZ_CHECK(!read.image.isNull() && read.image.format() == QImage::Format_RGB32);
    FUZZ_CHECK(qint64(read.image.width()) * read.image.height() <= kMaxPicturePixels);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const PictureRead memory = ReadPictureBytes(bytes, QStringLiteral("fuzzed"));
    CheckRead(memory);

    const QString path = ScratchFolder() + QStringLiteral("/fuzzed.bmp");
    WriteFuzzFile(path, bytes);
    const PictureRead file = ReadPicture(path);
    CheckRead(file);
    FUZZ_CHECK(file.error == memory.error && file.image == memory.image);

    const QSize box(40, 30);
    const PictureRead shrunk = ReadPictureBytes(bytes, QStringLiteral("fuzzed"), box);
    CheckRead(shrunk);
    FUZZ_CHECK(shrunk.ok() == memory.ok());
    if (shrunk.ok()) {
        // Never smaller than the fit into the box, never larger than the picture.
        const QSize full = memory.image.size();
        const QSize fit = full.scaled(box, Qt::KeepAspectRatio).boundedTo(full);
        FUZZ_CHECK(shrunk.image.width() <= memory.image.width() && shrunk.image.height() <= memory.image.height());
        FUZZ_CHECK(shrunk.image.width() >= fit.width() && shrunk.image.height() >= fit.height());
    }
    return 0;
}
