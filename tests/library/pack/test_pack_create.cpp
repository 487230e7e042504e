#include <QTemporaryDir>
#include <QtTest>

#include "library/pack/pack_create.h"
#include "library/pack/scramble_string.h"
#include "tests/support/pack_fixture.h"
#include "tests/support/file_faults.h"

class TestPackCreate : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    QString Animals() const { return m_dir->filePath("Animals"); }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        WriteAnimals(m_dir->path());
        WriteFile(Animals() + "/dog.gif", PictureBytes(QImage::fromData(OutlineBmp(2)), "gif"));
    }
    void cleanup() { delete m_dir; }

    void targetPath_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "pack" << "pack.vpk";
        QTest::newRow(".vpk") << "pack.vpk" << "pack.vpk";
        QTest::newRow(".VPK") << "pack.VPK" << "pack.VPK.vpk";
        QTest::newRow(".Vpk") << "pack.Vpk" << "pack.Vpk.vpk";
        QTest::newRow("other extension") << "pack.vpk.bak" << "pack.vpk.bak.vpk";
    }
    void targetPath()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        const PackCreation made = CreatePack(Animals(), {"cat.bmp"}, m_dir->filePath(chosen));
        QVERIFY2(made.ok, qPrintable(made.message));
        QCOMPARE(made.path, m_dir->filePath(written));
        QVERIFY(QFile::exists(m_dir->filePath(written)));
        QCOMPARE(PackTargetPath(chosen), written);
    }

    void packHoldsTheBookAndPicturesInOrder()
    {
        const QString target = m_dir->filePath("animals.vpk");
        WriteFile(target, QByteArray(100000, 'x')); // replaced whole
        const PackCreation made = CreatePack(Animals() + '/', {"dog.gif", "cat.bmp"}, target);
        QCOMPARE(made.message, QStringLiteral("The Picture Pack has been successfully created!"));
        QVERIFY(made.ok);
        QCOMPARE(ContentsOf(target), QByteArray("Animals|dog.gif|cat.bmp") + PackMarker() +
                                         ContentsOf(Animals() + "/dog.gif") + PackMarker() +
                                         ContentsOf(Animals() + "/cat.bmp"));
        QCOMPARE(EntriesOf(m_dir->path()), (QStringList{"Animals", "animals.vpk"}));
    }

    void nothingWrittenWhenAPictureFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // written as Animals/name unless empty
        QTest::addColumn<QString>("named");    // what the message must name
        QTest::newRow("missing") << "gone.bmp" << QByteArray() << "\"gone.bmp\"";
        QTest::newRow("not a picture") << "notes.bmp" << QByteArray("just text") << "\"notes.bmp\"";
        QTest::newRow("cut picture") << "cut.bmp" << OutlineBmp().left(300) << "\"cut.bmp\"";
        QTest::newRow("name outside Windows-1252") << QStringLiteral("\u732B.bmp") << OutlineBmp()
                                                   << QStringLiteral("\"\u732B.bmp\"");
        QTest::newRow("bar in a name") << "a|b.bmp" << OutlineBmp() << "\"a|b.bmp\"";
        QTest::newRow("not named as a picture") << "readme.txt" << OutlineBmp() << "\"readme.txt\"";
        QTest::newRow("a name Windows keeps") << "aux.bmp" << OutlineBmp() << "\"aux.bmp\"";
        QTest::newRow("picture holding the marker") << "odd.bmp" << OutlineBmp() + PackMarker() << "\"odd.bmp\"";
    }
    void nothingWrittenWhenAPictureFails()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, named);
        if (!bytes.isEmpty())
            WriteFile(Animals() + '/' + name, bytes);
        const QString target = m_dir->filePath("animals.vpk");
        WriteFile(target, "old pack");
        const PackCreation made = CreatePack(Animals(), {"cat.bmp", name}, target);
        QVERIFY(!made.ok);
        QVERIFY2(made.message.contains(named), qPrintable(made.message));
        QCOMPARE(ContentsOf(target), QByteArray("old pack"));
    }

    void bookNameOutsideWindows1252IsRefused()
    {
        const QString folder = m_dir->filePath(QStringLiteral("\u041A\u043D\u0438\u0433\u0430"));
        QDir().mkpath(folder);
        WriteFile(folder + "/cat.bmp", OutlineBmp());
        const PackCreation made = CreatePack(folder, {"cat.bmp"}, m_dir->filePath("book.vpk"));
        QVERIFY(!made.ok);
        QVERIFY2(made.message.contains(QStringLiteral("\u041A\u043D\u0438\u0433\u0430")), qPrintable(made.message));
        QVERIFY(!QFile::exists(m_dir->filePath("book.vpk")));
    }

    void bookNameWindowsCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("book");
        QTest::newRow("only spaces") << "   ";
        QTest::newRow("ends in a dot") << "Animals.";
        QTest::newRow("ends in a space") << "Animals ";
        QTest::newRow("a device") << "Con";
    }
    void bookNameWindowsCannotHoldIsRefused()
    {
        QFETCH(QString, book);
        const QString folder = m_dir->filePath(book);
        QVERIFY(QDir().mkpath(folder));
        WriteFile(folder + "/cat.bmp", OutlineBmp());
        const PackCreation made = CreatePack(folder, {"cat.bmp"}, m_dir->filePath("book.vpk"));
        QVERIFY(!made.ok);
        QVERIFY2(made.message.startsWith("The name \"" + book + "\" cannot be stored in a Picture Pack: it "),
                 qPrintable(made.message));
        QVERIFY(!QFile::exists(m_dir->filePath("book.vpk")));
    }

    void savingFailure()
    {
        const PackCreation made = CreatePack(Animals(), {"cat.bmp"}, m_dir->filePath("no such folder/a.vpk"));
        QVERIFY(!made.ok);
        QCOMPARE(made.message, QStringLiteral("There was an error saving the Picture Pack. Please make sure that the "
                                              "folder you selected is not write protected and that there is enough space."));
    }
};

QTEST_MAIN(TestPackCreate)
#include "test_pack_create.moc"
