#include <QtTest>

#include "canvas/corner_watch.h"

class TestCornerWatch : public QObject {
    Q_OBJECT

private slots:
    void theCorner_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("inCorner");
        // Buttons' row 300 wide, first button 60 high.
        QTest::newRow("top left") << QPoint(0, 0) << true;
        QTest::newRow("on the right edge") << QPoint(300, 10) << true;
        QTest::newRow("on the bottom edge") << QPoint(10, 60) << true;
        QTest::newRow("right of the row") << QPoint(301, 10) << false;
        QTest::newRow("below the buttons") << QPoint(10, 61) << false;
    }
    void theCorner()
    {
        QFETCH(QPoint, pointer);
        QFETCH(bool, inCorner);
        QCOMPARE(CornerWatch::InCorner(pointer, 300, 60), inCorner);
    }

    // 23 checks a tick: 65 ticks count 1495, the 66th reaches 1500 at its fifth check.
    void restingShowsTheButtonsAfterTheFullCount()
    {
        CornerWatch watch;
        bool visible = false;
        for (int tick = 0; tick < 65; ++tick)
            visible = watch.Tick(true, visible);
        QVERIFY(!visible);
        QCOMPARE(watch.Counter(), 1495);
        visible = watch.Tick(true, visible);
        QVERIFY(visible);
        QCOMPARE(watch.Counter(), 18); // counting on from 0 after the fifth check
        visible = watch.Tick(true, visible);
        QVERIFY(visible); // staying keeps them
    }

    void leavingHidesAtOnceAndStartsTheCountAgain()
    {
        CornerWatch watch;
        bool visible = true;
        for (int tick = 0; tick < 40; ++tick)
            visible = watch.Tick(true, visible);
        QVERIFY(visible);
        visible = watch.Tick(false, visible);
        QVERIFY(!visible);
        QCOMPARE(watch.Counter(), 0);

        // Back in the corner: a rest interrupted by leaving starts from nothing.
        for (int tick = 0; tick < 50; ++tick)
            visible = watch.Tick(true, visible);
        visible = watch.Tick(false, visible);
        for (int tick = 0; tick < 65; ++tick)
            visible = watch.Tick(true, visible);
        QVERIFY(!visible);
        QVERIFY(watch.Tick(true, visible));
    }

    void oneCheckAtATime()
    {
        CornerWatch watch;
        for (int check = 1; check < CornerWatch::kRestCount; ++check)
            QVERIFY(!watch.Check(true, false));
        QVERIFY(watch.Check(true, false));
        QCOMPARE(watch.Counter(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCornerWatch)
#include "test_corner_watch.moc"
