// Saving and reopening a colouring with its lossless copy: the whole save as
// the worker runs it (JPEG, lossless copy, stale thumbnails) against the JPEG
// alone, and reopening from the copy against reopening from the JPEG alone.
// The notes price the copy on disk for the default book, coloured by strokes.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <thread>
#include <iostream>
#include <string>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "canvas/picture_document.h"
#include "canvas/stroke_engine.h"
#include "image/turbojpeg_writer.h"
#include "library/library_layout.h"

namespace {

const QSize kPage(2400, 1800);

// A page coloured as a child would: strokes of every tool in many colours,
// each inside its area. Lossless compression meets what it would meet at home
// (the JPEG benchmarks' grainy page is noise to it, as no crayon is).
QImage ColouredByStrokes(const QImage &lineArt, int strokes, quint32 seed)
{
    QRandomGenerator random(seed);
    StrokeEngine engine;
    engine.LoadPicture(lineArt.convertToFormat(QImage::Format_RGB32));
    const int reach = std::max(12, lineArt.width() / 80);
    for (int stroke = 0; stroke < strokes; ++stroke) {
        engine.SetTool(stroke % 3);
        engine.SetCurrentColour(
            {quint8(random.bounded(256)), quint8(random.bounded(256)), quint8(random.bounded(256))});
        float x = float(random.bounded(lineArt.width())), y = float(random.bounded(lineArt.height()));
        engine.P_MouseDown(x, y);
        for (int step = 0; step < 40; ++step) {
            x += float(random.bounded(-reach, reach + 1));
            y += float(random.bounded(-reach, reach + 1));
            engine.P_MouseMove(x, y);
        }
        engine.P_MouseUp(x, y);
    }
    return engine.CanvasImage().copy();
}

struct Library {
    QTemporaryDir root;
    PictureFiles files;
    QImage lineArt = MakeLineArt(kPage);
    QImage coloured = ColouredByStrokes(lineArt, 400, 20261211);

    Library()
    {
        QDir().mkpath(root.filePath("books/bench"));
        lineArt.save(root.filePath("books/bench/page.bmp"), "bmp");
        files = FilesOfPicture(root.path(), root.filePath("books/bench/page.bmp"));
    }
};

Library &TheLibrary()
{
    static Library library;
    return library;
}

void BM_SaveWithCopy(benchmark::State &state)
{
    Library &library = TheLibrary();
    for (auto _ : state) {
        const DocumentSaveResult saved = SaveColouredPicture(library.files, library.coloured, library.lineArt);
        if (!saved.ok()) {
            state.SkipWithError(qPrintable(saved.error));
            return;
        }
    }
    state.counters["jpeg_KiB"] = double(QFileInfo(library.files.coloured).size()) / 1024;
    state.counters["copy_KiB"] =
        double(QFileInfo(LibraryLayout::LosslessCopyOf(library.files.coloured)).size()) / 1024;
}

void BM_SaveJpegOnly(benchmark::State &state)
{
    Library &library = TheLibrary();
    for (auto _ : state) {
        const QString error = SavePictureAsJpeg(library.coloured, library.files.coloured, 90);
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
}

void BM_Reopen(benchmark::State &state, bool withCopy)
{
    Library &library = TheLibrary();
    if (!SaveColouredPicture(library.files, library.coloured, library.lineArt).ok()) {
        state.SkipWithError("could not save the page");
        return;
    }
    if (!withCopy)
        QFile::remove(LibraryLayout::LosslessCopyOf(library.files.coloured));
    for (auto _ : state) {
        const OpenedPicture opened = OpenPictureDocument(library.files);
        if (!opened.colouredUsed) {
            state.SkipWithError("the colouring did not open");
            return;
        }
        benchmark::DoNotOptimize(opened.coloured.constBits());
    }
}

// A press while a save runs on the other core: the worker must not slow the
// stroke (both share the memory bus and the caches). Wall time, as the child
// feels it; without the save, the same press for comparison. Each timed press
// in the sky follows an untimed one in the house's wall, so that the sky is
// flooded afresh every time: the dearest press there is.
void BM_Press(benchmark::State &state, bool duringSave)
{
    Library &library = TheLibrary();
    StrokeEngine engine;
    engine.LoadPicture(library.lineArt, library.coloured);
    const QPoint press = SkyPoint(kPage);
    const QPoint wall = WallPoint(kPage);
    std::atomic<bool> stop = false;
    std::atomic<int> saves = 0;
    std::thread worker;
    if (duringSave) {
        worker = std::thread([&] {
            while (!stop) {
                SaveColouredPicture(library.files, library.coloured, library.lineArt);
                ++saves;
            }
        });
    }
    for (auto _ : state) {
        state.PauseTiming();
        engine.P_MouseDown(float(wall.x()), float(wall.y()));
        engine.P_MouseUp(float(wall.x()), float(wall.y()));
        state.ResumeTiming();
        const StrokeChange change = engine.P_MouseDown(float(press.x()), float(press.y()));
        engine.P_MouseUp(float(press.x()), float(press.y()));
        benchmark::DoNotOptimize(change);
    }
    stop = true;
    if (worker.joinable())
        worker.join();
    state.counters["saves"] = double(saves.load());
}

// The default book coloured as a child would: strokes of every tool and many
// colours, each inside its area. What the JPEG and its copy take on disk.
void NoteDiskCost()
{
    const QDir book(QStringLiteral(VELMORA_SOURCE_DIR "/resources/default_library/books/Velmora"));
    QTemporaryDir root;
    QDir().mkpath(root.filePath("books/Velmora"));
    QRandomGenerator random(20261211);
    qint64 jpegBytes = 0, copyBytes = 0;
    int pictures = 0;
    for (const QString &name : book.entryList({"*.bmp"}, QDir::Files, QDir::Name)) {
        const QString path = root.filePath("books/Velmora/" + name);
        QFile::copy(book.filePath(name), path);
        const QImage lineArt = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QImage coloured = ColouredByStrokes(lineArt, 60, random.generate());
        const PictureFiles files = FilesOfPicture(root.path(), path);
        if (!SaveColouredPicture(files, coloured, lineArt).ok())
            continue;
        jpegBytes += QFileInfo(files.coloured).size();
        copyBytes += QFileInfo(LibraryLayout::LosslessCopyOf(files.coloured)).size();
        ++pictures;
    }
    if (pictures == 0)
        return;
    std::cout << "  the default book coloured (" << pictures << " pictures): JPEG "
              << jpegBytes / pictures / 1024 << " KiB, lossless copy " << copyBytes / pictures / 1024
              << " KiB a picture on average (" << copyBytes / 1024 << " KiB for the book)\n";
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::RegisterBenchmark("SaveWithCopy/2400x1800", BM_SaveWithCopy)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SaveJpegOnly/2400x1800", BM_SaveJpegOnly)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReopenFromCopy/2400x1800", BM_Reopen, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReopenFromJpeg/2400x1800", BM_Reopen, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PressAlone/2400x1800", BM_Press, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PressDuringSave/2400x1800", BM_Press, true)->Unit(benchmark::kMillisecond);
    const std::vector<Budget> budgets = {
        {"press to first stamp while a save runs", "PressDuringSave/2400x1800", "", 8, BudgetClock::Real},
        {"a save on the worker, with its lossless copy", "SaveWithCopy/2400x1800", "", 100, BudgetClock::Real},
        {"reopening from the copy / from the JPEG", "ReopenFromCopy/2400x1800", "ReopenFromJpeg/2400x1800", 1.5,
         BudgetClock::Real},
    };
    return RunBenchmarksWithBudgets(argc, argv, budgets, [](const BudgetReporter &) { NoteDiskCost(); });
}
