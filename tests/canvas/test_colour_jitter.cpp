#include <QtTest>

#include <deque>

#include "canvas/stroke_engine.h"
#include "tests/support/stroke_fixtures.h"

namespace {

// Hands out the given numbers in turn.
RandomSource Sequence(std::deque<double> numbers)
{
    return [numbers]() mutable {
        const double next = numbers.front();
        numbers.pop_front();
        return next;
    };
}

constexpr double kHighest = 0.999999; // as close to 1 as the variation can tell

} // namespace

class TestColourJitter : public QObject {
    Q_OBJECT

private slots:
    void coloursAreBytes();
    void segmentColour_data();
    void segmentColour();
    void ranges_data();
    void ranges();
    void oneColourPerDragEvent_data();
    void oneColourPerDragEvent();
    void strokesUseTheVariedColour_data();
    void strokesUseTheVariedColour();
};

void TestColourJitter::coloursAreBytes()
{
    QCOMPARE(SplitColour(0x123456), (ColourParts{0x56, 0x34, 0x12}));
    QCOMPARE(RGBColour(0x56, 0x34, 0x12), 0x123456);
    QCOMPARE(RGBColour(300, -4, 256), 0xFF00FF);
    StrokeEngine engine;
    engine.SetCurrentColour({300, -5, 128});
    QCOMPARE(engine.CurrentColour(), (ColourParts{255, 0, 128}));
    engine.SetColourJitter(-3);
    QCOMPARE(engine.ColourJitter(), 0);
}

void TestColourJitter::segmentColour_data()
{
    QTest::addColumn<int>("jitter");
    QTest::addColumn<QList<double>>("numbers"); // red, green, blue
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    // Always the colour (5, 250, 128).
    QTest::newRow("normal, lowest") << 10 << QList<double>{0, 0, 0} << 0 << 240 << 118;
    QTest::newRow("normal, highest") << 10 << QList<double>{kHighest, kHighest, kHighest} << 14 << 255 << 137;
    QTest::newRow("normal, middle") << 10 << QList<double>{0.5, 0.5, 0.5} << 5 << 250 << 128;
    QTest::newRow("normal, red green blue in turn") << 10 << QList<double>{0, 0.5, kHighest} << 0 << 250 << 137;
    QTest::newRow("crazy, lowest") << 120 << QList<double>{0, 0, 0} << 0 << 130 << 8;
    QTest::newRow("crazy, highest") << 120 << QList<double>{kHighest, kHighest, kHighest} << 124 << 255 << 247;
    QTest::newRow("crazy, red green blue in turn") << 120 << QList<double>{kHighest, 0, 0.5} << 124 << 130 << 128;
    QTest::newRow("a source past its range is held in it") << 10 << QList<double>{-3, 7, 1.0} << 0 << 255 << 137;
}

void TestColourJitter::segmentColour()
{
    QFETCH(int, jitter);
    QFETCH(QList<double>, numbers);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const qint32 colour = JitteredColour({5, 250, 128}, jitter, Sequence({numbers.begin(), numbers.end()}));
    QCOMPARE(SplitColour(colour), (ColourParts{red, green, blue}));
}

void TestColourJitter::ranges_data()
{
    QTest::addColumn<int>("jitter");
    QTest::addColumn<ColourParts>("lowest");
    QTest::addColumn<ColourParts>("highest");
    QTest::newRow("normal") << 10 << ColourParts{0, 240, 118} << ColourParts{14, 255, 137};
    QTest::newRow("crazy") << 120 << ColourParts{0, 130, 8} << ColourParts{124, 255, 247};
}

void TestColourJitter::ranges()
{
    QFETCH(int, jitter);
    QFETCH(ColourParts, lowest);
    QFETCH(ColourParts, highest);
    ColourParts low{255, 255, 255};
    ColourParts high{0, 0, 0};
    for (int step = 0; step < 4000; ++step) {
        const ColourParts parts = SplitColour(JitteredColour({5, 250, 128}, jitter, Fixed(step / 4000.0)));
        low = {std::min(low.red, parts.red), std::min(low.green, parts.green), std::min(low.blue, parts.blue)};
        high = {std::max(high.red, parts.red), std::max(high.green, parts.green), std::max(high.blue, parts.blue)};
    }
    QCOMPARE(low, lowest);
    QCOMPARE(high, highest);
}

void TestColourJitter::oneColourPerDragEvent_data()
{
    QTest::addColumn<int>("tool");
    QTest::newRow("crayon") << kCrayon;
    QTest::newRow("paintbrush") << kPaintbrush;
    QTest::newRow("pencil") << kPencil;
}

void TestColourJitter::oneColourPerDragEvent()
{
    QFETCH(int, tool);
    StrokeEngine engine;
    QVERIFY(engine.LoadPicture(LineArt(QSize(300, 200))));
    QVERIFY(engine.SetTool(tool));
    auto calls = std::make_shared<int>(0);
    engine.SetRandomSource(Counted(0.25, calls));
    engine.P_MouseDown(20, 20); // the press draws once
    QCOMPARE(*calls, 3);
    engine.P_MouseMove(250, 150); // many stamps, one colour
    QCOMPARE(*calls, 6);
    engine.P_MouseUp(250, 150);
    QCOMPARE(*calls, 6);
}

void TestColourJitter::strokesUseTheVariedColour_data()
{
    QTest::addColumn<int>("jitter");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("darkest"); // the part under the darkest texel, from white
    // 255 x 114/255 + part x 141/255, rounded.
    QTest::newRow("normal, lowest: 90") << 10 << 0.0 << 164;
    QTest::newRow("normal, highest: 109") << 10 << kHighest << 174;
    QTest::newRow("crazy, lowest: 0") << 120 << 0.0 << 114;
    QTest::newRow("crazy, highest: 219") << 120 << kHighest << 235;
}

void TestColourJitter::strokesUseTheVariedColour()
{
    QFETCH(int, jitter);
    QFETCH(double, number);
    QFETCH(int, darkest);
    StrokeEngine engine;
    QVERIFY(engine.LoadPicture(LineArt(QSize(100, 100))));
    engine.SetCurrentColour({100, 100, 100});
    engine.SetColourJitter(jitter);
    QCOMPARE(engine.ColourJitter(), jitter);
    engine.SetRandomSource(Fixed(number));
    engine.P_MouseDown(50, 50);
    engine.P_MouseUp(50, 50);
    int lowest = 255;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            lowest = std::min(lowest, qRed(engine.CanvasImage().pixel(x, y)));
    QCOMPARE(lowest, darkest);
}

QTEST_GUILESS_MAIN(TestColourJitter)
#include "test_colour_jitter.moc"
