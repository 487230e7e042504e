// Every write the program makes, on a real full file system and on a real
// read-only one: the write fails with its message and nothing on disk changes
// (no earlier file lost or cut short, no temporary file left behind).
#include <QDirIterator>
#include <QtTest>

#include <functional>
#include <memory>

#include "canvas/picture_document.h"
#include "image/bitmap_file.h"
#include "image/turbojpeg_writer.h"
#include "library/book_management.h"
#include "library/library_layout.h"
#include "library/pack/pack_create.h"
#include "library/pack/pack_import.h"
#include "library/thumbnail_file.h"
#include "parental/settings_file.h"
#include "tests/faults/test_mounts.h"
#include "tests/support/file_faults.h"

namespace {

QImage Outline(int variant)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < picture.width(); ++x)
        picture.setPixel(x, variant % 40, qRgb(0, 0, 0));
    return picture;
}

QImage Coloured(QRgb colour)
{
    QImage canvas = Outline(0);
    canvas.fill(colour);
    return canvas;
}

// Every file under `root` with its contents; the filler of a full disk left out.
QMap<QString, QByteArray> FilesUnder(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        if (relative != QLatin1String(".filler"))
            files.insert(relative, QFileInfo(path).isDir() ? QByteArray("<folder>") : ContentsOf(path));
    }
    return files;
}

// A library with an earlier version of every file the program writes.
bool MakeLibrary(const QString &root, const QString &outside)
{
    QDir().mkpath(root + "/books/animals");
    QDir().mkpath(root + "/books/own pictures");
    QDir().mkpath(root + "/packs");
    QDir().mkpath(outside + "/sources/Farm");
    bool ok = Outline(1).save(root + "/books/animals/cat.bmp") && Outline(2).save(root + "/books/animals/dog.bmp") &&
              Outline(3).save(root + "/books/own pictures/own_0.bmp") &&
              Outline(4).save(outside + "/sources/Farm/cow.bmp") && Outline(5).save(outside + "/new.bmp");
    ok = ok && SaveColouredPicture(root, root + "/books/animals/cat.bmp", Coloured(qRgb(0, 0, 255)), {}).ok() &&
         SaveColouredPicture(root, root + "/books/own pictures/own_0.bmp", Coloured(qRgb(0, 0, 255)), Outline(3)).ok();
    ok = ok && WriteSettingsFile(SettingsFilePath(root), OptionsValues{}).ok();
    ok = ok && SavePictureAsJpeg(Coloured(qRgb(0, 255, 0)), root + "/export.jpg", 90).isEmpty();
    ok = ok && CreatePack(outside + "/sources/Farm", {"cow.bmp"}, root + "/packs/Farm.vpk").ok;
    ok = ok && CreatePack(outside + "/sources/Farm", {"cow.bmp"}, outside + "/import.vpk").ok;
    return ok;
}

// One write of the program, done on `root`; returns its message, empty when it succeeded.
using Write = std::function<QString(const QString &root, const QString &outside)>;

const QMap<QString, Write> &Writes()
{
    static const QMap<QString, Write> writes = {
        {"coloured picture",
         [](const QString &root, const QString &) {
             return SaveColouredPicture(root, root + "/books/animals/cat.bmp", Coloured(qRgb(255, 0, 0)), {}).error;
         }},
        {"own picture",
         [](const QString &root, const QString &) {
             return SaveColouredPicture(root, root + "/books/own pictures/own_0.bmp", Coloured(qRgb(255, 0, 0)),
                                        Outline(9))
                 .error;
         }},
        {"new own page",
         [](const QString &root, const QString &) {
             const QString folder = LibraryLayout::OwnPicturesFolder(root);
             return SaveBitmapFile(LibraryLayout::NextOwnPicturePath(folder), WhitePage(QSize(60, 40))).detail;
         }},
        {"settings",
         [](const QString &root, const QString &) {
             OptionsValues values;
             values.password = "changed";
             return WriteSettingsFile(SettingsFilePath(root), values).detail;
         }},
        {"jpeg export",
         [](const QString &root, const QString &) {
             return SavePictureAsJpeg(Coloured(qRgb(255, 0, 0)), root + "/export.jpg", 90);
         }},
        {"pack create",
         [](const QString &root, const QString &outside) {
             Outline(7).save(outside + "/sources/Farm/hen.bmp");
             const PackCreation made =
                 CreatePack(outside + "/sources/Farm", {"cow.bmp", "hen.bmp"}, root + "/packs/Farm.vpk");
             return made.ok ? QString() : made.message;
         }},
        {"pack import",
         [](const QString &root, const QString &outside) {
             const PackImport imported = ImportPack(outside + "/import.vpk", LibraryLayout::BooksFolder(root));
             return imported.ok ? QString() : imported.message;
         }},
        {"create book",
         [](const QString &root, const QString &) {
             QString title;
             return BookManagement::CreateBook(root, "Zoo", title).message;
         }},
        {"add picture",
         [](const QString &root, const QString &outside) {
             return BookManagement::AddPicture(root, "animals", outside, "new.bmp").message;
         }},
        {"thumbnail file",
         [](const QString &root, const QString &) { return EnsureThumbnail(root + "/books/animals/dog.bmp").error; }},
    };
    return writes;
}

} // namespace

class TestFullAndReadOnly : public QObject {
    Q_OBJECT

private slots:
    void writeFailsAndKeepsEverything_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("write");
        QTest::addColumn<QString>("message"); // how the message starts; %1 the program folder
        const QString jpeg = "Failed to save to JPG ";
        const QString addFailed =
            "Could not add the file 'new.bmp'. Please make sure that the folder '%1/books/animals' "
            "is not write protected.";
        const QString cannotAdd = "There was the following error while trying to add new pictures to Velmora:\r\n";
        const QString creation = "The book could not be created. Please make sure that the path '%1/books/' is not "
                                 "write protected and that you have not used the following characters in the book "
                                 "title \\ /:*?\"<>|";
        for (const bool full : {true, false}) {
            const char *fault = full ? "full" : "read-only";
            QTest::addRow("%s: coloured picture", fault) << full << "coloured picture" << jpeg;
            QTest::addRow("%s: own picture", fault) << full << "own picture" << jpeg;
            QTest::addRow("%s: jpeg export", fault) << full << "jpeg export" << jpeg;
            QTest::addRow("%s: new own page", fault) << full << "new own page" << QString();
            QTest::addRow("%s: settings", fault) << full << "settings" << QString();
            QTest::addRow("%s: pack create", fault) << full << "pack create" << QString::fromLatin1(kPackSaveFailed);
            QTest::addRow("%s: pack import", fault) << full << "pack import" << cannotAdd;
            QTest::addRow("%s: add picture", fault) << full << "add picture" << addFailed;
            QTest::addRow("%s: thumbnail file", fault) << full << "thumbnail file"
                                                       << "The thumbnail file ";
        }
        // An empty folder takes no room, so a full disk still makes a book.
        QTest::addRow("read-only: create book") << false << "create book" << creation;
    }

    void writeFailsAndKeepsEverything()
    {
        QFETCH(bool, full);
        QFETCH(QString, write);
        QFETCH(QString, message);
        QTemporaryDir outside;
        QString root;
        std::unique_ptr<SmallDisk> disk;
        std::unique_ptr<QTemporaryDir> folder;
        std::unique_ptr<ReadOnlyView> readOnly;
        if (full) {
            disk = std::make_unique<SmallDisk>("1m");
            if (!disk->mounted())
                QSKIP("mounting a file system is not permitted here");
            root = disk->path();
            QVERIFY(MakeLibrary(root, outside.path()));
            QVERIFY(disk->Fill());
        } else {
            folder = std::make_unique<QTemporaryDir>();
            QVERIFY(MakeLibrary(folder->path(), outside.path()));
            readOnly = std::make_unique<ReadOnlyView>(folder->path());
            if (!readOnly->mounted())
                QSKIP("mounting a file system is not permitted here");
            root = readOnly->path();
        }
        const auto before = FilesUnder(root);

        const QString said = Writes().value(write)(root, outside.path());

        QVERIFY2(!said.isEmpty(), "the write did not fail");
        if (message.contains("%1"))
            message = message.arg(root);
        QVERIFY2(said.startsWith(message), qPrintable(said));
        QCOMPARE(FilesUnder(root), before);
    }
};

QTEST_GUILESS_MAIN(TestFullAndReadOnly)
#include "test_full_and_read_only.moc"
