// The thumbnail path: EnsureThumbnail with a fuzzed picture, a fuzzed cached
// thumbnail file (.vlm) beside a good picture, or both.
// The first byte chooses which file the rest of the input becomes.

#include <QFile>
#include <QImage>

#include "fuzz/fuzz_support.h"
#include "image/picture_reader.h"
#include "library/thumbnail_file.h"

namespace {

// A small valid picture for the cases where only the thumbnail file is fuzzed.
QByteArray GoodPicture()
{
    static const QByteArray bytes = [] {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        const QString path = ScratchFolder() + QStringLiteral("/good.bmp");
        FUZZ_CHECK(image.save(path, "BMP"));
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        const QByteArray read = file.readAll();
        file.remove();
        return read;
    }();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzing();
    GoodPicture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0] % 3; // 0: the picture, 1: the thumbnail file, 2: both
    const QByteArrayView fuzzed(data + 1, qsizetype(size - 1));
    const QString folder = ScratchFolder();
    const QString picture = folder + QStringLiteral("/picture.gif");
    WriteFuzzFile(picture, mode == 1 ? QByteArrayView(GoodPicture()) : fuzzed);
    if (mode != 0)
        WriteFuzzFile(ThumbnailPathOf(picture), fuzzed);

    const ThumbnailResult thumbnail = EnsureThumbnail(picture);
    if (thumbnail.ok()) {
        FUZZ_CHECK(thumbnail.image.size() == QSize(kThumbnailSide, kThumbnailSide));
        FUZZ_CHECK(thumbnail.image.format() == QImage::Format_RGB32);
        // Whatever was returned is now what the thumbnail file holds.
        const PictureRead cached = ReadPicture(ThumbnailPathOf(picture));
        FUZZ_CHECK(cached.ok() && cached.image == thumbnail.image);
        FUZZ_CHECK(!EnsureThumbnail(picture).built);
    } else {
        FUZZ_CHECK(thumbnail.image.isNull() && !thumbnail.built);
        FUZZ_CHECK(!ReadPicture(picture).ok());
    }
    if (mode == 1)
        FUZZ_CHECK(thumbnail.ok());
    EmptyFolder(folder);
    return 0;
}
