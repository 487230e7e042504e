// The canvas on a 3840 x 2160 screen (device pixel ratio 2.8125, as the
// program sets it there) with a 2400 x 1800 picture filling the colour frame:
// repainting what a stamp changed, repainting the whole canvas, and one frame
// of a crayon drag (the move's stamps, then the paint they asked for).
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "canvas/colouring_tools.h"
#include "platform/screen_scaling.h"
#include "windows/colouring/canvas_view.h"

namespace {

const QSize kPage(2400, 1800);
// The colour frame's room for the picture at 3840 x 2160, in layout pixels:
// the screen lays out as 1365 x 768, less the palette, the tool strip and the band.
const QSize kRoom(1365 - 150 - 48, 768 - 88 - 48);

struct Canvas {
    ColouringDocument document{QString()};
    CanvasView *view = nullptr;
    QWidget window;
    bool exposed = false;

    Canvas()
    {
        document.OpenUnsaved(MakeLineArt(kPage), MakeColouredPage(kPage));
        document.Engine().SetTool(kCrayon);
        document.Engine().SetCurrentColour({40, 120, 255});
        view = new CanvasView(document, &window);
        QSize shown = kPage;
        shown.scale(kRoom, Qt::KeepAspectRatio);
        window.resize(shown);
        view->setGeometry(QRect(QPoint(0, 0), shown));
        view->ShowNewPicture();
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    QPoint ViewPoint(QPointF canvas) const { return view->ViewFromCanvas().map(canvas).toPoint(); }
};

Canvas &TheCanvas()
{
    static Canvas canvas;
    return canvas;
}

void BM_RepaintStampArea(benchmark::State &state)
{
    Canvas &canvas = TheCanvas();
    // A crayon stamp's footprint round a sky point, mapped to the view as the view maps it.
    const QPoint sky = SkyPoint(kPage);
    const QRect stamp(sky - QPoint(20, 20), QSize(41, 41));
    const QRect dirty = canvas.view->ViewFromCanvas().mapRect(QRectF(stamp)).toAlignedRect().adjusted(-1, -1, 1, 1);
    for (auto _ : state)
        canvas.view->repaint(dirty);
}

void BM_RepaintWhole(benchmark::State &state)
{
    Canvas &canvas = TheCanvas();
    for (auto _ : state)
        canvas.view->repaint();
}

// A press in the sky, then moves to and fro, each followed by the paint it asked for.
void BM_CrayonDragFrame(benchmark::State &state)
{
    Canvas &canvas = TheCanvas();
    const QPoint sky = SkyPoint(kPage);
    QTest::mousePress(canvas.view, Qt::LeftButton, {}, canvas.ViewPoint(sky));
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(sky.x() + 30 * (step % 20), sky.y() + (step / 20 % 2) * 30);
        ++step;
        QMouseEvent move(QEvent::MouseMove, canvas.ViewPoint(at), canvas.view->mapToGlobal(canvas.ViewPoint(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas.view, &move);
        QCoreApplication::processEvents(); // the update the move asked for
    }
    QTest::mouseRelease(canvas.view, Qt::LeftButton, {}, canvas.ViewPoint(sky));
    if (!canvas.document.Engine().CanUndo())
        state.SkipWithError("the drag drew no stroke");
}

} // namespace

int main(int argc, char **argv)
{
    // An offscreen screen of the size measured, before the application starts.
    QTemporaryDir folder;
    const QString config = folder.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({ "screens": [ { "name": "4k", "x": 0, "y": 0, "width": 3840, "height": 2160,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication application(argc, argv);
    ScaleScreensForChildren();
    if (!TheCanvas().exposed) {
        std::cerr << "the canvas was never shown\n";
        return 1;
    }
    std::cout << "Screen device pixel ratio " << QGuiApplication::primaryScreen()->devicePixelRatio()
              << ", the canvas shown at " << TheCanvas().view->width() << " x " << TheCanvas().view->height()
              << " layout pixels\n";

    benchmark::RegisterBenchmark("RepaintStampArea/4K", BM_RepaintStampArea)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RepaintWhole/4K", BM_RepaintWhole)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CrayonDragFrame/4K", BM_CrayonDragFrame)->Unit(benchmark::kMillisecond);
    const std::vector<Budget> budgets = {
        {"repainting a stamp's area at 4K", "RepaintStampArea/4K", "", 1, BudgetClock::Real},
        {"repainting the whole canvas at 4K", "RepaintWhole/4K", "", 8, BudgetClock::Real},
        {"a frame of a crayon drag at 4K", "CrayonDragFrame/4K", "", 16, BudgetClock::Real},
    };
    return RunBenchmarksWithBudgets(argc, argv, budgets);
}
