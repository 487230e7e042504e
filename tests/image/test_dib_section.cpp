#include <QtTest>

#include "image/dib_section.h"

class TestDibSection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsArePaddedToFourBytes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("stride");
        QTest::newRow("1") << 1 << 4;
        QTest::newRow("3") << 3 << 12;
        QTest::newRow("4") << 4 << 12;
        QTest::newRow("5") << 5 << 16;
        QTest::newRow("1024") << 1024 << 3072;
    }
    void rowsArePaddedToFourBytes()
    {
        QFETCH(int, width);
        QFETCH(int, stride);
        cDIBSection dib;
        QVERIFY(dib.Create(width, 2));
        QCOMPARE(dib.BytesPerScanLine(), stride);
        QCOMPARE(dib.Width(), width);
        QCOMPARE(dib.Height(), 2);
    }

    void memoryStartsWithTheBottomLeftPixelBlueGreenRed()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(qRgb(200, 200, 200));
        picture.setPixel(0, 1, qRgb(11, 22, 33)); // bottom left
        picture.setPixel(2, 0, qRgb(44, 55, 66)); // top right
        cDIBSection dib;
        dib.CreateFromPicture(picture);
        const std::uint8_t *bits = dib.DIBSectionBitsPtr();
        QVERIFY(bits);
        QCOMPARE(QList<int>({bits[0], bits[1], bits[2]}), QList<int>({33, 22, 11}));
        QCOMPARE(bits[9], std::uint8_t(0)); // padding after three pixels
        const std::uint8_t *topRight = bits + dib.BytesPerScanLine() + 2 * 3;
        QCOMPARE(QList<int>({topRight[0], topRight[1], topRight[2]}), QList<int>({66, 55, 44}));
    }

    void anyPictureFormatIsTakenIn()
    {
        QImage picture(2, 1, QImage::Format_Indexed8);
        picture.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
        picture.setPixel(0, 0, 1);
        picture.setPixel(1, 0, 0);
        cDIBSection dib;
        dib.CreateFromPicture(picture);
        const std::uint8_t *bits = dib.DIBSectionBitsPtr();
        QCOMPARE(QList<int>({bits[0], bits[1], bits[2], bits[3]}), QList<int>({6, 5, 4, 3}));
    }

    void emptyAndImpossibleSizesLeaveTheImageEmpty()
    {
        cDIBSection dib;
        dib.ClearUp(); // never created: harmless
        QVERIFY(dib.IsEmpty());
        QVERIFY(dib.Create(4, 4));
        dib.CreateFromPicture(QImage());
        QVERIFY(dib.IsEmpty());
        QCOMPARE(dib.Width(), 0);
        QCOMPARE(dib.BytesPerScanLine(), 0);
        QVERIFY(!dib.DIBSectionBitsPtr());
        QVERIFY(!dib.Create(0, 10));
        QVERIFY(!dib.Create(10, -1));
        QVERIFY(!dib.Create(1 << 30, 1 << 30));
        QVERIFY(dib.IsEmpty());
        dib.ClearUp();
        dib.ClearUp();
        QVERIFY(dib.IsEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDibSection)
#include "test_dib_section.moc"
