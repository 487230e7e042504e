// What a stroke costs on a page of the largest size the program opens: one
// stamp of each textured tool (against a plain copy of the same footprint), a
// pencil segment, and a press from the pointer going down to its first stamp
// drawn (region mask, undo snapshot and the stamp).

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <string>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "canvas/line_gp.h"
#include "canvas/region_mask.h"
#include "canvas/stamp_texture.h"
#include "canvas/stroke_engine.h"
#include "image/pixel_image.h"

namespace {

const QSize kPageSize(2400, 1800);
const qint32 kColours[2] = {RGBColour(40, 120, 255), RGBColour(250, 90, 30)};

struct Page {
    QImage lineArt;
    QImage canvas;
    cNDib mask; // flooded from the sky
    QPoint open;        // a sky point with room for a whole paintbrush stamp round it
    QPoint pencilSpace; // and one with room for the pencil segment
};

bool AllFlooded(const cNDib &mask, QRect area)
{
    if (!mask.image().rect().contains(area))
        return false;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (mask.Get_Pixel_Long(x, y) != kMaskFlooded)
                return false;
    return true;
}

// An area of `size` centred on a point.
QRect AreaRound(QPoint centre, QSize size)
{
    return QRect(centre - QPoint(size.width() / 2, size.height() / 2), size);
}

const QSize kBrushArea(113, 107);  // the paintbrush's footprint
const QSize kPencilArea(303, 123); // the pencil segment's, caps included

// A sky point with an area of `size` round it wholly in the pressed region, so
// that every pixel passes the region test: the most work a stroke does.
QPoint OpenSky(const cNDib &mask, QPoint sky, QSize size)
{
    for (int dy = 0; dy < 600; dy += 10)
        for (int dx = 0; dx < 1200; dx += 10)
            for (const QPoint at : {sky + QPoint(dx, dy), sky + QPoint(-dx, dy)})
                if (AllFlooded(mask, AreaRound(at, size)))
                    return at;
    return sky;
}

const Page &ThePage()
{
    static const Page page = [] {
        Page made{MakeLineArt(kPageSize), MakeColouredPage(kPageSize), {}, {}, {}};
        BuildRegionMask(made.lineArt, SkyPoint(kPageSize), made.mask);
        made.open = OpenSky(made.mask, SkyPoint(kPageSize), kBrushArea);
        made.pencilSpace = OpenSky(made.mask, SkyPoint(kPageSize), kPencilArea);
        return made;
    }();
    return page;
}

BrushFootprint Brush(int tool)
{
    return BrushFootprint(cNDib(QImage(QStringLiteral(":/brushes/%1.png").arg(tool))));
}

// One stamp, alternating two colours so that the canvas never settles.
void BM_Stamp(benchmark::State &state, int tool)
{
    const Page &page = ThePage();
    cNDib canvas(page.canvas);
    const BrushFootprint brush = Brush(tool);
    if (brush.isEmpty()) {
        state.SkipWithError("no brush texture");
        return;
    }
    int turn = 0;
    for (auto _ : state) {
        const QRect changed = StampTexture(canvas, page.mask, brush, page.open.x(), page.open.y(), kMaskFlooded,
                                           kColours[turn ^= 1]);
        benchmark::DoNotOptimize(changed);
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(brush.width() * brush.height());
}

// The floor: copying the stamp's footprint, row by row, out of the canvas and back.
void BM_FootprintCopy(benchmark::State &state, int tool)
{
    const Page &page = ThePage();
    QImage canvas = page.canvas.copy();
    const BrushFootprint brush = Brush(tool);
    const QRect footprint(page.open - QPoint(brush.halfWidth(), brush.halfHeight()), QSize(brush.width(), brush.height()));
    std::vector<QRgb> copy(size_t(footprint.width()) * size_t(footprint.height()));
    const size_t rowBytes = size_t(footprint.width()) * sizeof(QRgb);
    for (auto _ : state) {
        for (int row = 0; row < footprint.height(); ++row) {
            QRgb *line = reinterpret_cast<QRgb *>(canvas.scanLine(footprint.top() + row)) + footprint.left();
            std::memcpy(copy.data() + size_t(row) * size_t(footprint.width()), line, rowBytes);
        }
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}

// A pencil segment 300 pixels long (and 120 down), in the sky.
void BM_PencilSegment(benchmark::State &state)
{
    const Page &page = ThePage();
    cNDib canvas(page.canvas);
    const QPoint from = page.pencilSpace - QPoint(150, 60);
    int turn = 0;
    for (auto _ : state) {
        const QRect changed = LineGP(canvas, page.mask, qint16(from.x()), qint16(from.y()), qint16(from.x() + 300),
                                     qint16(from.y() + 120), kColours[turn ^= 1], kMaskFlooded);
        benchmark::DoNotOptimize(changed);
        benchmark::ClobberMemory();
    }
}

// A press in the sky with the crayon, as from a session's fourth press on (all
// undo buffers exist): the mask, the snapshot, the first stamp; then the release.
// With `elsewhereFirst`, each timed press follows an untimed stroke in the
// house's wall, so that the sky is flooded afresh every time (the worst case);
// without, every press lands in the area the last one flooded, as when a child
// colours one area with many strokes.
void BM_PressToFirstStamp(benchmark::State &state, bool elsewhereFirst)
{
    const Page &page = ThePage();
    StrokeEngine engine;
    engine.LoadPicture(page.lineArt, page.canvas);
    const float x = float(page.open.x());
    const float y = float(page.open.y());
    const QPoint wall = WallPoint(kPageSize);
    for (int press = 0; press < 4; ++press) {
        engine.P_MouseDown(x, y);
        engine.P_MouseUp(x, y);
    }
    StrokeChange change;
    for (auto _ : state) {
        if (elsewhereFirst) {
            state.PauseTiming();
            engine.P_MouseDown(float(wall.x()), float(wall.y()));
            engine.P_MouseUp(float(wall.x()), float(wall.y()));
            state.ResumeTiming();
        }
        change = engine.P_MouseDown(x, y);
        engine.P_MouseUp(x, y);
        benchmark::DoNotOptimize(change);
    }
    if (change.dirty.isEmpty())
        state.SkipWithError("the press drew nothing");
}

void Ratio(const BudgetReporter &reporter, const char *label, const std::string &stamp, const std::string &copy)
{
    const auto stampTime = reporter.Milliseconds(stamp, BudgetClock::Cpu);
    const auto copyTime = reporter.Milliseconds(copy, BudgetClock::Cpu);
    if (stampTime && copyTime && *copyTime > 0)
        std::cout << "  " << label << ": " << *stampTime * 1e3 << " us, " << *stampTime / *copyTime
                  << " x a copy of its footprint (" << *copyTime * 1e3 << " us)\n";
}

} // namespace

int main(int argc, char **argv)
{
    using benchmark::kMicrosecond;
    using benchmark::kMillisecond;
    benchmark::RegisterBenchmark("CrayonStamp", BM_Stamp, kCrayon)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark("PaintbrushStamp", BM_Stamp, kPaintbrush)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark("CrayonFootprintCopy", BM_FootprintCopy, kCrayon)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark("PaintbrushFootprintCopy", BM_FootprintCopy, kPaintbrush)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark("PencilSegment/300", BM_PencilSegment)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark("PressToFirstStamp/2400x1800", BM_PressToFirstStamp, true)->Unit(kMillisecond);
    benchmark::RegisterBenchmark("PressToFirstStampSameArea/2400x1800", BM_PressToFirstStamp, false)
        ->Unit(kMillisecond);

    const Page &page = ThePage();
    const bool open = AllFlooded(page.mask, AreaRound(page.open, kBrushArea)) &&
                      AllFlooded(page.mask, AreaRound(page.pencilSpace, kPencilArea));
    std::cout << "Stamps round (" << page.open.x() << ", " << page.open.y() << "), the pencil round ("
              << page.pencilSpace.x() << ", " << page.pencilSpace.y() << "): " << (open ? "every" : "NOT every")
              << " pixel they cover is in the pressed region.\n";

    // CPU time: nothing here waits for anything.
    const std::vector<Budget> budgets = {
        {"crayon stamp", "CrayonStamp", "", 0.004, BudgetClock::Cpu},
        {"paintbrush stamp", "PaintbrushStamp", "", 0.030, BudgetClock::Cpu},
        {"press to first stamp, a new area", "PressToFirstStamp/2400x1800", "", 20, BudgetClock::Cpu},
        {"press to first stamp, the area pressed last", "PressToFirstStampSameArea/2400x1800", "", 20,
         BudgetClock::Cpu},
    };
    return RunBenchmarksWithBudgets(argc, argv, budgets, [](const BudgetReporter &reporter) {
        Ratio(reporter, "crayon stamp", "CrayonStamp", "CrayonFootprintCopy");
        Ratio(reporter, "paintbrush stamp", "PaintbrushStamp", "PaintbrushFootprintCopy");
        if (const auto pencil = reporter.Milliseconds("PencilSegment/300", BudgetClock::Cpu))
            std::cout << "  pencil segment of 300 pixels: " << *pencil * 1e3 << " us\n";
    });
}
