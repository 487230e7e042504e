#include <QTemporaryDir>
#include <QtTest>

#include "library/pack/pack_create.h"
#include "library/pack/pack_file.h"
#include "library/pack/pack_import.h"
#include "tests/support/pack_fixture.h"
#include "tests/support/file_faults.h"

namespace {

const QString kHeaderMessage = QStringLiteral(
    "There was the following error while trying to open Velmora package file:\r\n"
    "Could not read from the header information.\r\n"
    "The file appears to be damaged. Please download again.");
const QString kNoMarkerMessage = QStringLiteral(
    "There was the following error while trying to add new pictures to Velmora:\r\n"
    "The file could not be read from header. Please make sure that the file is not designed for "
    "another version of Velmora.");
const QString kDamagedStart =
    QStringLiteral("There was the following error while trying to open Velmora package file:\r\n");
const QString kDamagedEnd = QStringLiteral("\r\nThe file appears to be damaged. Please download again.");
const QString kWritingStart =
    QStringLiteral("There was the following error while trying to add new pictures to Velmora:\r\n");


} // namespace

// Everything happens inside one temporary folder: the program folder is
// root/, the pack lies beside it, so a test can see that nothing at all was
// made anywhere in the folder.
class TestPackImport : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;

    QString Books() const { return m_dir->filePath("root/books"); }
    QString PackPath() const { return m_dir->filePath("in.vpk"); }
    PackImport Import(const QByteArray &pack)
    {
        WriteFile(PackPath(), pack);
        return ImportPack(PackPath(), Books());
    }
    void ExpectNothingMade(const PackImport &result, const QString &message, const QStringList &before)
    {
        QCOMPARE(result.message, message);
        QVERIFY(!result.ok);
        QVERIFY(result.bookName.isEmpty());
        QCOMPARE(TreeOf(m_dir->path()), before);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(QDir().mkpath(Books() + "/Velmora"));
    }
    void cleanup() { delete m_dir; }

    void samePackThreeTimes()
    {
        const QByteArray cat = OutlineBmp(1), dog = OutlineBmp(2);
        const QByteArray pack = HandMadePack("Animals|cat.bmp|dog.jpg", {cat, dog});
        for (const QString book : {"Animals", "Animals_1", "Animals_2"}) {
            const PackImport result = Import(pack);
            QCOMPARE(result.message, AddedMessage(book));
            QVERIFY(result.ok);
            QCOMPARE(result.bookName, book);
            QCOMPARE(EntriesOf(Books() + '/' + book), (QStringList{"cat.bmp", "dog.jpg"}));
            QCOMPARE(ContentsOf(Books() + '/' + book + "/cat.bmp"), cat);
            QCOMPARE(ContentsOf(Books() + '/' + book + "/dog.jpg"), dog);
        }
    }

    // The library tells books apart without regard to letter case.
    void bookTakenInAnotherLetterCase()
    {
        QDir().mkpath(Books() + "/animals");
        QDir().mkpath(Books() + "/ANIMALS_1");
        const PackImport result = Import(HandMadePack("Animals|cat.bmp", {OutlineBmp()}));
        QCOMPARE(result.bookName, QStringLiteral("Animals_2"));
        QCOMPARE(EntriesOf(Books() + "/Animals_2"), QStringList{"cat.bmp"});
    }

    void missingBooksFolderIsMade()
    {
        QVERIFY(QDir(Books()).removeRecursively());
        const PackImport result = Import(HandMadePack("Animals|cat.bmp", {OutlineBmp()}));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(EntriesOf(Books() + "/Animals"), QStringList{"cat.bmp"});
    }

    void equalNamesAreNumbered()
    {
        const QList<QByteArray> parts{OutlineBmp(1), OutlineBmp(2), OutlineBmp(3), OutlineBmp(4)};
        const PackImport result = Import(HandMadePack("Animals|cat.bmp|cat.bmp|CAT.bmp|cat.gif", parts));
        QVERIFY2(result.ok, qPrintable(result.message));
        const QString book = Books() + "/Animals/";
        QCOMPARE(EntriesOf(book), (QStringList{"CAT_2.bmp", "cat.bmp", "cat.gif", "cat_1.bmp"}));
        QCOMPARE(ContentsOf(book + "cat.bmp"), parts[0]);
        QCOMPARE(ContentsOf(book + "cat_1.bmp"), parts[1]);
        QCOMPARE(ContentsOf(book + "CAT_2.bmp"), parts[2]);
    }

    void windows1252NamesBecomeTheSystemsNames()
    {
        const QByteArray picture = OutlineBmp();
        const PackImport result = Import(HandMadePack("B\xFC" "cher|caf\xE9.bmp", {picture}));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.bookName, QStringLiteral("B\u00FCcher"));
        QCOMPARE(ContentsOf(Books() + QStringLiteral("/B\u00FCcher/caf\u00E9.bmp")), picture);
    }

    void packMadeHereReadsBack()
    {
        const QString folder = m_dir->filePath(QStringLiteral("B\u00FCcher"));
        QDir().mkpath(folder);
        const QByteArray picture = OutlineBmp(3);
        WriteFile(folder + QStringLiteral("/caf\u00E9.bmp"), picture);
        const PackCreation made = CreatePack(folder, {QStringLiteral("caf\u00E9.bmp")}, PackPath());
        QVERIFY2(made.ok, qPrintable(made.message));
        QVERIFY(ContentsOf(PackPath()).startsWith("B\xFC" "cher|caf\xE9.bmp"));
        const PackImport result = ImportPack(PackPath(), Books());
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(ContentsOf(Books() + QStringLiteral("/B\u00FCcher/caf\u00E9.bmp")), picture);
    }

    void extraNamesAreIgnored()
    {
        const PackImport result = Import(HandMadePack("Animals|cat.bmp|dog.bmp|../../x", {OutlineBmp()}));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(EntriesOf(Books() + "/Animals"), QStringList{"cat.bmp"});
    }

    void notAPack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no marker") << QByteArray("Animals|cat.bmp") + OutlineBmp();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("picture named .vpk") << OutlineBmp();
    }
    void notAPack()
    {
        QFETCH(QByteArray, bytes);
        WriteFile(PackPath(), bytes);
        const QStringList before = TreeOf(m_dir->path());
        ExpectNothingMade(ImportPack(PackPath(), Books()), kNoMarkerMessage, before);
    }

    void hostileNames_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("parts");
        QTest::addColumn<QString>("named"); // what the second line must name; empty: no entry to name
        const QByteArray longName(256, 'a');
        const QList<QByteArray> names{"..", ".", "..\\..\\x", "/etc/x", "C:\\x", "C:", "a/b", "../x", "a*b",
                                      "a?b", "a\"b", "a<b", "a>b", "", "a\tb", "a\x01" "b", "a\x81" "b", longName};
        for (const QByteArray &name : names) {
            QTest::addRow("book %s", name.toPercentEncoding().constData()) << name + "|cat.bmp" << 1 << "The book name \"";
            QTest::addRow("file %s", name.toPercentEncoding().constData())
                << "Animals|cat.bmp|" + name << 2 << "The picture name \"";
        }
        // Names a book folder cannot take on Windows, or that the library would never list as pictures.
        for (const char *name : {"   ", "Animals.", "Animals ", "CON", "lpt1"})
            QTest::addRow("book '%s'", name) << QByteArray(name) + "|cat.bmp" << 1
                                             << "The book name \"" + QString(name) + "\"";
        for (const char *name : {"readme.txt", "setup.exe", "picture", "cat.bmp.", "cat.bmp ", "nul.bmp", "Com3.gif"})
            QTest::addRow("picture '%s'", name)
                << "Animals|cat.bmp|" + QByteArray(name) << 2 << "The picture name \"" + QString(name) + "\"";
        QTest::newRow("a part without a name") << QByteArray("Animals|cat.bmp") << 2 << QString();
        QTest::newRow("no names at all") << QByteArray("Animals") << 1 << QString();
    }
    void hostileNames()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, parts);
        QFETCH(QString, named);
        WriteFile(PackPath(), HandMadePack(header, QList<QByteArray>(parts, OutlineBmp())));
        const QStringList before = TreeOf(m_dir->path());
        const PackImport result = ImportPack(PackPath(), Books());
        QVERIFY(!QFile::exists("/etc/x"));
        if (named.isEmpty()) {
            ExpectNothingMade(result, kHeaderMessage, before);
            return;
        }
        const QStringList lines = result.message.split("\r\n");
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0] + "\r\n", kDamagedStart);
        QVERIFY2(lines[1].startsWith("Could not read from the header information. " + named), qPrintable(lines[1]));
        QCOMPARE("\r\n" + lines[2], kDamagedEnd);
        QVERIFY(!result.ok);
        QCOMPARE(TreeOf(m_dir->path()), before);
    }

    void partThatIsNoPicture_data()
    {
        QTest::addColumn<QByteArray>("part");
        QTest::newRow("text") << QByteArray("hello");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut picture") << OutlineBmp().left(500);
    }
    void partThatIsNoPicture()
    {
        QFETCH(QByteArray, part);
        WriteFile(PackPath(), HandMadePack("Animals|cat.bmp|dog.bmp", {OutlineBmp(), part}));
        const QStringList before = TreeOf(m_dir->path());
        const PackImport result = ImportPack(PackPath(), Books());
        QVERIFY2(result.message.startsWith(kDamagedStart + "The picture dog.bmp "), qPrintable(result.message));
        QVERIFY(result.message.endsWith(kDamagedEnd));
        QVERIFY(!result.ok);
        QCOMPARE(TreeOf(m_dir->path()), before);
    }

    void unreadablePack_data()
    {
        QTest::addColumn<qint64>("size"); // -1: no file
        QTest::newRow("missing") << qint64(-1);
        QTest::newRow("over 1 GiB") << kMaxPackBytes + 1;
    }
    void unreadablePack()
    {
        QFETCH(qint64, size);
        if (size >= 0) {
            QFile file(PackPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size)); // sparse: takes no room on the disk
        }
        const QStringList before = TreeOf(m_dir->path());
        const PackImport result = ImportPack(PackPath(), Books());
        QVERIFY2(result.message.startsWith(kDamagedStart), qPrintable(result.message));
        QVERIFY(result.message.endsWith(kDamagedEnd));
        QVERIFY(result.message.size() > kDamagedStart.size() + kDamagedEnd.size());
        QCOMPARE(TreeOf(m_dir->path()), before);
    }

    void fullDiskLeavesNoHalfBook()
    {
        const QByteArray big = OutlineBmp(0, QSize(300, 300)); // about 270 KB
        WriteFile(PackPath(), HandMadePack("Animals|a.bmp|b.bmp|c.bmp", {OutlineBmp(1), OutlineBmp(2), big}));
        const QStringList before = TreeOf(m_dir->path());
        PackImport result;
        {
            FullDiskGuard full(100 * 1024);
            result = ImportPack(PackPath(), Books());
        }
        QVERIFY2(result.message.startsWith(kWritingStart), qPrintable(result.message));
        QVERIFY(result.message.size() > kWritingStart.size());
        QVERIFY(!result.ok);
        QCOMPARE(TreeOf(m_dir->path()), before);
    }
};

QTEST_MAIN(TestPackImport)
#include "test_pack_import.moc"
