#include <QtTest>

#include "canvas/colour_frame.h"

namespace {

// A 200 x 160 frame round a canvas at (40, 30), 100 x 80, in a colour with
// parts whose shades fall on halves: 200, 105, 55.
const QSize kFrame(200, 160);
const QRect kCanvas(40, 30, 100, 80);
constexpr qint32 kColour = 200 | (105 << 8) | (55 << 16);

QImage Frame()
{
    return ColourFrame::Render(kFrame, kCanvas, true, kColour);
}

} // namespace

class TestColourFrame : public QObject {
    Q_OBJECT

private slots:
    void bandFadesFromBlackAtTheCanvasEdge_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("expected");
        // Left side: column 40 - d; right side: column 140 + d; top: row 30 - d; bottom: row 110 + d.
        QTest::newRow("left, at the edge") << QPoint(40, 70) << QColor(0, 0, 0);
        QTest::newRow("left, 1 out") << QPoint(39, 70) << QColor(20, 10, 6);
        QTest::newRow("left, 5 out (halves to even)") << QPoint(35, 70) << QColor(100, 52, 28);
        QTest::newRow("left, 10 out") << QPoint(30, 70) << QColor(200, 105, 55);
        QTest::newRow("right, at the edge") << QPoint(140, 70) << QColor(0, 0, 0);
        QTest::newRow("right, 3 out") << QPoint(143, 70) << QColor(60, 32, 16);
        QTest::newRow("top, 7 out") << QPoint(90, 23) << QColor(140, 74, 38);
        QTest::newRow("bottom, 4 out") << QPoint(90, 114) << QColor(80, 42, 22);
        QTest::newRow("beyond the band") << QPoint(25, 70) << QColor(200, 105, 55);
        QTest::newRow("band's first row beside the corner") << QPoint(35, 32) << QColor(100, 52, 28);
    }
    void bandFadesFromBlackAtTheCanvasEdge()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, expected);
        QCOMPARE(Frame().pixelColor(pixel), expected);
    }

    // Corners turn round (42, 32): 5 and 5 out from there is 7.07 away, 5.07 out from the band's start.
    void cornersAreRounded()
    {
        const QImage frame = Frame();
        QCOMPARE(frame.pixelColor(37, 27), QColor(ColourFrame::BandShade(kColour, std::sqrt(50.0) - 2)));
        QCOMPARE(frame.pixelColor(37, 27), QColor(101, 53, 28));
        // The square corner 10 out both ways is past the rounded band.
        QCOMPARE(frame.pixelColor(30, 20), QColor(200, 105, 55));
        QCOMPARE(frame.pixelColor(150, 120), QColor(200, 105, 55));
        // The same distance at each corner gives the same shade.
        const QColor shade = frame.pixelColor(37, 27);
        QCOMPARE(frame.pixelColor(143, 27), shade); // right: corner point x = 138
        QCOMPARE(frame.pixelColor(37, 113), shade); // bottom: corner point y = 108
        QCOMPARE(frame.pixelColor(143, 113), shade);
    }

    void topGradientRunsFromBlackToTheColour()
    {
        const QImage frame = Frame();
        QCOMPARE(frame.pixelColor(0, 0), QColor(0, 0, 0));
        QCOMPARE(frame.pixelColor(199, 0), QColor(0, 0, 0));
        QCOMPARE(frame.pixelColor(100, 5), QColor(100, 52, 28));
        QCOMPARE(frame.pixelColor(100, 9), QColor(180, 94, 50));
        QCOMPARE(frame.pixelColor(100, 10), QColor(200, 105, 55));
        for (int y = 1; y < ColourFrame::kGradientHeight; ++y)
            QVERIFY(frame.pixelColor(0, y).red() > frame.pixelColor(0, y - 1).red());
    }

    void noBandWithoutAVisibleCanvas()
    {
        const QImage frame = ColourFrame::Render(kFrame, kCanvas, false, kColour);
        QCOMPARE(frame.pixelColor(39, 70), QColor(200, 105, 55));
        QCOMPARE(frame.pixelColor(0, 0), QColor(0, 0, 0)); // the gradient stays
    }

    void aCanvasAtTheFrameEdgeIsCutOff()
    {
        const QImage frame = ColourFrame::Render(QSize(50, 40), QRect(2, 2, 60, 60), true, kColour);
        QCOMPARE(frame.size(), QSize(50, 40));
        QCOMPARE(frame.pixelColor(0, 20), QColor(40, 21, 11)); // 2 out on the left
    }

    void anEmptyFrameIsNothing() { QVERIFY(ColourFrame::Render(QSize(0, 10), kCanvas, true, kColour).isNull()); }
};

QTEST_GUILESS_MAIN(TestColourFrame)
#include "test_colour_frame.moc"
