#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

#include "sound/sound_effects.h"
#include "sound/sound_qt_output.h"
#include "resources/resource_names.h"
#include "tests/sound/wav_fixture.h"

namespace {

// Collects every message Qt logs while it lives, instead of printing them.
class MessageCapture {
public:
    MessageCapture() { m_previous = qInstallMessageHandler(Record); }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    static inline QStringList messages;

private:
    static void Record(QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; }
    QtMessageHandler m_previous;
};

} // namespace

class TestSoundQtOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(WriteFile(m_dir.filePath("POP0.wav"), ToneWav(200)));
        QVERIFY(WriteFile(m_dir.filePath("OK.wav"), ToneWav(250)));
        QVERIFY(WriteFile(m_dir.filePath("BAD.wav"), "RIFF junk, not a sound"));
    }

    // Runs first, before anything else has asked Qt about audio devices: without
    // one the program says so in exactly one line and stays silent.
    void outputForThisMachine()
    {
        std::unique_ptr<SoundOutput> output;
        {
            MessageCapture capture;
            output = MakeSoundOutput();
        }
        QVERIFY(output);
        if (dynamic_cast<SilentSoundOutput *>(output.get())) {
            QCOMPARE(MessageCapture::messages, QStringList{"Velmora: no audio output found; sound effects are off."});
            QCOMPARE(output->LengthMs("OK"), qint64(0));
        } else {
            QVERIFY(dynamic_cast<QtSoundOutput *>(output.get()));
            QCOMPARE(MessageCapture::messages, QStringList());
        }
    }

    // With or without a device: playing, replaying, stopping, missing and damaged
    // clips neither crash, hang nor fill the log.
    void playsWithoutFuss()
    {
        MessageCapture::messages.clear();
        QtSoundOutput output([this](const QString &name) { return m_dir.filePath(name + ".wav"); });
        QCOMPARE(output.LengthMs("POP0"), qint64(200));
        QCOMPARE(output.LengthMs("MISSING"), qint64(0));
        QCOMPARE(output.LengthMs("BAD"), qint64(0));
        {
            MessageCapture capture;
            output.Play("MISSING");
            output.Play("BAD");
            output.Play("POP0");
            QTest::qWait(50);
            output.Play("POP0");
            output.Stop();
            output.Play("POP0");
            QTest::qWait(300);
        }
        const QStringList complaints =
            MessageCapture::messages.filter("MISSING") + MessageCapture::messages.filter("BAD");
        QCOMPARE(complaints, QStringList());
    }

    // The whole chain: the OK returns after its clip's length, heard or not.
    void okReturnsAfterItsLength()
    {
        SoundEffects sounds{
            std::make_unique<QtSoundOutput>([this](const QString &name) { return m_dir.filePath(name + ".wav"); })};
        QElapsedTimer elapsed;
        elapsed.start();
        sounds.PlayMessageOk();
        QVERIFY2(elapsed.elapsed() >= 250, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY2(elapsed.elapsed() < 2000, qPrintable(QString::number(elapsed.elapsed())));
    }

    // The compiled-in clips are found by name and are whole WAVE files, short
    // enough for the OK not to be cut off; a name that does not exist is silent.
    // The output goes away with clips still loading, which must not hang the
    // program's exit.
    void compiledInClips()
    {
        QtSoundOutput output;
        QCOMPARE(output.LengthMs("NO_SUCH_SOUND"), qint64(0));
        output.Play("NO_SUCH_SOUND");
        QStringList played = {"OK"};
        for (const auto &[family, count] :
             {std::pair{"POP", 4}, {"B", 6}, {"MESSAGE", 3}, {"PRESS", 2}, {"NEW", 2}, {"CANCEL", 4}})
            for (int n = 0; n < count; ++n)
                played << family + QString::number(n);
        int present = 0;
        for (const QString &name : played) {
            if (!QFile::exists(ResourceNames::Sound(name)))
                continue;
            ++present;
            const qint64 length = output.LengthMs(name);
            QVERIFY2(length > 0 && length <= SoundEffects::kLongestWaitMs, qPrintable(name));
        }
        if (present == 0)
            QSKIP("no sounds are compiled in yet");
        QCOMPARE(present, played.size());
    }

private:
    QTemporaryDir m_dir;
};

// Qt Multimedia 6.4 keeps its sample cache in a global destroyed at exit, after
// the application object, while the cache's loader thread may still deliver
// events: a process whose tests all passed was seen to crash there. The test
// ends before that teardown; this can go with a Qt whose cache is torn down
// with the application.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    TestSoundQtOutput test;
    const int status = QTest::qExec(&test, argc, argv);
    std::fflush(nullptr);
    std::_Exit(status);
}
#include "test_sound_qt_output.moc"
