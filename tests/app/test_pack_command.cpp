#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/pack_fixture.h"
#include "tests/support/file_faults.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The built program, run with no display at all.
Run Velmora(const QStringList &arguments, const QString &velmoraRoot = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELMORA_ROOT"})
        environment.remove(QString::fromLatin1(name));
    if (!velmoraRoot.isEmpty())
        environment.insert(QStringLiteral("VELMORA_ROOT"), velmoraRoot);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}


} // namespace

class TestPackCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("alone") << QStringList{"--help"};
        QTest::newRow("after an option") << QStringList{"--windowed", "--help"};
    }
    void help()
    {
        QFETCH(QStringList, arguments);
        const Run run = Velmora(arguments);
        QCOMPARE(run.status, 0);
        for (const char *listed : {"--root DIR", "--windowed", "--picture FILE", "pack create FOLDER OUT.vpk",
                                   "pack import FILE.vpk [--root DIR]"})
            QVERIFY2(run.out.contains(QLatin1String(listed)), listed);
    }

    void createThenImport()
    {
        QTemporaryDir dir;
        const QString animals = dir.filePath("Animals");
        QDir().mkpath(animals);
        const QByteArray cat = OutlineBmp(1), dog = OutlineBmp(2);
        WriteFile(animals + "/Dog.bmp", dog);
        WriteFile(animals + "/cat.bmp", cat);
        WriteFile(animals + "/notes.txt", "not a picture, not listed");

        Run run = Velmora({"pack", "create", animals, dir.filePath("animals")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QStringLiteral("The Picture Pack has been successfully created!\n"));
        QCOMPARE(run.status, 0);
        const QString pack = dir.filePath("animals.vpk");
        QCOMPARE(ContentsOf(pack), HandMadePack("Animals|cat.bmp|Dog.bmp", {cat, dog}));

        run = Velmora({"pack", "import", pack, "--root", dir.filePath("root")});
        QCOMPARE(run.out, AddedMessage("Animals") + "\n");
        QCOMPARE(run.status, 0);
        QCOMPARE(ContentsOf(dir.filePath("root/books/Animals/cat.bmp")), cat);
        QCOMPARE(ContentsOf(dir.filePath("root/books/Animals/Dog.bmp")), dog);

        run = Velmora({"pack", "import", pack}, dir.filePath("root"));
        QCOMPARE(run.out, AddedMessage("Animals_1") + "\n");
        QCOMPARE(run.status, 0);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("not a pack") << QStringList{"pack", "import", "@/picture.vpk", "--root", "@/root"} << 1
                                    << "The file could not be read from header.";
        QTest::newRow("no pictures") << QStringList{"pack", "create", "@/root", "@/out.vpk"} << 1 << "holds no pictures";
        QTest::newRow("unknown verb") << QStringList{"pack", "open", "@/picture.vpk"} << 2 << "usage:";
        QTest::newRow("missing argument") << QStringList{"pack", "import"} << 2 << "usage:";
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("root"));
        WriteFile(dir.filePath("picture.vpk"), OutlineBmp());
        arguments.replaceInStrings("@", dir.path());
        const Run run = Velmora(arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        QCOMPARE(TreeOf(dir.path()), (QStringList{"picture.vpk", "root"}));
    }
};

QTEST_MAIN(TestPackCommand)
#include "test_pack_command.moc"
