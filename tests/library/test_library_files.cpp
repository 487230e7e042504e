// The library's naming rules and file routines.
#include <QFile>
#include <QtTest>

#include <stdexcept>

#include "library/default_library.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "tests/support/library_fixture.h"

namespace {

void MakeReadOnly(const QString &path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace

class TestLibraryFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void properCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("own pictures") << "own pictures" << "Own Pictures";
        QTest::newRow("shouting") << "FARM animals" << "Farm Animals";
        QTest::newRow("digit starts a word") << "2nd book" << "2Nd Book";
        QTest::newRow("apostrophe") << "o'neill" << "O'Neill";
        QTest::newRow("letters outside a-z break words") << QString::fromUtf8("caf\u00e9 bar") << QString::fromUtf8("Caf\u00e9 Bar");
        QTest::newRow("accent starts no capital") << QString::fromUtf8("\u00e9cole") << QString::fromUtf8("\u00e9Cole");
        QTest::newRow("empty") << "" << "";
    }
    void properCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QCOMPARE(ProperCase(text), title);
    }

    void pathParts()
    {
        QCOMPARE(FileTitleOf(QStringLiteral("/a/books/animals")), QStringLiteral("animals"));
        QCOMPARE(FileTitleOf(QStringLiteral("cat.gif")), QStringLiteral("cat.gif"));
        QCOMPARE(FileTitleOf(QStringLiteral("/a/books/")), QString());
        QCOMPARE(FolderOf(QStringLiteral("/a/books/animals")), QStringLiteral("/a/books"));
        QCOMPARE(FolderOf(QStringLiteral("/cat.gif")), QString());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, FolderOf(QStringLiteral("cat.gif")));
    }

    void deletingFilesAndFolders()
    {
        LibraryFixture library;
        const QString cat = library.AddPicture(QStringLiteral("animals"), QStringLiteral("cat.bmp"));
        QVERIFY(DeleteFileIfPresent(cat));
        QVERIFY(!QFile::exists(cat));
        QVERIFY(!DeleteFileIfPresent(cat)); // already gone

        const QString dog = library.AddPicture(QStringLiteral("animals"), QStringLiteral("dog.bmp"));
        MakeReadOnly(dog);
        QVERIFY(!DeleteFileIfPresent(dog)); // read-only is not forced
        QVERIFY(QFile::exists(dog));
        QVERIFY(!DeleteFolderIfPresent(library.path(QStringLiteral("books/animals/"))));
        QVERIFY(QFile::exists(dog)); // nothing of the folder went

        QFile::setPermissions(dog, QFile::permissions(dog) | QFile::WriteOwner);
        QVERIFY(DeleteFolderIfPresent(library.path(QStringLiteral("books/animals/"))));
        QVERIFY(!QFileInfo::exists(library.path(QStringLiteral("books/animals"))));
        QVERIFY(!DeleteFolderIfPresent(library.path(QStringLiteral("books/animals"))));
    }

    void copyingOver()
    {
        LibraryFixture library;
        const QString source = library.AddPicture(QStringLiteral("a"), QStringLiteral("big.bmp"), QSize(30, 30));
        const QString target = library.AddPicture(QStringLiteral("a"), QStringLiteral("small.bmp"), QSize(5, 5));
        MakeReadOnly(target);
        QVERIFY(CopyFileOver(source, target)); // a read-only target is replaced
        QCOMPARE(QImage(target).size(), QSize(30, 30));

        QVERIFY(!CopyFileOver(library.path(QStringLiteral("missing.bmp")), target));
        QVERIFY(!QFile::exists(target)); // the target was removed before the source was looked at
        QVERIFY(!CopyFileOver(source, library.path(QStringLiteral("no/such/folder/x.bmp"))));
    }

    void nextOwnPictureTakesTheSmallestFreeNumber()
    {
        LibraryFixture library;
        const QString own = library.path(QStringLiteral("books/own pictures"));
        QCOMPARE(FileTitleOf(LibraryLayout::NextOwnPicturePath(own)), QStringLiteral("own_0.bmp"));
        library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp"));
        library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_2.bmp"));
        QCOMPARE(LibraryLayout::NextOwnPicturePath(own), own + QStringLiteral("/own_1.bmp"));
        library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("OWN_1.BMP")); // taken, whatever its case
        QCOMPARE(FileTitleOf(LibraryLayout::NextOwnPicturePath(own)), QStringLiteral("own_3.bmp"));
    }

    void listingsIgnoreLetterCase()
    {
        LibraryFixture library;
        for (const char *name : {"b.BMP", "A.gif", "c.jpg", "notes.txt", "d.jpeg", "a.gif.vlm"})
            library.WriteBytes(QStringLiteral("books/x/") + QLatin1String(name), "x");
        QCOMPARE(LibraryLayout::ListPictures(library.path(QStringLiteral("books/x"))),
                 QStringList({"A.gif", "b.BMP", "c.jpg"}));
        for (const char *name : {"zoo", "Animals", "birds"})
            library.AddEmptyBook(QLatin1String(name));
        QCOMPARE(LibraryLayout::ListFolders(library.path(QStringLiteral("books"))),
                 QStringList({"Animals", "birds", "x", "zoo"}));
    }

    void orphanThumbnailsGo()
    {
        LibraryFixture library;
        library.AddPicture(QStringLiteral("a"), QStringLiteral("cat.bmp"));
        for (const char *name : {"cat.bmp.vlm", "dog.bmp.vlm", "notes.txt", "notes.txt.vlm"})
            library.WriteBytes(QStringLiteral("books/a/") + QLatin1String(name), "x");
        RemoveOrphanThumbnails(library.path(QStringLiteral("books/a")));
        QCOMPARE(QDir(library.path(QStringLiteral("books/a"))).entryList(QDir::Files, QDir::Name),
                 QStringList({"cat.bmp", "cat.bmp.vlm", "notes.txt", "notes.txt.vlm"}));
        RemoveOrphanThumbnails(library.path(QStringLiteral("no such folder"))); // left alone
    }
    void aNewUserGetsTheDefaultLibrary()
    {
        LibraryFixture installed;
        installed.AddPicture(QStringLiteral("Velmora"), QStringLiteral("cat.bmp"));
        installed.WriteBytes(QStringLiteral("help/help.htm"), "help");
        QFile::setPermissions(installed.path(QStringLiteral("books/Velmora/cat.bmp")), QFile::ReadOwner);

        LibraryFixture user;
        user.WriteBytes(QStringLiteral("help/help.htm"), "the user's own"); // kept
        QVERIFY(SeedDefaultLibrary(user.root(), installed.root()));
        QVERIFY(QFile::permissions(user.path(QStringLiteral("books/Velmora/cat.bmp"))) & QFile::WriteOwner);
        QCOMPARE(user.ReadBytes(QStringLiteral("help/help.htm")), QByteArray("the user's own"));

        // Once there are books, a deleted default picture stays deleted; missing help comes back.
        QFile::remove(user.path(QStringLiteral("books/Velmora/cat.bmp")));
        QFile::remove(user.path(QStringLiteral("help/help.htm")));
        QVERIFY(SeedDefaultLibrary(user.root(), installed.root()));
        QVERIFY(!QFile::exists(user.path(QStringLiteral("books/Velmora/cat.bmp"))));
        QCOMPARE(user.ReadBytes(QStringLiteral("help/help.htm")), QByteArray("help"));

        LibraryFixture nothingInstalled;
        QVERIFY(!SeedDefaultLibrary(nothingInstalled.root(), nothingInstalled.path(QStringLiteral("missing"))));
        QCOMPARE(InstalledLibraryFolder(QStringLiteral("/opt/velmora/bin")), QStringLiteral("/opt/velmora/share/velmora"));
    }
};

QTEST_GUILESS_MAIN(TestLibraryFiles)
#include "test_library_files.moc"
