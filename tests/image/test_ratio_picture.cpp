// Which drawing of a picture a screen of a given device pixel ratio gets, and
// that it lays out at the plain picture's size whichever it is.
#include "image/ratio_picture.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Each drawing of the pictures in the temporary folder has its own colour, so
// a test can tell which one was read.
QRgb ColourAt(int times)
{
    return qRgb(40 * times, 200 - 40 * times, 90);
}

bool WriteDrawing(const QString &plainPath, int times)
{
    QImage drawing(QSize(10, 8) * times, QImage::Format_RGB32);
    drawing.fill(ColourAt(times));
    return drawing.save(PictureNameAtRatio(plainPath, times), "PNG");
}

} // namespace

class TestRatioPicture : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        // "all": every size; "double": no 3x; "triple": no 2x; "plain": 1x only.
        const QList<QPair<QString, QList<int>>> pictures = {
            {QStringLiteral("all"), {1, 2, 3}},
            {QStringLiteral("double"), {1, 2}},
            {QStringLiteral("triple"), {1, 3}},
            {QStringLiteral("plain"), {1}},
        };
        for (const auto &[name, sizes] : pictures)
            for (const int times : sizes)
                QVERIFY(WriteDrawing(m_folder.filePath(name + QStringLiteral(".png")), times));
    }

    void nameAtRatio_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << ":/faces/102.png" << 1 << ":/faces/102.png";
        QTest::newRow("below one") << ":/faces/102.png" << 0 << ":/faces/102.png";
        QTest::newRow("double") << ":/faces/102.png" << 2 << ":/faces/102@2x.png";
        QTest::newRow("triple") << ":/cursors/101.png" << 3 << ":/cursors/101@3x.png";
        QTest::newRow("named by word") << ":/faces/func-quit.png" << 2 << ":/faces/func-quit@2x.png";
        QTest::newRow("two dots") << "/a/b.c.png" << 2 << "/a/b.c@2x.png";
        QTest::newRow("no extension") << "/a/picture" << 3 << "/a/picture@3x";
        QTest::newRow("dot in the folder only") << "/a.b/picture" << 2 << "/a.b/picture@2x";
    }

    void nameAtRatio()
    {
        QFETCH(QString, path);
        QFETCH(int, times);
        QFETCH(QString, expected);
        QCOMPARE(PictureNameAtRatio(path, times), expected);
    }

    void compiledInFace_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("drawnAt");
        QTest::newRow("1") << qreal(1) << 1;
        QTest::newRow("1.4") << qreal(1.4) << 2;
        QTest::newRow("2") << qreal(2) << 2;
        QTest::newRow("2.8") << qreal(2.8) << 3;
        QTest::newRow("4") << qreal(4) << 3;
    }

    // A real button face: the drawing the screen needs, marked so that it
    // lays out at the plain face's size.
    void compiledInFace()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, drawnAt);
        const QString path = QStringLiteral(":/faces/102.png");
        const QImage plain(path);
        QVERIFY(!plain.isNull());
        const QImage expected(PictureNameAtRatio(path, drawnAt));
        QVERIFY(!expected.isNull());

        const QImage picture = ReadPictureForRatio(path, ratio);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.devicePixelRatio(), qreal(drawnAt));
        QCOMPARE(picture.size(), plain.size() * drawnAt);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(plain.size()));
        QVERIFY(picture == expected);
    }

    void whicheverIsThere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("drawnAt"); // 0: no picture at all
        QTest::newRow("all at 1") << "all" << qreal(1) << 1;
        QTest::newRow("all at 1.01, rounding") << "all" << qreal(1.01) << 1;
        QTest::newRow("all at 0.5") << "all" << qreal(0.5) << 1;
        QTest::newRow("all at 1.4") << "all" << qreal(1.4) << 2;
        QTest::newRow("all at 2.01, rounding") << "all" << qreal(2.01) << 2;
        QTest::newRow("all at 2.8") << "all" << qreal(2.8) << 3;
        QTest::newRow("all at 4") << "all" << qreal(4) << 3;
        // Without the size wanted: the smallest sharper one, else the sharpest there is.
        QTest::newRow("double at 2.8") << "double" << qreal(2.8) << 2;
        QTest::newRow("triple at 1.4") << "triple" << qreal(1.4) << 3;
        QTest::newRow("triple at 1") << "triple" << qreal(1) << 1;
        QTest::newRow("plain at 1") << "plain" << qreal(1) << 1;
        QTest::newRow("plain at 2.8") << "plain" << qreal(2.8) << 1;
        QTest::newRow("missing at 1") << "missing" << qreal(1) << 0;
        QTest::newRow("missing at 2.8") << "missing" << qreal(2.8) << 0;
    }

    void whicheverIsThere()
    {
        QFETCH(QString, name);
        QFETCH(qreal, ratio);
        QFETCH(int, drawnAt);
        const QImage picture = ReadPictureForRatio(m_folder.filePath(name + QStringLiteral(".png")), ratio);
        if (drawnAt == 0) {
            QVERIFY(picture.isNull());
            return;
        }
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.pixel(0, 0), ColourAt(drawnAt));
        QCOMPARE(picture.size(), QSize(10, 8) * drawnAt);
        QCOMPARE(picture.devicePixelRatio(), qreal(drawnAt));
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(10, 8));
    }

    // A compiled-in picture drawn at one size only: the brush textures.
    void compiledInWithoutLargerDrawings()
    {
        const QImage plain(QStringLiteral(":/brushes/0.png"));
        QVERIFY(!plain.isNull());
        const QImage picture = ReadPictureForRatio(QStringLiteral(":/brushes/0.png"), 2.8);
        QCOMPARE(picture.devicePixelRatio(), qreal(1));
        QCOMPARE(picture.size(), plain.size());
        QVERIFY(picture == plain);
    }

    void missingCompiledInPicture()
    {
        QVERIFY(ReadPictureForRatio(QStringLiteral(":/faces/no-such-face.png"), 1).isNull());
        QVERIFY(ReadPictureForRatio(QStringLiteral(":/faces/no-such-face.png"), 2.8).isNull());
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestRatioPicture)
#include "test_ratio_picture.moc"
