// Where the arrows, the ball and a glide take the browser's sheet.
#include <QtTest>

#include "library/sheet_scroll.h"

namespace {

// A 400-pixel viewport over a 1400-pixel sheet; arrows 44 high, a 40-pixel ball.
SheetScroll Scroll(int top = 0)
{
    SheetScroll scroll;
    scroll.SetSizes(400, 1400);
    scroll.SetTop(top);
    return scroll;
}

constexpr ScrollColumn kColumn{44, 356, 40};

} // namespace

class TestSheetScroll : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void arrowTargets_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("target");
        QTest::newRow("up at the top") << 0 << 0 << 0;
        QTest::newRow("up stops at 0") << 0 << -100 << 0;
        QTest::newRow("up a full step") << 0 << -500 << -340;
        QTest::newRow("down a full step") << 1 << 0 << -160;
        QTest::newRow("down stops at the bottom") << 1 << -900 << -1000;
        QTest::newRow("down at the bottom") << 1 << -1000 << -1000;
    }
    void arrowTargets()
    {
        QFETCH(int, k);
        QFETCH(int, from);
        QFETCH(int, target);
        QCOMPARE(Scroll().Lowest(), -1000);
        QCOMPARE(Scroll().ArrowTarget(k, from), target);
    }

    void aSheetThatFitsNeverMoves()
    {
        SheetScroll scroll;
        scroll.SetSizes(400, 400);
        QVERIFY(!scroll.CanScroll());
        scroll.SetTop(-50);
        QCOMPARE(scroll.Top(), 0);
        QCOMPARE(scroll.ArrowTarget(1, 0), 0);
    }

    void theBallFollowsTheSheet()
    {
        QCOMPARE(Scroll(0).BallTop(kColumn), 44);              // right below the upper arrow
        QCOMPARE(Scroll(-1000).BallTop(kColumn), 356 - 40);    // right above the lower arrow
        QCOMPARE(Scroll(-500).BallTop(kColumn), 44 + 136);     // half way along its 272-pixel track
    }

    void draggingTheBallMovesTheSheet()
    {
        const SheetScroll scroll = Scroll();
        int kept = 0;
        QCOMPARE(scroll.TopForBall(kColumn, 44 + 136, &kept), -500);
        QCOMPARE(kept, 180);
        QCOMPARE(scroll.TopForBall(kColumn, 10, &kept), 0); // held below the upper arrow
        QCOMPARE(kept, 44);
        QCOMPARE(scroll.TopForBall(kColumn, 900, &kept), -1000); // and above the lower one
        QCOMPARE(kept, 316);
    }

    void aGlidePassesEveryPositionAtAQuarterSecondAStep()
    {
        ScrollGlide glide(-100, 0);
        QCOMPARE(glide.StepsDueAt(0), 0);
        QCOMPARE(glide.StepsDueAt(ScrollGlide::kFullStepMs / 2), 80);
        QList<int> positions;
        for (int due = glide.StepsDueAt(10 * ScrollGlide::kFullStepMs); due > 0; --due)
            positions << glide.Step();
        QCOMPARE(positions.size(), 100); // never more steps than the distance
        for (int i = 0; i < 100; ++i)
            QCOMPARE(positions[i], -99 + i);
        QVERIFY(glide.Done());
        QCOMPARE(glide.StepsDueAt(100000), 0);
    }
};

QTEST_APPLESS_MAIN(TestSheetScroll)
#include "test_sheet_scroll.moc"
