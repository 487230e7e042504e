#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "sound/sound_wav.h"
#include "tests/sound/wav_fixture.h"

namespace {

// The tone with `chunk` (id, size field and body) put between "WAVE" and "fmt ".
QByteArray WithChunkFirst(const QByteArray &wav, const QByteArray &chunk)
{
    return wav.left(12) + chunk + wav.mid(12);
}

QByteArray Patched(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

} // namespace

class TestSoundWav : public QObject {
    Q_OBJECT

private slots:
    void length_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("expected");
        const QByteArray tone = ToneWav(250);
        // Offsets in the tone: 16 fmt size, 20 format tag, 28 byte rate, 32 block align, 40 data size.
        QTest::newRow("quarter second") << tone << qint64(250);
        QTest::newRow("one second at 22050 Hz") << ToneWav(1000, 22050) << qint64(1000);
        QTest::newRow("odd chunk before the format, padded")
            << WithChunkFirst(tone, QByteArray("LIST\x03\0\0\0abc\0", 12)) << qint64(250);
        QTest::newRow("trailing bytes after the data") << tone + QByteArray(7, 'x') << qint64(250);
        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("garbage") << QByteArray("this is not a sound at all, just text") << qint64(0);
        QTest::newRow("RIFF of another kind") << QByteArray("RIFF\x04\0\0\0AVI ", 12) << qint64(0);
        QTest::newRow("cut inside the header") << tone.left(30) << qint64(0);
        QTest::newRow("cut inside the data") << tone.left(tone.size() - 100) << qint64(0);
        QTest::newRow("no format chunk") << tone.left(12) + tone.mid(36) << qint64(0);
        QTest::newRow("zero byte rate") << Patched(tone, 28, 0) << qint64(0);
        QTest::newRow("byte rate at odds with the rate") << Patched(tone, 28, 1) << qint64(0);
        QTest::newRow("compressed format") << Patched(tone, 20, 0x11) << qint64(0);
        QTest::newRow("huge format chunk") << Patched(tone, 16, 0xFFFFFFF0u) << qint64(0);
        QTest::newRow("huge data chunk") << Patched(tone, 40, 0xFFFFFFF0u) << qint64(0);
    }
    void length()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, expected);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(WavLengthMs(buffer), expected);
    }

    void fileLength()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString good = dir.filePath("OK.wav");
        QVERIFY(WriteFile(good, ToneWav(400)));
        QCOMPARE(WavFileLengthMs(good), qint64(400));
        QCOMPARE(WavFileLengthMs(dir.filePath("missing.wav")), qint64(0));
        QCOMPARE(WavFileLengthMs(dir.path()), qint64(0)); // a folder, not a file
    }
};

QTEST_GUILESS_MAIN(TestSoundWav)
#include "test_sound_wav.moc"
