// A child colours in the real window and the power goes: the program is
// killed (SIGKILL) at random moments. Each time the coloured file must still
// decode, hold every stroke that ended more than two seconds before the kill,
// and no temporary file may be left beside it.
// VELMORA_COLOURING_KILLS sets the number of kills (12 unless set; hundreds
// for a long run, in rows of 12, each well inside QtTest's time limit),
// VELMORA_KILL_SEED repeats a run.
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>

#include "canvas/lossless_copy.h"
#include "image/picture_reader.h"
#include "library/library_layout.h"
#include "tests/faults/colouring_page.h"

namespace {

constexpr qint64 kSavedWithinMs = 2000;
constexpr int kKillsPerRow = 12;

struct Stroke {
    int cell;
    qint64 endedAt;
};

QList<Stroke> StrokesOf(const QByteArray &output)
{
    QList<Stroke> strokes;
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3 && words[0] == "stroke")
            strokes.append({words[1].toInt(), words[2].toLongLong()});
    }
    return strokes;
}

bool Coloured(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

} // namespace

class TestKillColouring : public QObject {
    Q_OBJECT

    quint32 m_seed = 0;
    int m_kills = 12;
    int m_strokesChecked = 0;

private Q_SLOTS:
    void initTestCase()
    {
        m_seed = qEnvironmentVariableIsSet("VELMORA_KILL_SEED") ? quint32(qEnvironmentVariableIntValue("VELMORA_KILL_SEED"))
                                                                 : QRandomGenerator::global()->generate();
        if (qEnvironmentVariableIntValue("VELMORA_COLOURING_KILLS") > 0)
            m_kills = qEnvironmentVariableIntValue("VELMORA_COLOURING_KILLS");
        qInfo("kill seed %u (VELMORA_KILL_SEED repeats it), %d kills", m_seed, m_kills);
    }

    // The kills found strokes to check at all.
    void cleanupTestCase() { QVERIFY(m_strokesChecked > 0); }

    void everyStrokeOlderThanTwoSecondsSurvivesTheKill_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        for (int first = 0; first < m_kills; first += kKillsPerRow)
            QTest::addRow("kills %d-%d", first, std::min(first + kKillsPerRow, m_kills) - 1)
                << first << std::min(kKillsPerRow, m_kills - first);
    }
    void everyStrokeOlderThanTwoSecondsSurvivesTheKill()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QRandomGenerator random(m_seed + quint32(first));
        int strokesChecked = 0;
        for (int kill = first; kill < first + count; ++kill) {
            QTemporaryDir root;
            QVERIFY(QDir().mkpath(root.filePath("books/kill")));
            QVERIFY(ColouringPage().save(root.path() + kColouringPage, "bmp"));
            QFile settings(root.filePath("Settings.ini"));
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(" 0 \r\n 1 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n");
            settings.close();

            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            child.setProcessEnvironment(environment);
            child.start(QStringLiteral(VELMORA_COLOURING_CHILD), {root.path(), QString::number(random.generate())});
            QVERIFY(child.waitForStarted());
            QByteArray output;
            while (!output.contains("ready\n")) {
                QVERIFY2(child.waitForReadyRead(20000), "the child did not start colouring");
                output += child.readAllStandardOutput();
            }
            QElapsedTimer colouring;
            colouring.start();
            const int killAfter = 1000 + random.bounded(6000);
            while (colouring.elapsed() < killAfter) {
                child.waitForReadyRead(20);
                output += child.readAllStandardOutput();
            }
            const qint64 killedAt = QDateTime::currentMSecsSinceEpoch();
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            output += child.readAllStandardOutput();

            const QString coloured = LibraryLayout::ColouredPictureOf(root.path(), "kill", "grid.bmp");
            QList<int> due;
            for (const Stroke &stroke : StrokesOf(output))
                if (stroke.endedAt < killedAt - kSavedWithinMs)
                    due << stroke.cell;
            const QString where = QStringLiteral("kill %1 after %2 ms").arg(kill).arg(killAfter);
            if (!due.isEmpty()) {
                const PictureRead read = ReadPicture(coloured);
                QVERIFY2(read.ok(), qPrintable(where + ": the coloured file does not decode: " + read.detail));
                const QImage exact = ReadLosslessCopy(coloured, read.image.size());
                for (int cell : due) {
                    const QPoint centre = CellCentre(cell).toPoint();
                    QVERIFY2(Coloured(read.image.pixel(centre)),
                             qPrintable(where + QStringLiteral(": cell %1 is not in the JPEG").arg(cell)));
                    if (!exact.isNull())
                        QVERIFY2(Coloured(exact.pixel(centre)),
                                 qPrintable(where + QStringLiteral(": cell %1 is not in the copy").arg(cell)));
                    ++strokesChecked;
                }
            }
            const QStringList kept = {QStringLiteral("grid.bmp.jpg"), QStringLiteral("grid.bmp.jpg.vlm"),
                                      QStringLiteral("grid.bmp.jpg") + LibraryLayout::kLosslessSuffix};
            for (const QString &name : QDir(QFileInfo(coloured).path()).entryList(QDir::Files | QDir::Hidden))
                QVERIFY2(kept.contains(name), qPrintable(where + ": " + name + " was left behind"));
        }
        qInfo("%d kills, %d strokes found saved", count, strokesChecked);
        m_strokesChecked += strokesChecked;
    }
};

QTEST_GUILESS_MAIN(TestKillColouring)
#include "test_kill_colouring.moc"
