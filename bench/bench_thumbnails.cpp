// What building the browser's thumbnails costs: a library of 200 pictures of
// 1600 x 1200 without thumbnail files, built on one thread and on two, and what
// a warm cache costs per picture. Also each step for each format on its own, to
// see where the time goes.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <iostream>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "image/picture_reader.h"
#include "library/thumbnail_file.h"
#include "tests/support/picture_bytes.h"

namespace {

const QSize kPictureSize(1600, 1200);
constexpr int kPictures = 200;
constexpr int kCachedThumbnails = 1000;
const char *const kFormats[] = {"bmp", "gif", "jpeg"};

// The library, written once per run: line art as BMP (24 bits) and GIF (the
// way books come), the coloured page as JPEG at quality 90 (the way coloured
// pictures are saved), taking turns; and 1000 thumbnail files beside pictures
// that need not exist, for the warm cache.
struct Library {
    QTemporaryDir folder;
    QStringList pictures;
    QStringList byFormat[3];  // one picture of each format, for the per-step figures
    QStringList warm;

    Library()
    {
        const QImage lineArt = MakeLineArt(kPictureSize);
        const QByteArray files[] = {PictureBytes(lineArt, "bmp", 90), PictureBytes(lineArt, "gif"),
                                    PictureBytes(MakeColouredPage(kPictureSize), "jpeg", 90)};
        for (int i = 0; i < kPictures; ++i) {
            const int format = i % 3;
            const QString path = folder.filePath(QStringLiteral("picture%1.%2").arg(i).arg(kFormats[format]));
            Write(path, files[format]);
            pictures << path;
            if (byFormat[format].isEmpty())
                byFormat[format] << path;
        }
        const QByteArray thumbnail = PictureBytes(FitThumbnail(lineArt), "bmp");
        QDir(folder.path()).mkdir("warm");
        for (int i = 0; i < kCachedThumbnails; ++i) {
            const QString path = folder.filePath(QStringLiteral("warm/picture%1.gif").arg(i));
            Write(ThumbnailPathOf(path), thumbnail);
            warm << path;
        }
        for (int format = 0; format < 3; ++format)
            std::cout << kFormats[format] << ": " << files[format].size() / 1024 << " KiB a picture\n";
    }

    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }

    void DeleteThumbnails(const QStringList &of) const
    {
        for (const QString &picture : of)
            QFile::remove(ThumbnailPathOf(picture));
    }
};

const Library &TheLibrary()
{
    static const Library library;
    return library;
}

bool AllBuilt(const QStringList &pictures)
{
    for (const QString &picture : pictures)
        if (!QFile::exists(ThumbnailPathOf(picture)))
            return false;
    return true;
}

// Every thumbnail of the library built from the pictures, on `threads` threads.
void BM_BuildLibrary(benchmark::State &state)
{
    const Library &library = TheLibrary();
    QThreadPool pool;
    pool.setMaxThreadCount(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        library.DeleteThumbnails(library.pictures);
        state.ResumeTiming();
        if (state.range(0) == 1) {
            for (const QString &picture : library.pictures)
                benchmark::DoNotOptimize(EnsureThumbnail(picture));
        } else {
            QtConcurrent::blockingMap(&pool, library.pictures,
                                      [](const QString &picture) { benchmark::DoNotOptimize(EnsureThumbnail(picture)); });
        }
    }
    if (!AllBuilt(library.pictures))
        state.SkipWithError("a thumbnail was not built");
    state.SetItemsProcessed(state.iterations() * kPictures);
}

// The warm cache: every picture already has its thumbnail file.
void BM_CachedThumbnails(benchmark::State &state)
{
    const Library &library = TheLibrary();
    bool rebuilt = false;
    for (auto _ : state)
        for (const QString &picture : library.warm)
            rebuilt |= EnsureThumbnail(picture).built;
    if (rebuilt)
        state.SkipWithError("a cached thumbnail was rebuilt");
    state.SetItemsProcessed(state.iterations() * kCachedThumbnails);
}

// The steps of one build, for one picture of each format: the read (a JPEG
// shrinks while decoding), the fit into the square, and all of it with the
// thumbnail file written.
void BM_ReadPicture(benchmark::State &state, int format, QSize within)
{
    const QString picture = TheLibrary().byFormat[format].front();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPicture(picture, within));
}

void BM_FitThumbnail(benchmark::State &state, int format)
{
    const QImage decoded = ReadPicture(TheLibrary().byFormat[format].front(), QSize(kThumbnailSide, kThumbnailSide)).image;
    for (auto _ : state)
        benchmark::DoNotOptimize(FitThumbnail(decoded));
    state.SetLabel(std::to_string(decoded.width()) + " x " + std::to_string(decoded.height()) + " in");
}

void BM_EnsureThumbnail(benchmark::State &state, int format)
{
    const Library &library = TheLibrary();
    for (auto _ : state) {
        state.PauseTiming();
        library.DeleteThumbnails(library.byFormat[format]);
        state.ResumeTiming();
        benchmark::DoNotOptimize(EnsureThumbnail(library.byFormat[format].front()));
    }
}

} // namespace

int main(int argc, char **argv)
{
    using benchmark::kMillisecond;
    QCoreApplication application(argc, argv); // image format plugins
    benchmark::RegisterBenchmark("BuildLibrary", BM_BuildLibrary)->Arg(1)->Arg(2)->Unit(kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("CachedThumbnails/1000", BM_CachedThumbnails)->Unit(kMillisecond)->UseRealTime();
    for (int format = 0; format < 3; ++format) {
        const std::string name = kFormats[format];
        benchmark::RegisterBenchmark(("ReadPicture/" + name).c_str(), BM_ReadPicture, format,
                                     QSize(kThumbnailSide, kThumbnailSide))
            ->Unit(kMillisecond);
        benchmark::RegisterBenchmark(("FitThumbnail/" + name).c_str(), BM_FitThumbnail, format)->Unit(kMillisecond);
        benchmark::RegisterBenchmark(("EnsureThumbnail/" + name).c_str(), BM_EnsureThumbnail, format)
            ->Unit(kMillisecond)->UseRealTime();
    }
    // What the JPEG would cost without shrinking while decoding.
    benchmark::RegisterBenchmark("ReadPicture/jpeg-whole", BM_ReadPicture, 2, QSize())->Unit(kMillisecond);
    TheLibrary(); // written before any timing starts

    // 60 pictures a second on one core: 200 pictures in 3333 ms.
    const std::vector<Budget> budgets = {
        {"200 thumbnails on one thread (60 pictures/s)", "BuildLibrary/1", "", 1000.0 * kPictures / 60,
         BudgetClock::Real},
    };
    return RunBenchmarksWithBudgets(argc, argv, budgets, [](const BudgetReporter &reporter) {
        for (const char *run : {"BuildLibrary/1", "BuildLibrary/2"}) {
            if (const auto ms = reporter.Milliseconds(run, BudgetClock::Real))
                std::cout << "  " << run << ": " << FormatMilliseconds(*ms) << " ms, "
                          << int(kPictures * 1000.0 / *ms) << " pictures/s\n";
        }
        if (const auto ms = reporter.Milliseconds("CachedThumbnails/1000", BudgetClock::Real))
            std::cout << "  warm cache: " << FormatMilliseconds(*ms / kCachedThumbnails) << " ms a thumbnail\n";
    });
}
