// The rules of "Save picture as..." and printing that need no window.
#include <QtTest>

#include "canvas/picture_export.h"

class TestPictureExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void jpegExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("none") << "/home/me/cat" << "/home/me/cat.jpg";
        QTest::newRow(".jpg") << "/home/me/cat.jpg" << "/home/me/cat.jpg";
        QTest::newRow(".jpeg") << "/home/me/cat.jpeg" << "/home/me/cat.jpeg";
        QTest::newRow("upper case is not recognised") << "/home/me/CAT.JPG" << "/home/me/CAT.JPG.jpg";
        QTest::newRow("another extension") << "/home/me/cat.png" << "/home/me/cat.png.jpg";
    }
    void jpegExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(WithJpegExtension(chosen), written);
    }

    void fitOnPage_data()
    {
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QRect>("placed");
        // Wider than tall: the full page width, centred vertically.
        QTest::newRow("wide on a tall page") << QSizeF(1000, 1400) << QSizeF(750, 480) << QRect(0, 380, 1000, 640);
        // Square on a tall page: sized to the height first, then held to the width.
        QTest::newRow("square on a tall page") << QSizeF(1000, 1400) << QSizeF(500, 500) << QRect(0, 200, 1000, 1000);
        QTest::newRow("tall on a wide page") << QSizeF(1400, 1000) << QSizeF(300, 600) << QRect(450, 0, 500, 1000);
        // 1001 / 2 - 500 / 2 = 250.5: halves go to even.
        QTest::newRow("halves to even") << QSizeF(1001, 500) << QSizeF(100, 100) << QRect(250, 0, 500, 500);
        QTest::newRow("empty picture") << QSizeF(1000, 1000) << QSizeF(0, 0) << QRect();
    }
    void fitOnPage()
    {
        QFETCH(QSizeF, page);
        QFETCH(QSizeF, picture);
        QFETCH(QRect, placed);
        QCOMPARE(FitOnPage(page, picture), placed);
    }
};

QTEST_APPLESS_MAIN(TestPictureExport)
#include "test_picture_export.moc"
