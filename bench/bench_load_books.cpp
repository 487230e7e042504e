// What opening the picture browser costs once every thumbnail is cached: 1000
// pictures in 20 books, loaded onto the sheet (listing, orphan check, reading
// 1000 thumbnail files, laying the cells out). Also the memory the loaded
// sheet holds.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <iostream>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "library/book_loader.h"
#include "library/thumbnail_file.h"

namespace {

constexpr int kBooks = 20;
constexpr int kPicturesPerBook = 50;
constexpr int kSheetWidth = 806; // the sheet on a 1024 x 768 screen

// The library is written once; its thumbnails are built by a first load, so
// every timed load finds a warm cache.
struct Library {
    QTemporaryDir folder;

    Library()
    {
        const QImage picture = MakeLineArt(QSize(400, 300));
        QByteArray bytes;
        {
            QImage small = picture;
            small.save(folder.filePath(QStringLiteral("one.bmp")), "bmp");
            QFile file(folder.filePath(QStringLiteral("one.bmp")));
            file.open(QIODevice::ReadOnly);
            bytes = file.readAll();
        }
        for (int book = 0; book < kBooks; ++book) {
            const QString bookFolder = folder.filePath(QStringLiteral("books/book %1").arg(book));
            QDir().mkpath(bookFolder);
            for (int i = 0; i < kPicturesPerBook; ++i) {
                QFile file(bookFolder + QStringLiteral("/picture %1.bmp").arg(i));
                file.open(QIODevice::WriteOnly);
                file.write(bytes);
            }
        }
        const LoadedSheet first = LoadBooks(folder.path(), kSheetWidth);
        if (!first.ok() || first.count() != kBooks * kPicturesPerBook)
            std::cerr << "the library did not load: " << first.error.toStdString() << "\n";
    }
};

Library &TheLibrary()
{
    static Library library;
    return library;
}

void BM_LoadBooks(benchmark::State &state)
{
    const QString root = TheLibrary().folder.path();
    for (auto _ : state) {
        const LoadedSheet sheet = LoadBooks(root, kSheetWidth, {nullptr, int(state.range(0))});
        benchmark::DoNotOptimize(sheet.height);
        if (!sheet.ok())
            state.SkipWithError("load failed");
    }
}

// Bytes the loaded sheet keeps: the faces of the cells, the rest is small.
qint64 SheetBytes(const LoadedSheet &sheet)
{
    qint64 bytes = 0;
    for (const QImage &face : sheet.faces)
        bytes += face.sizeInBytes();
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    using benchmark::kMillisecond;
    QCoreApplication application(argc, argv); // image format plugins
    benchmark::RegisterBenchmark("LoadBooks/1000-cached/threads", BM_LoadBooks)
        ->Arg(1)->Arg(2)->Unit(kMillisecond)->UseRealTime();
    TheLibrary();

    const std::vector<Budget> budgets = {
        {"1000 cached pictures in 20 books", "LoadBooks/1000-cached/threads/2", "", 250, BudgetClock::Real},
    };
    return RunBenchmarksWithBudgets(argc, argv, budgets, [](const BudgetReporter &) {
        const LoadedSheet sheet = LoadBooks(TheLibrary().folder.path(), kSheetWidth);
        std::cout << "  the loaded sheet of " << sheet.count() << " pictures holds "
                  << SheetBytes(sheet) / (1024 * 1024) << " MB of thumbnails; sheet height " << sheet.height
                  << " px\n";
    });
}
