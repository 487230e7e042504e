// What installing a picture pack costs: a pack of 50 outline pictures of
// 1000 x 700, as 1-bit BMPs (the way the library's own books come, 88 KiB
// each) and as 24-bit BMPs of the same pixels (2 MiB each), imported into a
// books folder. Also its steps alone: finding the parts, decoding every part
// (the check made before anything is written), and writing the files.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QTemporaryDir>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "core/file_replace.h"
#include "image/picture_reader.h"
#include "library/pack/pack_file.h"
#include "library/pack/pack_import.h"

namespace {

constexpr int kPictures = 50;
const QSize kPictureSize(1000, 700);

QByteArray Bmp(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The two packs, written once per run.
struct Packs {
    QTemporaryDir folder;
    QString paths[2];
    QByteArray bytes[2];

    Packs()
    {
        const QImage lineArt = MakeLineArt(kPictureSize);
        const QByteArray pictures[2] = {Bmp(lineArt.convertToFormat(QImage::Format_Mono)),
                                        Bmp(lineArt.convertToFormat(QImage::Format_RGB888))};
        for (int depth = 0; depth < 2; ++depth) {
            QList<PackPicture> list;
            for (int i = 0; i < kPictures; ++i)
                list << PackPicture{QStringLiteral("picture%1.bmp").arg(i), pictures[depth]};
            QString error;
            bytes[depth] = BuildPack(QStringLiteral("Pack"), list, error);
            paths[depth] = folder.filePath(QStringLiteral("pack%1.vpk").arg(depth));
            if (!ReplaceFileContents(paths[depth], bytes[depth]).ok())
                qFatal("cannot write %s", qPrintable(paths[depth]));
        }
    }
};

Packs &ThePacks()
{
    static Packs packs;
    return packs;
}

const char *const kDepthNames[] = {"1bit", "24bit"};

void ImportPackBench(benchmark::State &state)
{
    const int depth = int(state.range(0));
    QTemporaryDir books;
    for (auto _ : state) {
        const PackImport result = ImportPack(ThePacks().paths[depth], books.path());
        state.PauseTiming();
        if (!result.ok)
            state.SkipWithError(qPrintable(result.message));
        QDir(books.filePath(result.bookName)).removeRecursively();
        state.ResumeTiming();
    }
    state.SetLabel(kDepthNames[depth]);
    state.counters["MB"] = double(ThePacks().bytes[depth].size()) / 1e6;
}

void SplitPackBench(benchmark::State &state)
{
    const QByteArray &pack = ThePacks().bytes[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitPack(pack).parts.size());
    state.SetLabel(kDepthNames[state.range(0)]);
}

void DecodePartsBench(benchmark::State &state)
{
    const PackContents contents = SplitPack(ThePacks().bytes[state.range(0)]);
    for (auto _ : state) {
        for (QByteArrayView part : contents.parts)
            benchmark::DoNotOptimize(ReadPictureBytes(QByteArray::fromRawData(part.data(), part.size()), "part").ok());
    }
    state.SetLabel(kDepthNames[state.range(0)]);
}

void WritePartsBench(benchmark::State &state)
{
    const PackContents contents = SplitPack(ThePacks().bytes[state.range(0)]);
    QTemporaryDir folder;
    for (auto _ : state) {
        for (qsizetype i = 0; i < contents.parts.size(); ++i)
            ReplaceFileContents(folder.filePath(QString::number(i)), contents.parts.at(i));
    }
    state.SetLabel(kDepthNames[state.range(0)]);
}

} // namespace

BENCHMARK(ImportPackBench)->Name("ImportPack")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SplitPackBench)->Name("SplitPack")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodePartsBench)->Name("DecodeParts")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePartsBench)->Name("WriteParts")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv); // image format plugins
    ThePacks();
    // No budget is set for an import; the figures are reported in README.md.
    return RunBenchmarksWithBudgets(argc, argv, {});
}
