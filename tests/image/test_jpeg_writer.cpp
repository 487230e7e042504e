#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "image/dib_section.h"
#include "image/turbojpeg_writer.h"
#include "tests/support/file_faults.h"

namespace {

// Four flat quadrants: red, green, blue, yellow. Flat areas survive JPEG nearly exactly.
QImage Quadrants(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            picture.setPixel(x, y, !bottom ? (right ? qRgb(0, 200, 0) : qRgb(220, 20, 20))
                                           : (right ? qRgb(250, 230, 0) : qRgb(20, 40, 230)));
        }
    return picture;
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QImage ReadBack(const QString &path)
{
    QImageReader reader(path);
    reader.setFormat("jpeg");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestJpegWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_target = m_dir->filePath("Cat.bmp.jpg");
    }

    void writesAnUprightPictureWithItsColours()
    {
        const QImage picture = Quadrants(67, 41); // odd sizes: padded rows, partial chroma blocks
        cDIBSection dib;
        dib.CreateFromPicture(picture);
        QVERIFY(SaveJpegFile(dib, m_target, 90));

        const QImage written = ReadBack(m_target);
        QCOMPARE(written.size(), QSize(67, 41));
        const QPoint probes[] = {{8, 8}, {58, 8}, {8, 32}, {58, 32}};
        for (const QPoint &p : probes)
            QVERIFY2(Near(written.pixel(p), picture.pixel(p), 4),
                     qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
    }

    void qualityChangesTheFileAndOutOfRangeIsClamped()
    {
        QImage picture = Quadrants(64, 64);
        for (int i = 0; i < 64; ++i)
            picture.setPixel(i, (i * 7) % 64, qRgb(i * 4, 255 - i * 4, i)); // detail that quality affects
        cDIBSection dib;
        dib.CreateFromPicture(picture);
        auto sizeAt = [&](int quality) {
            SaveJpegFile(dib, m_target, quality);
            return QFileInfo(m_target).size();
        };
        const qint64 low = sizeAt(10), high = sizeAt(90), best = sizeAt(100);
        QVERIFY(low < high);
        QCOMPARE(sizeAt(1000), best);
        QCOMPARE(sizeAt(-5), sizeAt(1));
    }

    void replacingKeepsTimesAndPermissions()
    {
        QVERIFY(WriteFile(m_target, "old picture"));
        const QDateTime longAgo(QDate(2020, 1, 2), QTime(3, 4, 5, 600), Qt::UTC);
        {
            QFile file(m_target);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileAccessTime));
        }
        const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(m_target, permissions));

        cDIBSection dib;
        dib.CreateFromPicture(Quadrants(16, 16));
        QVERIFY(SaveJpegFile(dib, m_target, 90));
        const QFileInfo info(m_target);
        QCOMPARE(info.lastModified().toUTC(), longAgo);
        QCOMPARE(info.lastRead().toUTC(), longAgo);
        QCOMPARE(info.permissions() & QFileDevice::Permissions(0x7077), permissions); // owner, group, others
        QCOMPARE(ReadBack(m_target).size(), QSize(16, 16)); // last: reading changes the access time
        QCOMPARE(EntriesOf(m_dir->path()), QStringList{"Cat.bmp.jpg"});
    }

    void failuresRaise26001AndKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("emptyImage");
        QTest::addColumn<int>("code");
        QTest::newRow("read-only target") << "Cat.bmp.jpg" << false << int(JpegWriteFailure::TargetReadOnly);
        QTest::newRow("target is a folder") << "folder" << false << int(JpegWriteFailure::TargetIsFolder);
        QTest::newRow("missing folder") << "gone/Cat.bmp.jpg" << false << int(JpegWriteFailure::FolderMissing);
        QTest::newRow("empty image") << "Cat.bmp.jpg" << true << int(JpegWriteFailure::EmptyImage);
    }
    void failuresRaise26001AndKeepTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, emptyImage);
        QFETCH(int, code);
        QVERIFY(WriteFile(m_target, "old picture"));
        QVERIFY(QFile::setPermissions(m_target, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        QVERIFY(QDir(m_dir->path()).mkdir("folder"));
        const QStringList before = EntriesOf(m_dir->path());

        cDIBSection dib;
        if (!emptyImage)
            dib.CreateFromPicture(Quadrants(8, 8));
        try {
            SaveJpegFile(dib, m_dir->filePath(target), 90);
            QFAIL("no error was raised");
        } catch (const JpegWriterError &error) {
            QCOMPARE(error.number(), 26001);
            QCOMPARE(error.code(), code);
            QCOMPARE(error.description(), QStringLiteral("Failed to save to JPG ") + QString::number(code));
            QCOMPARE(error.source(), QStringLiteral("test_jpeg_writer.mTurboJPEG"));
            QVERIFY(!error.detail().isEmpty());
        }
        QCOMPARE(ContentsOf(m_target), QByteArray("old picture"));
        QCOMPARE(EntriesOf(m_dir->path()), before);
    }

    void aFullDiskKeepsTheOldPicture()
    {
        QVERIFY(WriteFile(m_target, "old picture"));
        QImage noisy(400, 400, QImage::Format_RGB32);
        for (int y = 0; y < noisy.height(); ++y)
            for (int x = 0; x < noisy.width(); ++x)
                noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) % 256));
        cDIBSection dib;
        dib.CreateFromPicture(noisy);
        int code = 0;
        {
            FullDiskGuard full(4096);
            try {
                SaveJpegFile(dib, m_target, 90);
            } catch (const JpegWriterError &error) {
                code = error.code();
            }
        }
        QCOMPARE(code, int(JpegWriteFailure::WriteFailed));
        QCOMPARE(ContentsOf(m_target), QByteArray("old picture"));
        QCOMPARE(EntriesOf(m_dir->path()), QStringList{"Cat.bmp.jpg"});
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_target;
};

QTEST_GUILESS_MAIN(TestJpegWriter)
#include "test_jpeg_writer.moc"
