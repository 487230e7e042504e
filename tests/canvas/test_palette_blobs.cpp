#include <QtTest>

#include <cmath>

#include "canvas/palette_blobs.h"
#include "tests/support/palette_test_support.h"

namespace {

const QColor kBackground(0xDD, 0xF1, 0xFF);

// Three bubbles in a 100 x 200 box, the last one the picker's.
struct Swarm {
    FixedNumbers random;
    PaletteBlobs blobs{random.Source()};

    explicit Swarm(std::initializer_list<double> numbers = {})
    {
        random.Add(numbers);
        blobs.Build({Disc({20, 20}, Qt::red), Disc({40, 30}, Qt::green), Disc({10, 10}, Qt::blue)}, QSize(100, 200), 4,
                    2);
    }
    void Place(int i, float x, float y)
    {
        blobs.Blob(i).X = x;
        blobs.Blob(i).Y = y;
    }
};

} // namespace

class TestPaletteBlobs : public QObject {
    Q_OBJECT

private slots:
    void buildPlacesEveryBubbleBelowTheBox()
    {
        // Per bubble: Y, X, rising speed, phase.
        Swarm swarm({0.5, 0.25, 0.5, 0.5, 0.0, 0.0, 0.0, 0.0, 0.999, 1.0 - 1e-9, 0.999, 0.25});
        const PaletteBlob &first = swarm.blobs.Blob(0);
        QCOMPARE(first.Radius, 10.0f);
        QCOMPARE(first.Y, 220.0f); // 0.5 x 20 + 200 + 10
        QCOMPARE(first.X, 30.0f);  // 0.25 x (100 - 20) + 10
        QCOMPARE(first.DriftY, -0.25f);
        QVERIFY(std::fabs(first.Phase - 3.14f) < 1e-5);
        QCOMPARE(first.Colour, ValueOf(Qt::red));

        const PaletteBlob &second = swarm.blobs.Blob(1);
        QCOMPARE(second.Radius, 20.0f);
        QCOMPARE(second.Y, 220.0f); // just below: 0 + 200 + 20
        QCOMPARE(second.X, 20.0f);  // hard against the left
        QCOMPARE(second.DriftY, -0.125f);
        QCOMPARE(second.Colour, ValueOf(Qt::green));

        const PaletteBlob &picker = swarm.blobs.Blob(2);
        QVERIFY(std::fabs(picker.X - 95.0f) < 1e-3); // hard against the right
        QVERIFY(std::fabs(picker.DriftY - (-1.499f / 4)) < 1e-6);
        QCOMPARE(picker.Colour, kPickerColour);
        QVERIFY(swarm.random.numbers->isEmpty());
    }

    void masksAreWhiteWhereTheSpriteIsBlack()
    {
        Swarm swarm;
        const cNDib &mask = swarm.blobs.Mask(1);
        QCOMPARE(mask.Width(), 40);
        QCOMPARE(mask.Get_Pixel_Long(0, 0), 0xFFFFFF);
        QCOMPARE(mask.Get_Pixel_Long(20, 15), 0);
    }

    void aTickWobblesAndRises_data()
    {
        QTest::addColumn<float>("phase");
        QTest::addColumn<float>("expectedPhase");
        QTest::newRow("on its way") << 1.0f << 1.1f;
        QTest::newRow("past a full turn starts again") << 6.2f << 0.0f;
        QTest::newRow("just short of a turn goes on") << 6.1f << 6.2f;
    }
    void aTickWobblesAndRises()
    {
        QFETCH(float, phase);
        QFETCH(float, expectedPhase);
        Swarm swarm;
        PaletteBlob &blob = swarm.blobs.Blob(0);
        blob.Phase = phase;
        blob.DriftY = -0.5f;
        swarm.Place(0, 50, 100);
        QVERIFY(!swarm.blobs.Move(0));
        QVERIFY(std::fabs(blob.Phase - expectedPhase) < 1e-5);
        QVERIFY(std::fabs(blob.DriftX - std::sin(expectedPhase) * 0.2f) < 1e-6);
        QCOMPARE(blob.Y, 99.5f);
        QCOMPARE(blob.X, 50.0f + blob.DriftX);
    }

    void aBubbleThatLeftTheTopComesBackBelow()
    {
        Swarm swarm;
        swarm.Place(0, 50, -9.5f); // radius 10: one more step of -1 takes it out
        swarm.blobs.Blob(0).DriftY = -1;
        swarm.Place(1, 50, 100);
        swarm.Place(2, 50, 100);
        swarm.random.Add({0.5, 0.5, 0.5});

        QImage box(100, 200, QImage::Format_RGB32);
        QPainter dc(&box);
        QCOMPARE(swarm.blobs.Animate(dc), 1);
        const PaletteBlob &back = swarm.blobs.Blob(0);
        QCOMPARE(back.Y, 220.0f);
        QCOMPARE(back.X, 50.0f);
        QCOMPARE(back.DriftY, -0.25f);        // the divisor given at the build
        QVERIFY(swarm.blobs.Blob(1).Y < 100); // the others only rose
        swarm.blobs.SetRiseDivisor(2);
        swarm.random.Add({0, 0, 0.5});
        swarm.blobs.Respawn(1, swarm.blobs.RiseDivisor());
        QCOMPARE(swarm.blobs.Blob(1).DriftY, -0.5f);
    }

    void aDivisorOfNothingIsNotTaken()
    {
        Swarm swarm;
        swarm.random.Add({0, 0, 0.5});
        swarm.blobs.Respawn(0, 0);
        QVERIFY(std::isfinite(swarm.blobs.Blob(0).DriftY));
        QCOMPARE(swarm.blobs.Blob(0).DriftY, -1.0f / PaletteBlobs::kDefaultRiseDivisor);
    }

    void pickingFindsTheTopBubble_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("expected");
        // Bubble 0 (radius 10) at (50, 50), bubble 1 (radius 20) at (65, 50), bubble 2 (radius 5) at (52, 50).
        QTest::newRow("all three overlap: the top one") << QPointF(52, 51) << 2;
        QTest::newRow("0 and 1 overlap: the higher index") << QPointF(46, 50) << 1;
        QTest::newRow("only the bottom one") << QPointF(41, 50) << 0;
        QTest::newRow("exactly on the rim, 6 and 8 away") << QPointF(44, 42) << 0;
        QTest::newRow("exactly on the rim, straight out") << QPointF(40, 50) << 0;
        QTest::newRow("just past the rim") << QPointF(39.99, 50) << -1;
        QTest::newRow("nothing there") << QPointF(10, 150) << -1;
    }
    void pickingFindsTheTopBubble()
    {
        QFETCH(QPointF, at);
        QFETCH(int, expected);
        Swarm swarm;
        swarm.Place(0, 50, 50);
        swarm.Place(1, 65, 50);
        swarm.Place(2, 52, 50);
        QCOMPARE(swarm.blobs.Pick(at), expected);
    }

    void drawingShowsTheBubbleOverTheBoxClampedAtTheLeft()
    {
        Swarm swarm;
        swarm.Place(0, 4, 30); // its picture would start at x = -6
        QCOMPARE(swarm.blobs.DrawPosition(0), QPoint(0, 20));

        QImage box(100, 200, QImage::Format_RGB32);
        box.fill(kBackground);
        QPainter dc(&box);
        swarm.blobs.Draw(0, dc);
        dc.end();
        QCOMPARE(box.pixelColor(10, 30), QColor(Qt::red)); // the picture's centre, at 0 + 10
        QCOMPARE(box.pixelColor(0, 20), kBackground);      // its black corner is see-through
        QCOMPARE(box.pixelColor(25, 30), kBackground);

        swarm.blobs.Blob(0).Phase = 4.6f; // wobbling left
        swarm.blobs.Move(0);
        QVERIFY(swarm.blobs.Blob(0).X < 4); // the stored place keeps drifting
        QCOMPARE(swarm.blobs.DrawPosition(0).x(), 0);
    }

    void drawPositionsRoundHalvesToEven_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("left");
        QTest::newRow("12.5 down") << 22.5f << 12;
        QTest::newRow("13.5 up") << 23.5f << 14;
        QTest::newRow("12.6 up") << 22.6f << 13;
    }
    void drawPositionsRoundHalvesToEven()
    {
        QFETCH(float, x);
        QFETCH(int, left);
        Swarm swarm;
        swarm.Place(0, x, x);
        QCOMPARE(swarm.blobs.DrawPosition(0), QPoint(left, left));
    }

    void aMissingPictureIsNeverPicked()
    {
        PaletteBlobs blobs([] { return 0.5; });
        blobs.Build({QImage(), Disc({20, 20}, Qt::red)}, QSize(100, 100), 4);
        blobs.Blob(0).X = 50;
        blobs.Blob(0).Y = 50;
        QCOMPARE(blobs.Pick(QPointF(50, 50)), -1);
        QImage box(100, 100, QImage::Format_RGB32);
        QPainter dc(&box);
        blobs.Animate(dc); // and drawing it is harmless
    }
};

QTEST_GUILESS_MAIN(TestPaletteBlobs)
#include "test_palette_blobs.moc"
