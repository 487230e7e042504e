#include <QtTest>

#include "canvas/region_mask.h"
#include "canvas/stroke_engine.h"
#include "tests/support/stroke_fixtures.h"

Q_DECLARE_METATYPE(QList<QPoint>)
Q_DECLARE_METATYPE(QList<QPointF>)

namespace {

const QRgb kFlooded = qRgb(255, 0, 0);

// A white page of `size` in the engine, every part of the colour taken as chosen.
void WhitePage(StrokeEngine &engine, QSize size, int tool, ColourParts colour)
{
    QVERIFY(engine.LoadPicture(LineArt(size)));
    QVERIFY(engine.SetTool(tool));
    engine.SetCurrentColour(colour);
    engine.SetRandomSource(Fixed(0.5));
}

// The same page with the given stamps laid one after the other, the whole page one region.
QImage Stamped(QSize size, const QImage &texture, const QList<QPoint> &centres, ColourParts colour)
{
    QImage expected = LineArt(size);
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(kFlooded);
    for (const QPoint &centre : centres)
        ReferenceStamp(expected, mask, texture, centre, kMaskFlooded, RGBColour(colour.red, colour.green, colour.blue));
    return expected;
}

// The texel that lets most colour through, in footprint coordinates.
QPoint DarkestTexel(const QImage &texture, int &value)
{
    QPoint darkest;
    value = 256;
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            if (qBlue(texture.pixel(x, y)) < value) {
                value = qBlue(texture.pixel(x, y));
                darkest = QPoint(x, y);
            }
    return darkest;
}

} // namespace

class TestStamps : public QObject {
    Q_OBJECT

private slots:
    void textures_data();
    void textures();
    void clickLeavesOneStamp_data();
    void clickLeavesOneStamp();
    void dragSpacesStamps_data();
    void dragSpacesStamps();
    void repeatedStampsConverge();
};

void TestStamps::textures_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QSize>("size");
    QTest::newRow("crayon") << kCrayon << QSize(40, 35);
    QTest::newRow("paintbrush") << kPaintbrush << QSize(112, 106);
    QTest::newRow("pencil") << kPencil << QSize(8, 8);
}

void TestStamps::textures()
{
    QFETCH(int, tool);
    QFETCH(QSize, size);
    StrokeEngine engine;
    QVERIFY(engine.SetTool(tool));
    QCOMPARE(engine.Tool(), tool);
    QCOMPARE(engine.BrushTexture().image().size(), size);
    QVERIFY(!engine.SetTool(3));
    QCOMPARE(engine.Tool(), tool);
    // Back to the crayon: its own texture again, and with it its stamp spacing.
    QVERIFY(engine.SetTool(kCrayon));
    QCOMPARE(engine.BrushTexture().image().size(), QSize(40, 35));
}

void TestStamps::clickLeavesOneStamp_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPoint>("centre");
    QTest::newRow("crayon, middle") << kCrayon << QPointF(60, 50) << QPoint(60, 50);
    QTest::newRow("crayon, halves round to even") << kCrayon << QPointF(10.5, 20.5) << QPoint(10, 20);
    QTest::newRow("crayon, odd halves round up") << kCrayon << QPointF(11.5, 7.5) << QPoint(12, 8);
    QTest::newRow("crayon, clipped at the top left") << kCrayon << QPointF(2, 1) << QPoint(2, 1);
    QTest::newRow("crayon, on the far corner") << kCrayon << QPointF(120, 100) << QPoint(120, 100);
    QTest::newRow("paintbrush, middle") << kPaintbrush << QPointF(60, 50) << QPoint(60, 50);
    QTest::newRow("paintbrush, clipped all round") << kPaintbrush << QPointF(30.4, 70.6) << QPoint(30, 71);
}

void TestStamps::clickLeavesOneStamp()
{
    QFETCH(int, tool);
    QFETCH(QPointF, press);
    QFETCH(QPoint, centre);
    const QSize size(120, 100);
    const ColourParts colour{200, 40, 10};
    StrokeEngine engine;
    WhitePage(engine, size, tool, colour);

    const StrokeChange down = engine.P_MouseDown(float(press.x()), float(press.y()));
    QVERIFY(down.strokeStarted);
    QCOMPARE(engine.Workon_color(), kMaskFlooded);
    const StrokeChange up = engine.P_MouseUp(float(press.x()), float(press.y()));
    QVERIFY(up.strokeEnded);

    const QImage expected = Stamped(size, engine.BrushTexture().image(), {centre}, colour);
    QVERIFY(expected != LineArt(size));
    QCOMPARE(engine.CanvasImage(), expected);
    // Everything that changed was reported.
    const QRect changed = Difference(engine.CanvasImage(), LineArt(size));
    QVERIFY2(down.dirty.contains(changed), qPrintable(QString("changed %1,%2 %3x%4").arg(changed.x()).arg(changed.y())
                                                          .arg(changed.width()).arg(changed.height())));
}

void TestStamps::dragSpacesStamps_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QList<QPointF>>("moves");
    QTest::addColumn<QList<QPoint>>("centres"); // the press's stamp first

    // Crayon spacing: 40 \ 4 = 10 across, 35 \ 4 = 8 down.
    QTest::newRow("crayon 35 right: n = 4") << kCrayon << QPointF(20, 50) << QList<QPointF>{{55, 50}}
                                            << QList<QPoint>{{20, 50}, {20, 50}, {29, 50}, {38, 50}, {46, 50}, {55, 50}};
    QTest::newRow("crayon 5 right: n = 0, the pen moves on")
        << kCrayon << QPointF(20, 50) << QList<QPointF>{{25, 50}, {30, 50}}
        << QList<QPoint>{{20, 50}, {20, 50}, {25, 50}};
    QTest::newRow("crayon 35 down: n = 4") << kCrayon << QPointF(60, 20) << QList<QPointF>{{60, 55}}
                                           << QList<QPoint>{{60, 20}, {60, 20}, {60, 29}, {60, 38}, {60, 46}, {60, 55}};
    QTest::newRow("crayon mostly across") << kCrayon << QPointF(20, 20) << QList<QPointF>{{60, 30}}
                                          << QList<QPoint>{{20, 20}, {20, 20}, {30, 22}, {40, 25}, {50, 28}, {60, 30}};
    QTest::newRow("crayon diagonal uses the height") << kCrayon << QPointF(20, 20) << QList<QPointF>{{44, 44}}
                                                     << QList<QPoint>{{20, 20}, {20, 20}, {28, 28}, {36, 36}, {44, 44}};
    // Paintbrush spacing: 112 \ 4 = 28; 70 / 28 = 2.5 rounds to 2.
    QTest::newRow("paintbrush 70 right: n = 2") << kPaintbrush << QPointF(100, 100) << QList<QPointF>{{170, 100}}
                                                << QList<QPoint>{{100, 100}, {100, 100}, {135, 100}, {170, 100}};
}

void TestStamps::dragSpacesStamps()
{
    QFETCH(int, tool);
    QFETCH(QPointF, press);
    QFETCH(QList<QPointF>, moves);
    QFETCH(QList<QPoint>, centres);
    const QSize size(300, 200);
    const ColourParts colour{30, 90, 160};
    StrokeEngine engine;
    WhitePage(engine, size, tool, colour);

    engine.P_MouseDown(float(press.x()), float(press.y()));
    for (const QPointF &move : moves)
        engine.P_MouseMove(float(move.x()), float(move.y()));
    QCOMPARE(QPointF(engine.CurrentX(), engine.CurrentY()), moves.last());
    engine.P_MouseUp(float(moves.last().x()), float(moves.last().y()));

    QCOMPARE(engine.CanvasImage(), Stamped(size, engine.BrushTexture().image(), centres, colour));
}

void TestStamps::repeatedStampsConverge()
{
    const QSize size(120, 100);
    const ColourParts colour{0, 0, 255};
    StrokeEngine engine;
    WhitePage(engine, size, kCrayon, colour);
    int darkestValue = 0;
    const QImage &texture = engine.BrushTexture().image();
    const QPoint darkest = QPoint(60 - texture.width() / 2, 50 - texture.height() / 2) +
                           DarkestTexel(texture, darkestValue);
    QCOMPARE(darkestValue, 114);

    QImage before = engine.CanvasImage();
    for (int stamp = 1; stamp <= 12; ++stamp) {
        engine.P_MouseDown(60, 50);
        engine.P_MouseUp(60, 50);
        const QImage &after = engine.CanvasImage();
        if (stamp == 1) // at most 1 - 114 / 255 of the colour gets through
            QCOMPARE(QColor(after.pixel(darkest)), QColor(114, 114, 255));
        // No pixel ever moves away from the stroke colour.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                QVERIFY(qRed(after.pixel(x, y)) <= qRed(before.pixel(x, y)));
                QVERIFY(qGreen(after.pixel(x, y)) <= qGreen(before.pixel(x, y)));
                QCOMPARE(qBlue(after.pixel(x, y)), 255);
            }
        before = after;
    }
    QCOMPARE(QColor(engine.CanvasImage().pixel(darkest)), QColor(0, 0, 255));
}

QTEST_GUILESS_MAIN(TestStamps)
#include "test_stamps.moc"
