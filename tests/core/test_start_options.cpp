#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "core/rounding.h"
#include "core/start_options.h"
#include "library/program_folder.h"

class TestStartOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsRootAndWindowed()
    {
        const StartOptions options =
            ParseStartOptions({"velmora", "--root", "/tmp/x", "--windowed", "--picture", "cat.gif"});
        QVERIFY(options.error.isEmpty());
        QCOMPARE(options.root, QStringLiteral("/tmp/x"));
        QVERIFY(options.windowed);
        QCOMPARE(options.picture, QStringLiteral("cat.gif"));

        const StartOptions plain = ParseStartOptions({"velmora"});
        QVERIFY(plain.root.isEmpty());
        QVERIFY(!plain.windowed);
    }

    void unknownOrIncompleteOptionsAreErrors()
    {
        QVERIFY(!ParseStartOptions({"velmora", "--bogus"}).error.isEmpty());
        QVERIFY(!ParseStartOptions({"velmora", "--root"}).error.isEmpty());
    }

    void programFolderComesFromTheFirstCandidateThatApplies()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString portable = work.filePath("portable");
        const QString installed = work.filePath("installed");
        QVERIFY(QDir().mkpath(portable + "/books"));
        QVERIFY(QDir().mkpath(installed));

        ProgramFolderCandidates candidates{work.filePath("cli"), work.filePath("env"), portable, work.filePath("data")};
        QCOMPARE(ChooseProgramFolder(candidates), work.filePath("cli"));
        candidates.commandLineRoot.clear();
        QCOMPARE(ChooseProgramFolder(candidates), work.filePath("env"));
        candidates.environmentRoot.clear();
        QCOMPARE(ChooseProgramFolder(candidates), portable);
        candidates.executableFolder = installed; // no "books" beside the program: not portable
        QCOMPARE(ChooseProgramFolder(candidates), work.filePath("data"));
    }

    void relativeRootBecomesAbsolute()
    {
        const QString chosen = ChooseProgramFolder({"some/where/../root", {}, {}, {}});
        QVERIFY(QDir::isAbsolutePath(chosen));
        QVERIFY(chosen.endsWith("/some/root"));
    }

    void roundsHalvesToEven()
    {
        const struct {
            double value;
            long long expected;
        } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}, {2.6, 3}, {-2.6, -3}, {7.0, 7}};
        for (const auto &c : cases)
            QCOMPARE(RoundHalfEven(c.value), c.expected);
    }
};

QTEST_GUILESS_MAIN(TestStartOptions)
#include "test_start_options.moc"
