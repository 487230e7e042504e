#include <QPainter>
#include <QtTest>

#include "image/pixel_image.h"

namespace {

// A 4 x 3 picture whose every pixel has its own colour: red = 10 x, green = 10 y, blue = 7.
QImage NumberedPicture()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, qRgb(10 * x, 10 * y, 7));
    return picture;
}

qint32 ValueAt(int x, int y)
{
    return 10 * x + 256 * (10 * y) + 65536 * 7;
}

} // namespace

class TestPixelImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void memoryIsTopDownBlueGreenRedUnused()
    {
        cNDib dib(NumberedPicture());
        QCOMPARE(dib.Width(), 4);
        QCOMPARE(dib.Height(), 3);
        QCOMPARE(dib.image().bytesPerLine(), 16); // no row padding
        const uchar *pixel = dib.image().constScanLine(2) + 3 * 4; // bottom-right
        QCOMPARE(pixel[0], uchar(7));
        QCOMPARE(pixel[1], uchar(20));
        QCOMPARE(pixel[2], uchar(30));
        QCOMPARE(dib.Get_Channel(3, 2, 0), quint8(7));
        QCOMPARE(dib.Get_Channel(3, 2, 1), quint8(20));
        QCOMPARE(dib.Get_Channel(3, 2, 2), quint8(30));
        QCOMPARE(dib.Get_Channel(3, 2, 4), quint8(0));
    }

    void pixelLongIsRedPlusGreenAndBlueShifted()
    {
        cNDib red(QImage(1, 1, QImage::Format_RGB32));
        red.Set_Pixel(0, 0, 255, 0, 0);
        QCOMPARE(red.Get_Pixel_Long(0, 0), 255);
        red.Set_Pixel(0, 0, 0, 0, 255);
        QCOMPARE(red.Get_Pixel_Long(0, 0), 16711680);
    }

    void readsClampToTheEdge_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("clampedX");
        QTest::addColumn<int>("clampedY");
        QTest::newRow("above left") << -5 << -5 << 0 << 0;
        QTest::newRow("right of top row") << 4 + 3 << 0 << 3 << 0;
        QTest::newRow("below") << 1 << 99 << 1 << 2;
        QTest::newRow("inside") << 2 << 1 << 2 << 1;
    }
    void readsClampToTheEdge()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, clampedX);
        QFETCH(int, clampedY);
        const cNDib dib(NumberedPicture());
        QCOMPARE(dib.Get_Pixel_Long(x, y), ValueAt(clampedX, clampedY));
        QCOMPARE(dib.Get_Channel(x, y, 2), quint8(10 * clampedX));
    }

    void writesAndPixelReadsOutsideAreSkipped()
    {
        cNDib dib(NumberedPicture());
        const QImage before = dib.image().copy();
        const QPoint outside[] = {{4, 0}, {0, 3}, {-1, 0}, {0, -1}, {1000, 1000}};
        for (const QPoint &p : outside) {
            dib.Set_Pixel(p.x(), p.y(), 1, 2, 3);
            quint8 r = 11, g = 12, b = 13;
            dib.Get_Pixel(p.x(), p.y(), r, g, b);
            QCOMPARE(r, quint8(11));
            QCOMPARE(g, quint8(12));
            QCOMPARE(b, quint8(13));
        }
        QCOMPARE(dib.image(), before);

        dib.Set_Pixel(3, 2, 1, 2, 3);
        quint8 r = 0, g = 0, b = 0;
        dib.Get_Pixel(3, 2, r, g, b);
        QCOMPARE(QList<int>({r, g, b}), QList<int>({1, 2, 3}));
    }

    void emptyImageIsHarmless()
    {
        cNDib dib;
        QVERIFY(!dib.Make_From_Picture(QImage()));
        QCOMPARE(dib.Width(), 0);
        QCOMPARE(dib.Get_Pixel_Long(0, 0), 0);
        QCOMPARE(dib.Get_Channel(5, 5, 1), quint8(0));
        dib.Set_Pixel(0, 0, 1, 1, 1);
        QImage surface(2, 2, QImage::Format_RGB32);
        QPainter painter(&surface);
        QCOMPARE(dib.Set_dib_Area(0, 0, 0, 0, 5, 5, painter), 0);
    }

    void copiesInAndOutUnchanged()
    {
        QImage single(1, 1, QImage::Format_RGB32);
        single.setPixel(0, 0, qRgb(1, 2, 3));
        const cNDib dib(single);
        QImage out;
        dib.Set_dib(out, true);
        QCOMPARE(out, single);

        // Other formats come in as 32-bit colour.
        QImage indexed = NumberedPicture().convertToFormat(QImage::Format_RGB888);
        QCOMPARE(cNDib(indexed).Get_Pixel_Long(3, 2), ValueAt(3, 2));
    }

    void copyingASameSizedPictureReusesTheBuffer()
    {
        cNDib dib(NumberedPicture());
        const uchar *buffer = dib.image().constBits();
        QImage other = NumberedPicture();
        other.setPixel(0, 0, qRgb(9, 9, 9));
        QVERIFY(dib.Make_From_Picture(other));
        QCOMPARE(dib.image().constBits(), buffer);
        QCOMPARE(dib.Get_Pixel_Long(0, 0), 9 + 256 * 9 + 65536 * 9);
        // The copy is the dib's own: changing it leaves the source alone.
        dib.Set_Pixel(1, 1, 0, 0, 0);
        QCOMPARE(other.pixel(1, 1), NumberedPicture().pixel(1, 1));
    }

    void setDibResizesOnlyWhenAsked()
    {
        const cNDib dib(NumberedPicture());
        QImage larger(6, 5, QImage::Format_RGB32);
        larger.fill(Qt::white);
        dib.Set_dib(larger);
        QCOMPARE(larger.size(), QSize(6, 5));
        QCOMPARE(ColourValueOf(larger.pixel(3, 2)), ValueAt(3, 2));
        QCOMPARE(larger.pixel(5, 4), qRgb(255, 255, 255));

        dib.Set_dib(larger, true);
        QCOMPARE(larger.size(), QSize(4, 3));
    }

    void areaDrawingCopiesOnlyTheRectangle()
    {
        const cNDib dib(NumberedPicture());
        QImage surface(10, 10, QImage::Format_RGB32);
        surface.fill(Qt::white);
        {
            QPainter painter(&surface);
            QCOMPARE(dib.Set_dib_Area(5, 6, 1, 1, 2, 2, painter), 2);
            // A rectangle hanging over the image's edge draws the part inside it.
            QCOMPARE(dib.Set_dib_Area(0, 0, 2, 2, 5, 5, painter), 1);
        }
        QCOMPARE(ColourValueOf(surface.pixel(5, 6)), ValueAt(1, 1));
        QCOMPARE(ColourValueOf(surface.pixel(6, 7)), ValueAt(2, 2));
        QCOMPARE(surface.pixel(7, 6), qRgb(255, 255, 255));
        QCOMPARE(ColourValueOf(surface.pixel(1, 0)), ValueAt(3, 2));
        QCOMPARE(surface.pixel(2, 0), qRgb(255, 255, 255));
    }

    void rasterOperationsCombineWithTheSurface()
    {
        QImage picture(1, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(0x0F, 0xF0, 0x33));
        const cNDib dib(picture);
        const struct {
            RasterOperation operation;
            QRgb expected;
        } cases[] = {{RasterOperation::SrcCopy, qRgb(0x0F, 0xF0, 0x33)},
                     {RasterOperation::SrcAnd, qRgb(0x0C, 0x30, 0x22)},
                     {RasterOperation::SrcPaint, qRgb(0x3F, 0xFC, 0xBB)}};
        for (const auto &c : cases) {
            QImage surface(1, 1, QImage::Format_RGB32);
            surface.fill(qRgb(0x3C, 0x3C, 0xAA));
            QPainter painter(&surface);
            dib.Bit_Blt_Dib(0, 0, painter, c.operation);
            painter.end();
            QCOMPARE(surface.pixel(0, 0), c.expected);
        }
    }

    void fitKeepsTheAspectRatioAndCentres()
    {
        QImage wide(40, 20, QImage::Format_RGB32);
        wide.fill(Qt::black);
        const cNDib dib(wide);
        QImage box(100, 100, QImage::Format_RGB32);
        box.fill(Qt::white);
        QPainter painter(&box);
        dib.Set_dib_Fit(painter, 0, 0, 100, 100);
        painter.end();
        // 40 x 20 scaled by 2.5 is 100 x 50, centred from y = 25 to 74.
        QCOMPARE(box.pixel(50, 24), qRgb(255, 255, 255));
        QCOMPARE(box.pixel(50, 30), qRgb(0, 0, 0));
        QCOMPARE(box.pixel(0, 50), qRgb(0, 0, 0));
        QCOMPARE(box.pixel(50, 70), qRgb(0, 0, 0));
        QCOMPARE(box.pixel(50, 76), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestPixelImage)
#include "test_pixel_image.moc"
