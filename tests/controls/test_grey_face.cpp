#include <QtTest>

#include "controls/grey_face.h"
#include "image/pixel_image.h"

class TestGreyFace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greyLevels_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("grey");
        QTest::newRow("black") << QColor(0, 0, 0) << 0;
        QTest::newRow("red") << QColor(255, 0, 0) << 65;
        QTest::newRow("green") << QColor(0, 255, 0) << 150;
        QTest::newRow("blue") << QColor(0, 0, 255) << 29;
        QTest::newRow("light grey") << QColor(200, 200, 200) << 191;
        QTest::newRow("near white") << QColor(255, 255, 254) << 244;
        QTest::newRow("white") << QColor(255, 255, 255) << 255; // kept, not 244
        QTest::newRow("half, to even below") << QColor(4, 40, 0) << 24;  // 24.5
        QTest::newRow("half, to even above") << QColor(0, 12, 4) << 8;   // 7.5
        QTest::newRow("below a half") << QColor(0, 0, 4) << 0;           // 0.456
    }

    void greyLevels()
    {
        QFETCH(QColor, colour);
        QFETCH(int, grey);
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(colour);
        cNDib image(picture);
        TurnGrey(image);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                QCOMPARE(image.image().pixelColor(x, y), QColor(grey, grey, grey));
    }
};

QTEST_GUILESS_MAIN(TestGreyFace)
#include "test_grey_face.moc"
