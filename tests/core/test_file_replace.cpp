#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "core/file_replace.h"
#include "tests/support/file_faults.h"

namespace {

const QDateTime kLongAgo(QDate(2021, 3, 14), QTime(15, 9, 26, 535), Qt::UTC);

void AgeFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(kLongAgo, QFileDevice::FileModificationTime));
    QVERIFY(file.setFileTime(kLongAgo.addDays(1), QFileDevice::FileAccessTime));
}

// Owner, group and others; the "user" bits describe this process, not the file.
constexpr QFileDevice::Permissions kStoredBits = QFileDevice::Permissions(0x7077);

} // namespace

class TestFileReplace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_target = m_dir->filePath("picture.jpg");
    }

    void createsANewFile()
    {
        QVERIFY(ReplaceFileContents(m_target, "new").ok());
        QCOMPARE(ContentsOf(m_target), QByteArray("new"));
        QCOMPARE(EntriesOf(m_dir->path()), QStringList{"picture.jpg"});
    }

    void replacingKeepsPermissionsAndOnRequestTheTimes()
    {
        QVERIFY(WriteFile(m_target, "old"));
        const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(m_target, permissions));
        AgeFile(m_target);

        QVERIFY(ReplaceFileContents(m_target, "new", KeepFileTimes::Yes).ok());
        QFileInfo replaced(m_target);
        QCOMPARE(replaced.permissions() & kStoredBits, permissions);
        QCOMPARE(replaced.lastModified().toUTC(), kLongAgo);
        QCOMPARE(replaced.lastRead().toUTC(), kLongAgo.addDays(1));
        QCOMPARE(ContentsOf(m_target), QByteArray("new")); // last: reading changes the access time

        QVERIFY(ReplaceFileContents(m_target, "newer", KeepFileTimes::No).ok());
        replaced.refresh();
        QVERIFY(replaced.lastModified() > kLongAgo.addDays(365));
        QCOMPARE(replaced.permissions() & kStoredBits, permissions);
    }

    void refusedTargetsLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        QTest::newRow("read-only file") << "picture.jpg" << int(FileReplaceError::TargetReadOnly);
        QTest::newRow("folder") << "folder" << int(FileReplaceError::TargetIsFolder);
        QTest::newRow("missing folder") << "nowhere/picture.jpg" << int(FileReplaceError::FolderMissing);
        QTest::newRow("no name") << "" << int(FileReplaceError::CannotCreate);
    }
    void refusedTargetsLeaveEverythingAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(int, expected);
        QVERIFY(WriteFile(m_target, "old"));
        QVERIFY(QFile::setPermissions(m_target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QVERIFY(QDir(m_dir->path()).mkdir("folder"));
        const QStringList before = EntriesOf(m_dir->path());

        const FileReplaceResult result = ReplaceFileContents(name.isEmpty() ? QString() : m_dir->filePath(name), "new");
        QCOMPARE(int(result.error), expected);
        QVERIFY(!result.detail.isEmpty());
        QCOMPARE(ContentsOf(m_target), QByteArray("old"));
        QCOMPARE(EntriesOf(m_dir->path()), before);
        QVERIFY(QFile::setPermissions(m_target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }

    void fullDiskKeepsTheOldFileAndLeavesNoTemporary()
    {
        QVERIFY(WriteFile(m_target, "old"));
        const QByteArray large(256 * 1024, 'x');
        FileReplaceResult result;
        {
            FullDiskGuard full(64 * 1024);
            result = ReplaceFileContents(m_target, large);
        }
        QCOMPARE(result.error, FileReplaceError::WriteFailed);
        QCOMPARE(ContentsOf(m_target), QByteArray("old"));
        QCOMPARE(EntriesOf(m_dir->path()), QStringList{"picture.jpg"});
    }

    void unwritableFolderOrImmutableFileIsAFailure()
    {
        QVERIFY(WriteFile(m_target, "old"));
        {
            ImmutableGuard locked(m_target);
            if (!locked.active())
                QSKIP("chattr +i is not available here");
            QVERIFY(!ReplaceFileContents(m_target, "new").ok());
            QCOMPARE(ContentsOf(m_target), QByteArray("old"));
            QCOMPARE(EntriesOf(m_dir->path()), QStringList{"picture.jpg"});
        }
        {
            ImmutableGuard locked(m_dir->path());
            QVERIFY(locked.active());
            QCOMPARE(ReplaceFileContents(m_target, "new").error, FileReplaceError::CannotCreate);
            QCOMPARE(ContentsOf(m_target), QByteArray("old"));
        }
        QCOMPARE(EntriesOf(m_dir->path()), QStringList{"picture.jpg"});
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_target;
};

QTEST_GUILESS_MAIN(TestFileReplace)
#include "test_file_replace.moc"
