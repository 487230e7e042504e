#include <QRandomGenerator>
#include <QtTest>

#include <deque>

#include "canvas/flood_fill.h"
#include "canvas/region_mask.h"

namespace {

// Fixtures are drawn as text: '.' white, '#' black, 'o' off-white, 'g' grey,
// and in expectations 'R' for the flooded red.
const QRgb kOffWhite = qRgb(254, 254, 254);
const QRgb kGrey = qRgb(128, 128, 128);

QImage Picture(const QStringList &rows)
{
    QImage picture(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const char c = rows[y][x].toLatin1();
            picture.setPixel(x, y, c == '#'   ? qRgb(0, 0, 0)
                                   : c == 'o' ? kOffWhite
                                   : c == 'g' ? kGrey
                                   : c == 'R' ? qRgb(255, 0, 0)
                                              : qRgb(255, 255, 255));
        }
    return picture;
}

QStringList Drawing(const QImage &picture)
{
    QStringList rows;
    for (int y = 0; y < picture.height(); ++y) {
        QString row;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            row += p == qRgb(0, 0, 0) ? '#' : p == kOffWhite ? 'o' : p == kGrey ? 'g' : p == qRgb(255, 0, 0) ? 'R'
                   : p == qRgb(255, 255, 255)                               ? '.'
                                                                            : '?';
        }
        rows << row;
    }
    return rows;
}

// Three areas: left room, right room (with a pocket reached only around a
// bend), and an island inside the right room touching it only diagonally.
const QStringList kRooms = {
    "....#.......",
    "....#.####..",
    "....#.#..#..",
    "#####.#..#..",
    "......####..",
    "#.#.........",
    ".#.#.#####.#",
};

// A plain breadth-first fill, slow but obviously right, to check the scanline fill against.
qint64 ReferenceFill(QImage &picture, QPoint start)
{
    if (!picture.rect().contains(start) || picture.pixel(start) != qRgb(255, 255, 255))
        return 0;
    qint64 count = 0;
    std::deque<QPoint> queue{start};
    picture.setPixel(start, qRgb(255, 0, 0));
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        ++count;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + step;
            if (picture.rect().contains(n) && picture.pixel(n) == qRgb(255, 255, 255)) {
                picture.setPixel(n, qRgb(255, 0, 0));
                queue.push_back(n);
            }
        }
    }
    return count;
}

} // namespace

class TestRegionMask : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void floodsOnlyThePressedAreaBoundedByLinesAndBorder()
    {
        const QImage lineArt = Picture(kRooms);
        cNDib mask;
        const RegionMaskResult left = BuildRegionMask(lineArt, QPointF(1, 1), mask);
        QCOMPARE(left.workOnColour, kMaskFlooded);
        QCOMPARE(Drawing(mask.image()), QStringList({
                                            "RRRR#.......",
                                            "RRRR#.####..",
                                            "RRRR#.#..#..",
                                            "#####.#..#..",
                                            "......####..",
                                            "#.#.........",
                                            ".#.#.#####.#",
                                        }));
        QCOMPARE(left.flood.bounds, QRect(0, 0, 4, 3));
        QCOMPARE(left.flood.pixelCount, 12);

        // The next press starts again from the bare line art.
        const RegionMaskResult right = BuildRegionMask(lineArt, QPointF(11, 0), mask);
        QCOMPARE(right.workOnColour, kMaskFlooded);
        QCOMPARE(Drawing(mask.image()), QStringList({
                                            "....#RRRRRRR",
                                            "....#R####RR",
                                            "....#R#..#RR",
                                            "#####R#..#RR",
                                            "RRRRRR####RR",
                                            "#R#RRRRRRRRR",
                                            ".#.#R#####R#",
                                        }));
        QCOMPARE(Drawing(lineArt), kRooms); // the line art itself stays bare

        // Pressing the same area again gives the same mask.
        const QImage first = mask.image().copy();
        BuildRegionMask(lineArt, QPointF(6, 5), mask);
        QCOMPARE(mask.image(), first);
    }

    void pressesThatFloodNothing_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<qint32>("workOnColour");
        QTest::newRow("on a black line") << kRooms << QPointF(4, 1) << kMaskOutline;
        QTest::newRow("on grey") << QStringList{"..g.."} << QPointF(2, 0) << qint32(0x808080);
        QTest::newRow("off-white background") << QStringList{"ooo", "o#o", "ooo"} << QPointF(0, 0) << qint32(0xFEFEFE);
        // The edge is a valid press: it lies outside the bitmap, floods nothing and reads the last column.
        QTest::newRow("right edge") << QStringList{"..#", "..."} << QPointF(3, 0) << kMaskOutline;
        QTest::newRow("bottom edge") << QStringList{"..#", "..."} << QPointF(0, 2) << kMaskOtherWhite;
    }
    void pressesThatFloodNothing()
    {
        QFETCH(QStringList, rows);
        QFETCH(QPointF, press);
        QFETCH(qint32, workOnColour);
        cNDib mask;
        const RegionMaskResult result = BuildRegionMask(Picture(rows), press, mask);
        QVERIFY(!result.flood.filled);
        QCOMPARE(result.workOnColour, workOnColour);
        QCOMPARE(Drawing(mask.image()), rows);
    }

    void pressIsRoundedHalvesToEven()
    {
        // x 2.5 rounds to 2 (white, left of the line); 3.5 would round to 4 (the line).
        const QStringList rows{"...#.."};
        cNDib mask;
        QCOMPARE(BuildRegionMask(Picture(rows), QPointF(2.5, 0.5), mask).workOnColour, kMaskFlooded);
        QCOMPARE(Drawing(mask.image()), QStringList{"RRR#.."});
        QCOMPARE(BuildRegionMask(Picture(rows), QPointF(3.5, 0), mask).workOnColour, kMaskFlooded);
        QCOMPARE(Drawing(mask.image()), QStringList{"...#RR"});
        QCOMPARE(BuildRegionMask(Picture(rows), QPointF(2.6, 0), mask).workOnColour, kMaskOutline);
    }

    void agreesWithAPlainFillOnRandomLineArt()
    {
        QRandomGenerator random(20261210);
        for (int round = 0; round < 60; ++round) {
            const int width = 1 + random.bounded(40), height = 1 + random.bounded(30);
            const int density = random.bounded(70);
            QImage picture(width, height, QImage::Format_RGB32);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    picture.setPixel(x, y, random.bounded(100) < density ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            for (int press = 0; press < 5; ++press) {
                const QPoint start(random.bounded(width), random.bounded(height));
                QImage ours = picture.copy(), reference = picture.copy();
                const FloodFillResult result = FloodFillWhite(ours, start);
                const qint64 count = ReferenceFill(reference, start);
                QCOMPARE(ours, reference);
                QCOMPARE(result.pixelCount, count);
                QCOMPARE(result.filled, count > 0);
            }
        }
    }

    // The mask kept from press to press must be, after every press, the mask a
    // fresh build gives: presses in new areas, in the area flooded last time, on
    // lines and on the edge, and a change of line art between them.
    void keptMaskAgreesWithAFreshOne()
    {
        QRandomGenerator random(20261211);
        PressRegionMask kept;
        QImage picture;
        for (int round = 0; round < 40; ++round) {
            if (round % 8 == 0) {
                const int width = 2 + random.bounded(30), height = 2 + random.bounded(20);
                picture = QImage(width, height, QImage::Format_RGB32);
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        picture.setPixel(x, y, random.bounded(100) < 35 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
                if (round == 16)
                    kept.Reset(picture);
            } else if (round % 8 == 4) {
                picture.setPixel(random.bounded(picture.width()), random.bounded(picture.height()), qRgb(0, 0, 0));
            }
            for (int press = 0; press < 6; ++press) {
                const QPointF at(random.bounded(picture.width() + 1), random.bounded(picture.height() + 1));
                cNDib fresh;
                const RegionMaskResult expected = BuildRegionMask(picture, at, fresh);
                const RegionMaskResult result = kept.Build(picture, at);
                QCOMPARE(kept.Pixels().image(), fresh.image());
                QCOMPARE(result.workOnColour, expected.workOnColour);
                QCOMPARE(result.flood.bounds, expected.flood.bounds);
                // Again at the same point: the flood is kept, and still right.
                QCOMPARE(kept.Build(picture, at).workOnColour, expected.workOnColour);
                QCOMPARE(kept.Pixels().image(), fresh.image());
            }
        }
    }

    void fillsAHugeSingleAreaWithoutRecursion()
    {
        QImage picture(6000, 6000, QImage::Format_RGB32);
        picture.fill(qRgb(255, 255, 255));
        const FloodFillResult result = FloodFillWhite(picture, QPoint(3000, 3000));
        QCOMPARE(result.pixelCount, qint64(6000) * 6000);
        QCOMPARE(result.bounds, picture.rect());
        QCOMPARE(picture.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(picture.pixel(5999, 5999), qRgb(255, 0, 0));
    }

    void otherFormatsAreLeftAlone()
    {
        QImage picture(3, 3, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        QVERIFY(!FloodFillWhite(picture, QPoint(1, 1)).filled);
        QCOMPARE(picture.pixel(1, 1), qRgb(255, 255, 255));
    }
};

QTEST_GUILESS_MAIN(TestRegionMask)
#include "test_region_mask.moc"
