// Inputs the fuzzers (fuzz/) once crashed on, byte for byte, each fed again to
// the reader it broke. Under the sanitizer build a relapse stops the test; in
// any build the reader's answer is checked.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "image/picture_reader.h"
#include "image/picture_structure.h"
#include "library/pack/pack_import.h"
#include "library/thumbnail_file.h"
#include "parental/settings_file.h"

namespace {

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString ErrorName(PictureReadError error)
{
    switch (error) {
    case PictureReadError::None: return QStringLiteral("none");
    case PictureReadError::Missing: return QStringLiteral("missing");
    case PictureReadError::NotAPicture: return QStringLiteral("not a picture");
    case PictureReadError::Damaged: return QStringLiteral("damaged");
    case PictureReadError::TooLarge: return QStringLiteral("too large");
    }
    return QString();
}

} // namespace

class TestFuzzedInputs : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // What the reader of `kind` makes of `bytes`, in a few words.
    QString Outcome(const QString &kind, const QByteArray &bytes)
    {
        if (kind == QLatin1String("picture")) {
            const PictureRead read = ReadPictureBytes(bytes, QStringLiteral("fuzzed"));
            const PictureLayout layout = InspectPicture(bytes, "bmp");
            return ErrorName(read.error) + (layout.incomplete.isEmpty() ? QString() : QStringLiteral(", incomplete"));
        }
        if (kind == QLatin1String("settings")) {
            const QString path = m_dir.filePath(QStringLiteral("Settings.ini"));
            WriteBytes(path, bytes);
            MainWindowSettings settings;
            OptionsValues values;
            return QStringLiteral("main %1, options %2")
                .arg(ReadMainWindowSettings(path, settings) ? "read" : "refused",
                     ReadOptionsValues(path, values) ? "read" : "refused");
        }
        if (kind == QLatin1String("pack")) {
            const QString pack = m_dir.filePath(QStringLiteral("fuzzed.vpk"));
            const QString books = m_dir.filePath(QStringLiteral("books"));
            WriteBytes(pack, bytes);
            const PackImport import = ImportPack(pack, books);
            const bool empty = QDir(books).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            return QStringLiteral("%1, %2").arg(import.ok ? "imported" : "refused", empty ? "nothing made" : "made");
        }
        // The thumbnail target: the first byte 2 puts the rest into both the
        // picture and its cached thumbnail file.
        const QString picture = m_dir.filePath(QStringLiteral("picture.gif"));
        WriteBytes(picture, bytes.mid(1));
        WriteBytes(ThumbnailPathOf(picture), bytes.mid(1));
        const ThumbnailResult thumbnail = EnsureThumbnail(picture);
        return thumbnail.ok() ? QStringLiteral("thumbnail") : QStringLiteral("no thumbnail");
    }

private Q_SLOTS:
    void crashers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome");
        // A BMP header of 2^28 x 2^28 pixels at 24960 bits each: rows times row
        // bytes passed 64 bits while the header was checked for a cut.
        QTest::newRow("bmp size overflow") << QStringLiteral("picture")
            << QByteArray::fromHex("424d6e000000000000003e000000280000000a001111001111110100806100000000")
            << QStringLiteral("too large, incomplete");
        QTest::newRow("bmp size overflow in a pack") << QStringLiteral("pack")
            << QByteArray::fromHex("6e7c619599939694949b959897959995424d6e0000000000003e747c7c7c7c7c7c7c7c7c7c7c7c"
                                   "7c7c7b7cffff0000000000")
            << QStringLiteral("refused, nothing made");
        QTest::newRow("bmp size overflow as picture and thumbnail") << QStringLiteral("thumbnail")
            << QByteArray::fromHex("02424d473a460043020002027e00383961020002008000474946383761ff2c00000000")
            << QStringLiteral("no thumbnail");
        // A check-box number past what a whole number holds was rounded.
        QTest::newRow("check box beyond 64 bits") << QStringLiteral("settings")
            << QByteArray::fromHex("3636363636363636363636363636363636363630") << QStringLiteral("main refused, options refused");
        QTest::newRow("check box beyond 64 bits, whole file") << QStringLiteral("settings")
            << QByteArray(" 66666666666666666666 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\npw\r\nhint\r\n")
            << QStringLiteral("main read, options refused");
        // A bubble speed past a float's range was converted to a float; both readers refuse it now.
        QTest::newRow("bubble speed beyond a float") << QStringLiteral("settings")
            << QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 1e300 \r\npw\r\nhint\r\n") << QStringLiteral("main refused, options refused");
    }
    void crashers()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QVERIFY(m_dir.isValid());
        QCOMPARE(Outcome(kind, bytes), outcome);
    }
};

QTEST_GUILESS_MAIN(TestFuzzedInputs)
#include "test_fuzzed_inputs.moc"
