// A newer installed library seeded over a user's folder that has been used:
// what the child and the grown-ups made stays exactly as it was.
#include <QDirIterator>
#include <QFile>
#include <QtTest>

#include "library/default_library.h"
#include "tests/support/library_fixture.h"

namespace {

// The version the user started with.
void InstallFirstVersion(const LibraryFixture &installed)
{
    installed.AddPicture(QStringLiteral("Velmora"), QStringLiteral("cat.bmp"));
    installed.AddPicture(QStringLiteral("Velmora"), QStringLiteral("owl.bmp"));
    installed.WriteBytes(QStringLiteral("help/help.htm"), "help 1");
}

// The next version changes pictures and help, brings new ones, and (by a
// packaging mistake) files with the names of a user's own work.
void InstallSecondVersion(const LibraryFixture &installed)
{
    installed.AddPicture(QStringLiteral("Velmora"), QStringLiteral("cat.bmp"), QSize(90, 90));
    installed.AddPicture(QStringLiteral("Velmora"), QStringLiteral("owl.bmp"), QSize(90, 90));
    installed.AddPicture(QStringLiteral("Velmora"), QStringLiteral("bird.bmp"));
    installed.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp"), QSize(90, 90));
    installed.WriteBytes(QStringLiteral("help/help.htm"), "help 2");
    installed.WriteBytes(QStringLiteral("help/images/new.png"), "new help picture");
    installed.WriteBytes(QStringLiteral("Settings.ini"), "default settings");
    installed.WriteBytes(QStringLiteral("colored pictures/Velmora/cat.jpg"), "blank");
}

} // namespace

class TestLibraryUpgrade : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usedFolderKeepsItsWork_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("default picture") << "books/Velmora/cat.bmp";
        QTest::newRow("default picture's thumbnail") << "books/Velmora/cat.bmp.vlm";
        QTest::newRow("own picture") << "books/own pictures/own_0.bmp";
        QTest::newRow("grown-up's book") << "books/Animals/dog.bmp";
        QTest::newRow("coloured picture") << "colored pictures/Velmora/cat.jpg";
        QTest::newRow("coloured own picture") << "colored pictures/own pictures/own_0.jpg";
        QTest::newRow("settings") << "Settings.ini";
        QTest::newRow("help page the user has") << "help/help.htm";
    }
    void usedFolderKeepsItsWork()
    {
        QFETCH(QString, relative);
        LibraryFixture first;
        InstallFirstVersion(first);
        LibraryFixture user;
        QVERIFY(SeedDefaultLibrary(user.root(), first.root()));
        QCOMPARE(user.ReadBytes(QStringLiteral("help/help.htm")), QByteArray("help 1"));

        // A while of use.
        user.WriteBytes(QStringLiteral("books/Velmora/cat.bmp.vlm"), "thumbnail");
        user.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp"));
        user.AddPicture(QStringLiteral("Animals"), QStringLiteral("dog.bmp"));
        user.WriteBytes(QStringLiteral("colored pictures/Velmora/cat.jpg"), "the child's colours");
        user.WriteBytes(QStringLiteral("colored pictures/own pictures/own_0.jpg"), "more colours");
        user.WriteBytes(QStringLiteral("Settings.ini"), " 1 \r\n 0 \r\n");
        QVERIFY(QFile::remove(user.path(QStringLiteral("books/Velmora/owl.bmp")))); // taken away by hand
        const QByteArray before = user.ReadBytes(relative);
        QVERIFY(!before.isEmpty());

        LibraryFixture second;
        InstallSecondVersion(second);
        QVERIFY(SeedDefaultLibrary(user.root(), second.root()));
        QCOMPARE(user.ReadBytes(relative), before);

        // Only help pages the folder lacks arrive; the books stay as they were left.
        QCOMPARE(user.ReadBytes(QStringLiteral("help/images/new.png")), QByteArray("new help picture"));
        QVERIFY(!QFile::exists(user.path(QStringLiteral("books/Velmora/bird.bmp"))));
        QVERIFY(!QFile::exists(user.path(QStringLiteral("books/Velmora/owl.bmp"))));
        QDirIterator files(user.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            QVERIFY2(!files.next().endsWith(QLatin1String(".part")), qPrintable(files.filePath()));
    }
};

QTEST_GUILESS_MAIN(TestLibraryUpgrade)
#include "test_library_upgrade.moc"
