#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include "tests/support/library_fixture.h"
#include "library/thumbnail_file.h"
#include "library/thumbnail_list.h"

class TestThumbnailList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsJpegFilesSortedIgnoringCase()
    {
        LibraryFixture folder;
        for (const char *name : {"b.gif.jpg", "A.bmp.jpg", "c.JPG", "d.jpg.vlm", "notes.txt", "e.bmp"})
            folder.WriteBytes(QString::fromLatin1(name), "x");
        QDir(folder.root()).mkdir(QStringLiteral("sub.jpg"));
        QCOMPARE(ListColouredPictureFiles(folder.root()), (QStringList{"A.bmp.jpg", "b.gif.jpg", "c.JPG"}));
        QCOMPARE(ListColouredPictureFiles(folder.path(QStringLiteral("missing"))), QStringList());
    }

    void thumbnailsInOrderWithoutTheUnreadable()
    {
        LibraryFixture folder;
        for (const char *name : {"a.jpg", "c.jpg", "d.jpg"})
            folder.AddPictureAt(QString::fromLatin1(name), QSize(300, 200), Qt::yellow);
        folder.WriteBytes(QStringLiteral("b.jpg"), "not a picture");
        // A thumbnail file that exists is used as it is.
        QImage cached(kThumbnailSide, kThumbnailSide, QImage::Format_RGB32);
        cached.fill(Qt::red);
        QVERIFY(cached.save(folder.path(QStringLiteral("d.jpg.vlm")), "BMP"));

        const QVector<NamedThumbnail> thumbnails =
            LoadThumbnails(folder.root(), {"d.jpg", "a.jpg", "b.jpg", "c.jpg", "gone.jpg"});
        QStringList names;
        for (const NamedThumbnail &thumbnail : thumbnails) {
            names << thumbnail.name;
            QCOMPARE(thumbnail.image.size(), QSize(kThumbnailSide, kThumbnailSide));
        }
        QCOMPARE(names, (QStringList{"d.jpg", "a.jpg", "c.jpg"}));
        QCOMPARE(thumbnails[0].image.pixelColor(50, 50), QColor(Qt::red));
        QVERIFY(thumbnails[1].image.pixelColor(50, 50).red() > 200 && thumbnails[1].image.pixelColor(50, 50).blue() < 80);
        QVERIFY(QFileInfo::exists(folder.path(QStringLiteral("a.jpg.vlm"))));
        QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("b.jpg.vlm"))));
    }
};

QTEST_GUILESS_MAIN(TestThumbnailList)
#include "test_thumbnail_list.moc"
