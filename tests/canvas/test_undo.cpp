#include <QtTest>

#include "canvas/region_mask.h"
#include "canvas/stroke_engine.h"
#include "tests/support/stroke_fixtures.h"

namespace {

// Two rooms split by a wall; strokes go into either.
QImage Rooms()
{
    return LineArt(QSize(200, 80), {QRect(100, 0, 3, 80)});
}

struct Stroke {
    QPointF from;
    QPointF to;
    ColourParts colour;
};

void Draw(StrokeEngine &engine, const Stroke &stroke)
{
    engine.SetCurrentColour(stroke.colour);
    engine.P_MouseDown(float(stroke.from.x()), float(stroke.from.y()));
    engine.P_MouseMove(float(stroke.to.x()), float(stroke.to.y()));
    engine.P_MouseUp(float(stroke.to.x()), float(stroke.to.y()));
}

void Start(StrokeEngine &engine, const QImage &lineArt)
{
    QVERIFY(engine.LoadPicture(lineArt));
    engine.SetRandomSource(Fixed(0.5));
}

const Stroke kStrokes[4] = {
    {{20, 20}, {60, 30}, {250, 0, 0}},
    {{150, 40}, {180, 60}, {0, 200, 0}},
    {{40, 60}, {90, 70}, {0, 0, 220}},
    {{160, 20}, {120, 30}, {250, 200, 0}},
};

} // namespace

Q_DECLARE_METATYPE(Stroke)

class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void fourStrokesThreeUndos();
    void undoRestoresLineArtAndMask();
    void snapshotsKeepTheirPixels();
    void newPictureForgetsSnapshots();
    void clearColours();
    void undoEndsAStroke();
    void undoPutsBackEveryPixelAStrokeReached_data();
    void undoPutsBackEveryPixelAStrokeReached();
};

void TestUndo::fourStrokesThreeUndos()
{
    StrokeEngine engine;
    Start(engine, Rooms());
    QVERIFY(!engine.CanUndo());
    QList<QImage> before;
    for (const Stroke &stroke : kStrokes) {
        before << engine.CanvasImage().copy();
        Draw(engine, stroke);
        QVERIFY(engine.CanUndo());
        QVERIFY(engine.CanvasImage() != before.last());
    }
    QCOMPARE(engine.UndoTop(), 2);

    for (int stroke = 3; stroke >= 1; --stroke) {
        const StrokeChange change = engine.Undo();
        QCOMPARE(engine.CanvasImage(), before[stroke]);
        QCOMPARE(change.dirty, engine.CanvasImage().rect());
        QCOMPARE(engine.CanUndo(), stroke > 1);
    }
    // The state before the first stroke is out of reach.
    const StrokeChange change = engine.Undo();
    QVERIFY(change.dirty.isEmpty());
    QCOMPARE(engine.CanvasImage(), before[1]);
    QVERIFY(!engine.CanUndo());

    // Strokes after undoing stack up again from the bottom.
    Draw(engine, kStrokes[0]);
    QCOMPARE(engine.UndoTop(), 0);
    engine.Undo();
    QCOMPARE(engine.CanvasImage(), before[1]);
}

void TestUndo::undoRestoresLineArtAndMask()
{
    StrokeEngine engine;
    Start(engine, Rooms());
    Draw(engine, kStrokes[0]);
    QCOMPARE(ColourValueOf(engine.RegionMask().image().pixel(10, 10)), kMaskFlooded);
    engine.Undo();
    QCOMPARE(engine.LineArt(), Rooms());
    QCOMPARE(engine.RegionMask().image(), Rooms()); // no flood left in it
    QCOMPARE(engine.CanvasImage(), Rooms());
}

void TestUndo::snapshotsKeepTheirPixels()
{
    QImage lineArt = Rooms();
    StrokeEngine engine;
    Start(engine, lineArt);
    Draw(engine, kStrokes[0]);
    const QImage held = engine.CanvasImage(); // shares the pixels, for now
    const QImage heldCopy = held.copy();
    // The picture handed in is changed afterwards; the engine's line art and its snapshot are not.
    lineArt.fill(kBlack);
    Draw(engine, kStrokes[1]);
    QCOMPARE(held, heldCopy);
    QCOMPARE(engine.LineArt(), Rooms());
    engine.Undo();
    QCOMPARE(engine.CanvasImage(), heldCopy);
    engine.Undo();
    QCOMPARE(engine.LineArt(), Rooms());
    QCOMPARE(engine.CanvasImage(), Rooms());
}

void TestUndo::newPictureForgetsSnapshots()
{
    StrokeEngine engine;
    Start(engine, Rooms());
    Draw(engine, kStrokes[0]);
    QVERIFY(!engine.LoadPicture(QImage())); // no picture: nothing changes
    QVERIFY(engine.CanUndo());

    // A coloured picture of another size than its line art, and not in RGB32.
    QImage coloured(QSize(50, 40), QImage::Format_RGB888);
    coloured.fill(QColor(10, 200, 30));
    QVERIFY(engine.LoadPicture(LineArt(QSize(60, 30)), coloured));
    QVERIFY(!engine.CanUndo());
    QCOMPARE(engine.CanvasImage().format(), QImage::Format_RGB32);
    QCOMPARE(engine.CanvasImage().size(), QSize(50, 40));
    QCOMPARE(QColor(engine.CanvasImage().pixel(49, 39)), QColor(10, 200, 30));
    QCOMPARE(engine.LineArt().size(), QSize(60, 30));
    // Strokes still stay within the canvas, the mask read up to its edges.
    Draw(engine, {{45, 35}, {49, 39}, {0, 0, 0}});
    QVERIFY(engine.CanvasImage().pixel(49, 39) != qRgb(10, 200, 30));
    QCOMPARE(engine.CanvasImage().size(), QSize(50, 40));
}

void TestUndo::clearColours()
{
    StrokeEngine engine;
    Start(engine, Rooms());
    Draw(engine, kStrokes[0]);
    Draw(engine, kStrokes[1]);
    const StrokeChange change = engine.ClearColours();
    QCOMPARE(engine.CanvasImage(), Rooms());
    QCOMPARE(change.dirty, Rooms().rect());
    QVERIFY(!engine.CanUndo());
}

void TestUndo::undoEndsAStroke()
{
    StrokeEngine engine;
    Start(engine, Rooms());
    engine.P_MouseDown(20, 20);
    const StrokeChange change = engine.Undo();
    QVERIFY(change.strokeEnded);
    QVERIFY(!engine.IsStroking());
    QCOMPARE(engine.CanvasImage(), Rooms());
    engine.P_MouseMove(60, 60); // no stroke: nothing drawn
    QCOMPARE(engine.CanvasImage(), Rooms());
}

// A snapshot keeps only what a stroke may change; these strokes reach pixels
// outside the flooded area, and undo must still put every one of them back.
void TestUndo::undoPutsBackEveryPixelAStrokeReached_data()
{
    QTest::addColumn<QImage>("lineArt");
    QTest::addColumn<QImage>("coloured");
    QTest::addColumn<Stroke>("stroke");
    QTest::addColumn<QPoint>("reached");
    // Pure red in the line art is the flooded colour: the region test passes there too.
    QImage withRed = Rooms();
    withRed.setPixel(106, 30, qRgb(255, 0, 0));
    QTest::newRow("the flooded colour across the wall") << withRed << QImage() << Stroke{{95, 30}, {96, 30}, {0, 0, 250}}
                                                        << QPoint(106, 30);
    // Beyond the line art's edge a larger canvas is tested against the mask's last column.
    QImage wide(QSize(240, 80), QImage::Format_RGB32);
    wide.fill(qRgb(255, 255, 255));
    QTest::newRow("a canvas wider than its line art") << Rooms() << wide << Stroke{{196, 40}, {199, 40}, {0, 0, 250}}
                                                      << QPoint(203, 40);
    // A press on grey works on every pixel of that grey, wherever it is.
    QImage greys = Rooms();
    for (int x = 0; x < 200; ++x)
        greys.setPixel(x, 50, qRgb(128, 128, 128));
    QTest::newRow("a press on grey") << greys << QImage() << Stroke{{150, 50}, {150, 50}, {0, 0, 250}}
                                     << QPoint(150, 50);
}

void TestUndo::undoPutsBackEveryPixelAStrokeReached()
{
    QFETCH(QImage, lineArt);
    QFETCH(QImage, coloured);
    QFETCH(Stroke, stroke);
    QFETCH(QPoint, reached);
    StrokeEngine engine;
    QVERIFY(engine.LoadPicture(lineArt, coloured));
    engine.SetRandomSource(Fixed(0.5));
    Draw(engine, kStrokes[0]);
    const QImage before = engine.CanvasImage().copy();
    Draw(engine, stroke);
    QVERIFY(engine.CanvasImage().pixel(reached) != before.pixel(reached)); // the stroke did reach it
    engine.Undo();
    QCOMPARE(engine.CanvasImage(), before);
}

QTEST_GUILESS_MAIN(TestUndo)
#include "test_undo.moc"
