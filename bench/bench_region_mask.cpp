// What a press on the canvas costs before any paint is laid down, on a page of
// the largest size the program opens, with the press in the page's largest white
// area, the worst case a child meets.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <iostream>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "canvas/flood_fill.h"
#include "canvas/region_mask.h"
#include "image/pixel_image.h"

namespace {

const QSize kPageSize(2400, 1800);

struct Page {
    QImage lineArt;
    QImage canvas; // what the child has coloured so far
    QPoint press;
};

const Page &ThePage()
{
    static const Page page{MakeLineArt(kPageSize), MakeColouredPage(kPageSize), SkyPoint(kPageSize)};
    return page;
}

// The white areas of the page: how many, and the share of the picture the pressed one covers.
void DescribePage(const Page &page)
{
    QImage probe = page.lineArt.copy();
    const double pixels = double(probe.width()) * probe.height();
    const FloodFillResult pressed = FloodFillWhite(probe, page.press);
    int areas = pressed.filled ? 1 : 0;
    qint64 largestOther = 0;
    for (int y = 0; y < probe.height(); ++y) {
        for (int x = 0; x < probe.width(); ++x) {
            const FloodFillResult area = FloodFillWhite(probe, QPoint(x, y));
            if (area.filled) {
                ++areas;
                largestOther = std::max(largestOther, area.pixelCount);
            }
        }
    }
    std::cout << "Page " << probe.width() << " x " << probe.height() << ": " << areas
              << " white areas; the pressed one covers " << 100.0 * double(pressed.pixelCount) / pixels
              << " % of the picture, the next largest " << 100.0 * double(largestOther) / pixels << " %.\n";
}

// The floor for anything that must touch every pixel once.
void BM_Memcpy(benchmark::State &state)
{
    const QImage &source = ThePage().lineArt;
    QImage target = source.copy();
    uchar *to = target.bits();
    const size_t bytes = size_t(source.sizeInBytes());
    for (auto _ : state) {
        std::memcpy(to, source.constBits(), bytes);
        benchmark::DoNotOptimize(to);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64(bytes));
}

// The flood alone. Each iteration needs bare line art again; restoring it is a
// memcpy of the whole picture, kept out of the measurement with PauseTiming. A
// pause and resume leaks about a microsecond into the timing (PauseResume shows
// how much), which is nothing beside a flood of milliseconds. The restore leaves
// part of the picture in the cache just as BuildRegionMask's copy does before its
// flood, so the flood is measured in the state it runs in for real.
void BM_FloodFillWhite(benchmark::State &state)
{
    const Page &page = ThePage();
    QImage work = page.lineArt.copy();
    uchar *bits = work.bits(); // our own copy: no detach happens later
    const size_t bytes = size_t(page.lineArt.sizeInBytes());
    FloodFillResult result;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(bits, page.lineArt.constBits(), bytes);
        state.ResumeTiming();
        result = FloodFillWhite(work, page.press);
        benchmark::DoNotOptimize(result);
    }
    if (!result.filled) {
        state.SkipWithError("the press point is not in a white area");
        return;
    }
    state.counters["area_%"] = 100.0 * double(result.pixelCount) / (double(work.width()) * work.height());
    state.counters["pixels/s"] = benchmark::Counter(double(result.pixelCount), benchmark::Counter::kIsIterationInvariantRate);
}

// What a PauseTiming and ResumeTiming pair adds to the time measured.
void BM_PauseResume(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        state.ResumeTiming();
    }
}

// Copying the bare line art into the reused mask, and flooding it.
void BM_BuildRegionMask(benchmark::State &state)
{
    const Page &page = ThePage();
    cNDib mask;
    BuildRegionMask(page.lineArt, page.press, mask); // the buffer exists from the first press on
    for (auto _ : state) {
        RegionMaskResult result = BuildRegionMask(page.lineArt, page.press, mask);
        benchmark::DoNotOptimize(result);
    }
}

// One undo copy into a reused image.
void BM_MakeFromPicture(benchmark::State &state)
{
    const Page &page = ThePage();
    cNDib copy(page.canvas);
    for (auto _ : state) {
        copy.Make_From_Picture(page.canvas);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * page.canvas.sizeInBytes());
}

// Everything a press does before painting: the region mask (restoring the bare
// line art into it and flooding), then the undo copies of the canvas and of the
// line art. All three images persist from press to press, as they do on the canvas.
void BM_PressPreparation(benchmark::State &state)
{
    const Page &page = ThePage();
    const QPointF press(page.press);
    cNDib mask;
    cNDib undoCanvas;
    cNDib undoLineArt;
    // The first press of a session allocates; every later one reuses.
    BuildRegionMask(page.lineArt, press, mask);
    undoCanvas.Make_From_Picture(page.canvas);
    undoLineArt.Make_From_Picture(page.lineArt);
    RegionMaskResult result;
    for (auto _ : state) {
        result = BuildRegionMask(page.lineArt, press, mask);
        undoCanvas.Make_From_Picture(page.canvas);
        undoLineArt.Make_From_Picture(page.lineArt);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    if (!result.flood.filled)
        state.SkipWithError("the press point is not in a white area");
}

} // namespace

int main(int argc, char **argv)
{
    using benchmark::kMillisecond;
    benchmark::RegisterBenchmark("Memcpy/2400x1800", BM_Memcpy)->Unit(kMillisecond);
    benchmark::RegisterBenchmark("FloodFillWhite/2400x1800", BM_FloodFillWhite)->Unit(kMillisecond);
    benchmark::RegisterBenchmark("PauseResume", BM_PauseResume)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BuildRegionMask/2400x1800", BM_BuildRegionMask)->Unit(kMillisecond);
    benchmark::RegisterBenchmark("MakeFromPicture/2400x1800", BM_MakeFromPicture)->Unit(kMillisecond);
    benchmark::RegisterBenchmark("PressPreparation/2400x1800", BM_PressPreparation)->Unit(kMillisecond);

    DescribePage(ThePage());

    // Judged on CPU time: nothing here waits for anything, so CPU time is the
    // work itself, and it is less thrown by other programs on the machine.
    const std::vector<Budget> budgets = {
        {"flood / memcpy", "FloodFillWhite/2400x1800", "Memcpy/2400x1800", 6, BudgetClock::Cpu},
        {"press preparation", "PressPreparation/2400x1800", "", 20, BudgetClock::Cpu},
    };
    return RunBenchmarksWithBudgets(argc, argv, budgets, [](const BudgetReporter &reporter) {
        // The flood measured another way, without pausing: a region mask is a copy and a flood.
        const auto mask = reporter.Milliseconds("BuildRegionMask/2400x1800", BudgetClock::Cpu);
        const auto copy = reporter.Milliseconds("MakeFromPicture/2400x1800", BudgetClock::Cpu);
        const auto flood = reporter.Milliseconds("FloodFillWhite/2400x1800", BudgetClock::Cpu);
        if (mask && copy && flood) {
            std::cout << "  cross-check: BuildRegionMask - MakeFromPicture = " << FormatMilliseconds(*mask - *copy)
                      << " ms, flood alone " << FormatMilliseconds(*flood) << " ms\n";
        }
    });
}
