// Kills a program in the middle of its writes, again and again at random
// moments, and checks that no file is ever lost or half-written: each one is
// its old or its new version, the library still loads and the settings read.
// VELMORA_KILLS sets the number of kills (spread over the kinds),
// VELMORA_KILL_SEED repeats a run's random moments.
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstring>

#include "library/book_loader.h"
#include "library/library_layout.h"
#include "parental/settings_file.h"
#include "tests/faults/fault_kinds.h"
#include "tests/support/file_faults.h"

namespace {

using Files = QMap<QString, QByteArray>; // path inside the program folder -> contents

Files FilesUnder(const QString &root)
{
    Files files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), ContentsOf(path));
    }
    return files;
}

bool RunWriter(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral(VELMORA_FAULT_WRITER), arguments) == 0;
}

bool IsThumbnail(const QString &path)
{
    return path.endsWith(QLatin1String(LibraryLayout::kThumbnailSuffix));
}

// A file the kill left beside the ones the program knows: the writer's
// temporary file, never a name the library or the settings would read.
bool IsHarmlessLeftover(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return !LibraryLayout::IsPictureFileName(name) && !IsThumbnail(name) &&
           name.compare(QLatin1String("Settings.ini"), Qt::CaseInsensitive) != 0 &&
           !name.endsWith(QLatin1String(".vpk"));
}

struct Figures {
    int kills = 0;
    int oldFiles = 0;
    int newFiles = 0;
    QSet<QString> leftovers; // each temporary file or folder a kill left
    int staleThumbnails = 0;
};

} // namespace

class TestKillWrites : public QObject {
    Q_OBJECT

    quint32 m_seed = 0;
    int m_killsPerKind = 50;

    QRandomGenerator m_random;

    bool Setup(const QString &kind, const QString &root) { return RunWriter({"setup", kind, root}); }

    // Starts the endless write, waits until it writes, and kills it after a random delay.
    void KillWhileWriting(const QString &kind, const QString &root)
    {
        QProcess writer;
        writer.start(QStringLiteral(VELMORA_FAULT_WRITER), {"loop", kind, root});
        QVERIFY(writer.waitForReadyRead(10000));
        QThread::msleep(m_random.bounded(60));
        if (writer.state() != QProcess::Running)
            QFAIL(qPrintable("the writer stopped by itself: " + writer.readAllStandardError()));
        writer.kill();
        QVERIFY(writer.waitForFinished(10000));
    }

    // Every file of the references is there and is one of its versions.
    void CheckOldOrNew(const QString &root, const Files &before, const Files &after, Figures &figures,
                       QHash<QString, int> &versions)
    {
        const Files now = FilesUnder(root);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (IsThumbnail(it.key()))
                continue; // deleted and built again by design
            QVERIFY2(now.contains(it.key()), qPrintable(it.key() + " is missing"));
            const QByteArray &bytes = now[it.key()];
            const bool old = bytes == it.value();
            QVERIFY2(old || bytes == after.value(it.key()), qPrintable(it.key() + " is neither old nor new"));
            if (it.value() != after.value(it.key())) {
                old ? ++figures.oldFiles : ++figures.newFiles;
                versions[it.key()] = old ? 0 : 1;
            }
        }
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (before.contains(it.key()) || IsThumbnail(it.key()))
                continue;
            QVERIFY2(IsHarmlessLeftover(it.key()), qPrintable(it.key() + " was left behind"));
            figures.leftovers.insert(it.key());
        }
    }

    // The library loads, each thumbnail shows its picture as it is now, and the settings read.
    void CheckProgramStarts(const QString &root, const Files &before, const Files &after,
                            const QHash<QString, int> &versions, Figures &figures)
    {
        const LoadedSheet sheet = LoadBooks(root, 800, {{}, 1});
        QVERIFY2(sheet.ok(), qPrintable(sheet.error));
        const Files now = FilesUnder(root);
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (!IsThumbnail(it.key()) || !before.contains(it.key()))
                continue;
            const QString picture = it.key().chopped(qsizetype(strlen(LibraryLayout::kThumbnailSuffix)));
            const bool fresh = it.value() == (versions.value(picture, 0) ? after : before).value(it.key());
            // Killed between the picture's write and its thumbnail's deletion
            // (a few microseconds), the old thumbnail stays: counted, not lost work.
            const bool stale = it.value() == (versions.value(picture, 0) ? before : after).value(it.key());
            QVERIFY2(fresh || stale, qPrintable(it.key() + " is no thumbnail of either version"));
            figures.staleThumbnails += stale && !fresh;
        }
        OptionsValues values;
        QVERIFY(ReadOptionsValues(SettingsFilePath(root), values));
    }

    // The pack's book is there complete or not at all; an unfinished import is never listed.
    void CheckImportedBooks(const QString &root, const Files &book, Figures &figures)
    {
        const QString books = LibraryLayout::BooksFolder(root);
        const QStringList all = QDir(books).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &name : all) {
            if (name.startsWith(QLatin1String(LibraryLayout::kUnfinishedImportPrefix))) {
                figures.leftovers.insert(name);
                QVERIFY(!LibraryLayout::ListFolders(books).contains(name));
                continue;
            }
            if (name == QLatin1String("animals") || name == QLatin1String("own pictures"))
                continue;
            QVERIFY2(name == QLatin1String("Farm") || name.startsWith(QLatin1String("Farm_")), qPrintable(name));
            Files imported = FilesUnder(books + QLatin1Char('/') + name);
            imported.removeIf([](Files::iterator file) { return IsThumbnail(file.key()); });
            QVERIFY2(imported == book, qPrintable(name + " is not the whole pack"));
            ++figures.newFiles;
        }
        const LoadedSheet sheet = LoadBooks(root, 800, {{}, 1});
        QVERIFY2(sheet.ok(), qPrintable(sheet.error));
        QVERIFY(QDir(books)
                    .entryList({QString::fromLatin1(LibraryLayout::kUnfinishedImportPrefix) + QLatin1Char('*')},
                               QDir::Dirs | QDir::Hidden)
                    .isEmpty());
        // Room for the next round: the imported books go again.
        for (const QString &name : QDir(books).entryList({"Farm*"}, QDir::Dirs))
            QVERIFY(QDir(books + QLatin1Char('/') + name).removeRecursively());
    }

private slots:
    void initTestCase()
    {
        const QByteArray seed = qgetenv("VELMORA_KILL_SEED");
        m_seed = seed.isEmpty() ? QRandomGenerator::global()->generate() : seed.toUInt();
        m_random.seed(m_seed);
        const int kills = qEnvironmentVariableIntValue("VELMORA_KILLS");
        if (kills > 0)
            m_killsPerKind = (kills + int(kFaultKindNames.size()) - 1) / int(kFaultKindNames.size());
        qInfo("kill seed %u (VELMORA_KILL_SEED repeats it), %d kills per kind", m_seed, m_killsPerKind);
    }

    void killedWriteLeavesOldOrNew_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString &kind : kFaultKindNames)
            QTest::newRow(qPrintable(kind)) << kind;
    }

    void killedWriteLeavesOldOrNew()
    {
        QFETCH(QString, kind);
        QTemporaryDir oldRoot, newRoot, root;
        QVERIFY(Setup(kind, oldRoot.path()) && Setup(kind, newRoot.path()) && Setup(kind, root.path()));
        QVERIFY(RunWriter({"write", kind, newRoot.path(), "1"}));
        QVERIFY(LoadBooks(oldRoot.path(), 800, {{}, 1}).ok() && LoadBooks(newRoot.path(), 800, {{}, 1}).ok());
        QVERIFY(LoadBooks(root.path(), 800, {{}, 1}).ok());
        const Files before = FilesUnder(oldRoot.path());
        const Files after = FilesUnder(newRoot.path());
        const bool import = kind == QLatin1String("packimport");
        Files book = FilesUnder(LibraryLayout::BooksFolder(newRoot.path()) + QStringLiteral("/Farm"));
        book.removeIf([](Files::iterator file) { return IsThumbnail(file.key()); });
        QVERIFY(!import || book.size() == kFaultPackPictures.size());

        Figures figures;
        for (int i = 0; i < m_killsPerKind; ++i) {
            KillWhileWriting(kind, root.path());
            ++figures.kills;
            if (import) {
                CheckImportedBooks(root.path(), book, figures);
                continue;
            }
            QHash<QString, int> versions;
            CheckOldOrNew(root.path(), before, after, figures, versions);
            CheckProgramStarts(root.path(), before, after, versions, figures);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%s: %d kills; files found old %d, new %d; leftovers %d; stale thumbnails %d", qPrintable(kind),
              figures.kills, figures.oldFiles, figures.newFiles, int(figures.leftovers.size()),
              figures.staleThumbnails);
        if (!import && !figures.leftovers.isEmpty())
            qInfo("left behind: %s", qPrintable(QStringList(figures.leftovers.values()).join(QStringLiteral(", "))));
        QVERIFY(figures.kills == m_killsPerKind);
    }
};

QTEST_GUILESS_MAIN(TestKillWrites)
#include "test_kill_writes.moc"
