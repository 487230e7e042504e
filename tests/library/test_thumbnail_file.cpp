#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

#include "library/thumbnail_file.h"
#include "tests/support/file_faults.h"
#include "tests/support/picture_bytes.h"

namespace {

QImage Filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The rectangle of `thumbnail` that is not white; empty when it is all white.
QRect Covered(const QImage &thumbnail)
{
    QRect covered;
    for (int y = 0; y < thumbnail.height(); ++y)
        for (int x = 0; x < thumbnail.width(); ++x)
            if (thumbnail.pixel(x, y) != qRgb(255, 255, 255))
                covered |= QRect(x, y, 1, 1);
    return covered;
}

} // namespace

class TestThumbnailFile : public QObject {
    Q_OBJECT

    QString Picture(const QString &name, const QImage &image)
    {
        const QString path = m_dir->filePath(name);
        if (!image.save(path, "BMP"))
            qFatal("cannot write the fixture %s", qPrintable(path));
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void pathIsThePictureNamePlusVlm()
    {
        QCOMPARE(ThumbnailPathOf("/books/animals/cat.gif"), QString("/books/animals/cat.gif.vlm"));
        QCOMPARE(ThumbnailPathOf("/colored/animals/cat.gif.jpg"), QString("/colored/animals/cat.gif.jpg.vlm"));
    }

    void missingThumbnailIsBuiltAndWritten()
    {
        const QString picture = Picture("cat.bmp", Filled(QSize(300, 300), QColor(200, 30, 30)));
        const ThumbnailResult result = EnsureThumbnail(picture);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY(result.built);
        QCOMPARE(result.image.size(), QSize(100, 100));
        QCOMPARE(result.image.format(), QImage::Format_RGB32);
        QCOMPARE(result.image.pixel(50, 50), qRgb(200, 30, 30));
        QImageReader written(ThumbnailPathOf(picture));
        written.setDecideFormatFromContent(true);
        QCOMPARE(written.format(), QByteArray("bmp"));
        QCOMPARE(written.read().convertToFormat(QImage::Format_RGB32), result.image);
        QCOMPARE(EntriesOf(m_dir->path()), QStringList({"cat.bmp", "cat.bmp.vlm"})); // no temporary file left
    }

    void pictureIsCentredBetweenWhiteBars_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("covered");
        QTest::newRow("wide") << QSize(200, 100) << QRect(0, 25, 100, 50);
        QTest::newRow("tall") << QSize(100, 300) << QRect(34, 0, 33, 100); // 33.5 rounds to 34
        QTest::newRow("wide, odd bars") << QSize(300, 100) << QRect(0, 34, 100, 33);
        QTest::newRow("square, enlarged") << QSize(40, 40) << QRect(0, 0, 100, 100);
        QTest::newRow("a thin line") << QSize(1000, 2) << QRect(0, 50, 100, 1);
    }
    void pictureIsCentredBetweenWhiteBars()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, covered);
        const ThumbnailResult result = EnsureThumbnail(Picture("page.bmp", Filled(size, QColor(20, 90, 160))));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(Covered(result.image), covered);
        QCOMPARE(result.image.pixel(covered.center()), qRgb(20, 90, 160));
    }

    // Fine detail comes out as its average, not as a pattern of whichever pixels were sampled.
    void scalingAveragesTheArea()
    {
        QImage stripes(1000, 1000, QImage::Format_RGB32);
        for (int y = 0; y < stripes.height(); ++y)
            for (int x = 0; x < stripes.width(); ++x)
                stripes.setPixel(x, y, (x / 3 + y / 7) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        const QImage thumbnail = FitThumbnail(stripes);
        for (int y = 5; y < 95; y += 7)
            for (int x = 5; x < 95; x += 7)
                QVERIFY2(std::abs(qGreen(thumbnail.pixel(x, y)) - 128) < 40, qPrintable(QString::number(qGreen(thumbnail.pixel(x, y)))));
    }

    void cachedThumbnailIsUsedWithoutThePicture_data()
    {
        QTest::addColumn<bool>("deleted"); // otherwise replaced by another picture
        QTest::newRow("picture deleted") << true;
        QTest::newRow("picture replaced") << false;
    }
    void cachedThumbnailIsUsedWithoutThePicture()
    {
        QFETCH(bool, deleted);
        const QString picture = Picture("cat.bmp", Filled(QSize(120, 120), QColor(0, 160, 0)));
        QVERIFY(EnsureThumbnail(picture).built);
        if (deleted)
            QVERIFY(QFile::remove(picture));
        else
            Picture("cat.bmp", Filled(QSize(120, 120), QColor(0, 0, 160)));
        const ThumbnailResult again = EnsureThumbnail(picture);
        QVERIFY2(again.ok(), qPrintable(again.error));
        QVERIFY(!again.built);
        QCOMPARE(again.image.pixel(50, 50), qRgb(0, 160, 0));
    }

    void unusableThumbnailIsRebuilt_data()
    {
        QTest::addColumn<QByteArray>("thumbnail");
        const QByteArray whole = PictureBytes(Filled(QSize(100, 100), Qt::black), "bmp");
        QTest::newRow("garbage") << QByteArray("not a picture at all");
        QTest::newRow("cut short") << whole.left(whole.size() / 2);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("wrong size") << PictureBytes(Filled(QSize(50, 50), Qt::black), "bmp");
    }
    void unusableThumbnailIsRebuilt()
    {
        QFETCH(QByteArray, thumbnail);
        const QString picture = Picture("cat.bmp", Filled(QSize(100, 100), QColor(250, 200, 0)));
        QVERIFY(WriteFile(ThumbnailPathOf(picture), thumbnail));
        const ThumbnailResult result = EnsureThumbnail(picture);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY(result.built);
        QCOMPARE(result.image.pixel(50, 50), qRgb(250, 200, 0));
        QCOMPARE(QImage(ThumbnailPathOf(picture)).convertToFormat(QImage::Format_RGB32), result.image);
    }

    void unreadablePictureFailsAndLeavesNoThumbnail_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no picture at all
        const QByteArray bmp = PictureBytes(Filled(QSize(64, 64), Qt::red), "bmp");
        QTest::newRow("damaged") << bmp.left(bmp.size() - 100);
        QTest::newRow("missing") << QByteArray();
    }
    void unreadablePictureFailsAndLeavesNoThumbnail()
    {
        QFETCH(QByteArray, bytes);
        const QString picture = m_dir->filePath("cat.bmp");
        if (!bytes.isEmpty())
            QVERIFY(WriteFile(picture, bytes));
        const ThumbnailResult result = EnsureThumbnail(picture);
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains("cat.bmp"), qPrintable(result.error));
        QVERIFY(result.image.isNull());
        QVERIFY(!QFile::exists(ThumbnailPathOf(picture)));
        QCOMPARE(EntriesOf(m_dir->path()), bytes.isEmpty() ? QStringList() : QStringList({"cat.bmp"}));
    }

    void unwritableThumbnailFails_data()
    {
        QTest::addColumn<bool>("immutableFolder"); // otherwise a full disk
        QTest::newRow("folder immutable") << true;
        QTest::newRow("disk full") << false;
    }
    void unwritableThumbnailFails()
    {
        QFETCH(bool, immutableFolder);
        const QString picture = Picture("cat.bmp", Filled(QSize(100, 100), Qt::red));
        ThumbnailResult result;
        if (immutableFolder) {
            ImmutableGuard locked(m_dir->path());
            if (!locked.active())
                QSKIP("chattr +i is not available here");
            result = EnsureThumbnail(picture);
        } else {
            FullDiskGuard full(1024); // a thumbnail file takes some 30 kB
            result = EnsureThumbnail(picture);
        }
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains("cat.bmp.vlm"), qPrintable(result.error));
        QVERIFY(!result.built);
        QCOMPARE(EntriesOf(m_dir->path()), QStringList({"cat.bmp"}));
    }

    void picturesOfTwoThreadsGetTheirOwnThumbnails()
    {
        constexpr int kPictures = 8;
        QStringList pictures;
        for (int i = 0; i < kPictures; ++i)
            pictures << Picture(QString("page%1.bmp").arg(i), Filled(QSize(300, 200), QColor(i * 30, 100, 0)));
        std::vector<ThumbnailResult> results(kPictures);
        const auto build = [&](int first) {
            for (int i = first; i < kPictures; i += 2)
                results[i] = EnsureThumbnail(pictures[i]);
        };
        std::thread other(build, 1);
        build(0);
        other.join();
        for (int i = 0; i < kPictures; ++i) {
            QVERIFY2(results[i].ok(), qPrintable(results[i].error));
            QCOMPARE(results[i].image.pixel(50, 50), qRgb(i * 30, 100, 0));
            QCOMPARE(QImage(ThumbnailPathOf(pictures[i])).pixel(50, 50), qRgb(i * 30, 100, 0));
        }
    }
};

QTEST_MAIN(TestThumbnailFile)
#include "test_thumbnail_file.moc"
