#include <QtTest>

#include "canvas/region_mask.h"
#include "canvas/stroke_engine.h"
#include "tests/support/stroke_fixtures.h"

Q_DECLARE_METATYPE(QList<QPointF>)

namespace {

// Two rooms side by side, split by a black wall three pixels wide.
const QSize kRoomsSize(200, 80);
const QRect kWall(100, 0, 3, 80);

QImage Rooms()
{
    return LineArt(kRoomsSize, {kWall});
}

void Start(StrokeEngine &engine, const QImage &lineArt, int tool, double random = 0.5)
{
    QVERIFY(engine.LoadPicture(lineArt));
    QVERIFY(engine.SetTool(tool));
    engine.SetCurrentColour({200, 30, 30});
    engine.SetRandomSource(Fixed(random));
}

// True when no pixel in `area` differs between the two pictures.
bool SameIn(const QImage &a, const QImage &b, QRect area)
{
    area &= a.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

} // namespace

class TestStrokeRegions : public QObject {
    Q_OBJECT

private slots:
    void strokeStopsAtTheLine_data();
    void strokeStopsAtTheLine();
    void pressOnLineWaits_data();
    void pressOnLineWaits();
    void waitingStrokeLeavingTheCanvasPaintsNothing();
    void pressOnFarEdgeStaysInItsRegion();
    void pressOffCanvasIgnored_data();
    void pressOffCanvasIgnored();
    void pencilClickSetsOneExactPixel();
    void pencilLineIsAntialiased();
};

void TestStrokeRegions::strokeStopsAtTheLine_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QList<QPointF>>("moves");
    QTest::addColumn<QPoint>("reached"); // a pixel beside the wall that the stroke colours
    const QList<QPointF> across{{80, 40}, {120, 40}, {180, 40}, {190, 70}};
    const QList<QPointF> slanting{{95, 30}, {150, 75}, {199, 0}};
    QTest::newRow("crayon") << kCrayon << across << QPoint(99, 40);
    QTest::newRow("paintbrush") << kPaintbrush << across << QPoint(99, 40);
    QTest::newRow("pencil") << kPencil << across << QPoint(99, 40);
    QTest::newRow("pencil, slanting") << kPencil << slanting << QPoint(99, 33);
    QTest::newRow("crayon, slanting") << kCrayon << slanting << QPoint(99, 33);
}

void TestStrokeRegions::strokeStopsAtTheLine()
{
    QFETCH(int, tool);
    QFETCH(QList<QPointF>, moves);
    QFETCH(QPoint, reached);
    StrokeEngine engine;
    Start(engine, Rooms(), tool);
    engine.P_MouseDown(60, 40);
    for (const QPointF &move : moves)
        engine.P_MouseMove(float(move.x()), float(move.y()));
    engine.P_MouseUp(190, 70);

    // The wall and the room beyond it are untouched; the colour reaches the wall.
    QVERIFY(SameIn(engine.CanvasImage(), Rooms(), QRect(QPoint(100, 0), QPoint(199, 79))));
    QVERIFY(engine.CanvasImage().pixel(reached) != kWhite);
}

void TestStrokeRegions::pressOnLineWaits_data()
{
    QTest::addColumn<int>("tool");
    QTest::newRow("crayon") << kCrayon;
    QTest::newRow("pencil") << kPencil;
}

void TestStrokeRegions::pressOnLineWaits()
{
    QFETCH(int, tool);
    StrokeEngine engine;
    Start(engine, Rooms(), tool, 0.0); // the variation at its most, to tell the pencil's exact pixel
    auto calls = std::make_shared<int>(0);
    engine.SetRandomSource(Counted(0.0, calls));

    const StrokeChange press = engine.P_MouseDown(101, 40);
    QVERIFY(press.strokeStarted);
    QCOMPARE(engine.Workon_color(), kMaskOutline);
    engine.P_MouseMove(102, 41);
    QCOMPARE(engine.CanvasImage(), Rooms()); // not even the pencil's first pixel on the line
    QVERIFY(!engine.CanUndo());
    QCOMPARE(*calls, 0);

    engine.P_MouseMove(110, 40); // into the right-hand room: the stroke starts here
    QCOMPARE(engine.Workon_color(), kMaskFlooded);
    QCOMPARE(ColourValueOf(engine.RegionMask().image().pixel(150, 40)), kMaskFlooded);
    QCOMPARE(ColourValueOf(engine.RegionMask().image().pixel(50, 40)), kMaskOtherWhite);
    QVERIFY(engine.CanvasImage().pixel(110, 40) != kWhite);
    QVERIFY(SameIn(engine.CanvasImage(), Rooms(), QRect(0, 0, 103, 80)));
    if (tool == kPencil)
        QCOMPARE(QColor(engine.CanvasImage().pixel(110, 40)), QColor(200, 30, 30));
    engine.P_MouseUp(110, 40);

    // One stroke, one undo step.
    QCOMPARE(engine.UndoTop(), 0);
    engine.Undo();
    QCOMPARE(engine.CanvasImage(), Rooms());
    QVERIFY(!engine.CanUndo());
}

void TestStrokeRegions::waitingStrokeLeavingTheCanvasPaintsNothing()
{
    StrokeEngine engine;
    Start(engine, Rooms(), kCrayon);
    engine.P_MouseDown(101, 79); // on the wall, bottom row
    // Below the canvas: the mask read clamped is white there, but no region was flooded.
    engine.P_MouseMove(106, 86);
    QCOMPARE(engine.Workon_color(), kMaskOutline);
    QCOMPARE(engine.CanvasImage(), Rooms());
    engine.P_MouseMove(110, 60); // back on the canvas, in the right-hand room
    QCOMPARE(engine.Workon_color(), kMaskFlooded);
    QVERIFY(SameIn(engine.CanvasImage(), Rooms(), QRect(0, 0, 103, 80)));
    QVERIFY(engine.CanvasImage().pixel(110, 60) != kWhite);
}

void TestStrokeRegions::pressOnFarEdgeStaysInItsRegion()
{
    // Rooms stacked: a wall across the bottom right corner region.
    const QImage lineArt = LineArt(QSize(60, 60), {QRect(0, 50, 60, 2), QRect(50, 0, 2, 60)});
    StrokeEngine engine;
    Start(engine, lineArt, kCrayon);
    engine.P_MouseDown(60, 60); // the edges count as on the canvas
    engine.P_MouseUp(60, 60);
    QCOMPARE(engine.Workon_color(), kMaskFlooded);
    QVERIFY(engine.CanvasImage().pixel(59, 59) != kWhite);
    // Nothing outside the corner room changes.
    QVERIFY(SameIn(engine.CanvasImage(), lineArt, QRect(0, 0, 60, 52)));
    QVERIFY(SameIn(engine.CanvasImage(), lineArt, QRect(0, 0, 52, 60)));
}

void TestStrokeRegions::pressOffCanvasIgnored_data()
{
    QTest::addColumn<QPointF>("press");
    QTest::newRow("left") << QPointF(-0.01, 10);
    QTest::newRow("above") << QPointF(10, -1);
    QTest::newRow("right") << QPointF(200.5, 10);
    QTest::newRow("below") << QPointF(10, 80.01);
    QTest::newRow("not a number") << QPointF(qQNaN(), 10);
}

void TestStrokeRegions::pressOffCanvasIgnored()
{
    QFETCH(QPointF, press);
    StrokeEngine engine;
    Start(engine, Rooms(), kCrayon);
    const StrokeChange change = engine.P_MouseDown(float(press.x()), float(press.y()));
    QVERIFY(!change.strokeStarted);
    QVERIFY(!engine.IsStroking());
    engine.P_MouseMove(50, 40);
    QVERIFY(!engine.P_MouseUp(50, 40).strokeEnded);
    QCOMPARE(engine.CanvasImage(), Rooms());
    QVERIFY(!engine.CanUndo());
    QCOMPARE(engine.Workon_color(), -1);
}

void TestStrokeRegions::pencilClickSetsOneExactPixel()
{
    StrokeEngine engine;
    Start(engine, LineArt(QSize(100, 60)), kPencil, 0.0); // the variation would take 10 off each part
    engine.SetCurrentColour({10, 20, 30});
    const StrokeChange change = engine.P_MouseDown(30.5, 29.5);
    engine.P_MouseUp(30.5, 29.5);
    QCOMPARE(DifferingPixels(engine.CanvasImage(), LineArt(QSize(100, 60))), 1);
    QCOMPARE(QColor(engine.CanvasImage().pixel(30, 30)), QColor(10, 20, 30));
    QCOMPARE(change.dirty, QRect(30, 30, 1, 1));
}

void TestStrokeRegions::pencilLineIsAntialiased()
{
    // A short level line, (10, 10) to (20, 10): the line colour on its row,
    // blends of 128 and 127 (out of 256) above and below, soft caps at the ends.
    // 'C' line colour (100, 150, 200); 'a' 128 of it over white; 'b' 127; 's' 0 (white / 256 x 255).
    const QStringList expected = {
        "...............",
        ".saaaaaaaaaaa..",
        ".bCCCCCCCCCCCb.",
        "..bbbbbbbbbbbs.",
        "...............",
    };
    const QHash<QChar, QRgb> colours = {{'.', kWhite},
                                        {'C', qRgb(100, 150, 200)},
                                        {'a', qRgb(176, 201, 226)},
                                        {'b', qRgb(177, 201, 226)},
                                        {'s', qRgb(254, 254, 254)}};
    StrokeEngine engine;
    Start(engine, LineArt(QSize(40, 30)), kPencil);
    engine.SetCurrentColour({100, 150, 200});
    engine.P_MouseDown(10, 10);
    const StrokeChange change = engine.P_MouseMove(20, 10);
    engine.P_MouseUp(20, 10);

    const QImage &canvas = engine.CanvasImage();
    for (int row = 0; row < expected.size(); ++row)
        for (int column = 0; column < expected[row].size(); ++column)
            QVERIFY2(canvas.pixel(8 + column, 8 + row) == colours[expected[row][column]],
                     qPrintable(QString("pixel %1,%2").arg(8 + column).arg(8 + row)));
    QCOMPARE(DifferingPixels(canvas, LineArt(QSize(40, 30))), 3 * 11 + 4);
    QVERIFY(change.dirty.contains(Difference(canvas, LineArt(QSize(40, 30)))));
}

QTEST_GUILESS_MAIN(TestStrokeRegions)
#include "test_stroke_regions.moc"
