#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <thread>
#include <vector>

#include "image/picture_reader.h"
#include "tests/image/bmp_bytes.h"
#include "tests/support/file_faults.h"
#include "tests/support/picture_bytes.h"

namespace {

// A small page in a few exact colours, so that a GIF holds it exactly: a black
// outline, a red disc and a blue bar on white.
QImage Page(QSize size = QSize(48, 36))
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawEllipse(QRect(4, 4, size.width() / 2, size.height() / 2));
    painter.fillRect(QRect(size.width() * 2 / 3, 0, size.width() / 6, size.height()), QColor(30, 60, 200));
    return page;
}

struct Difference {
    int largest = 0;
    double mean = 0;
};

Difference Compare(const QImage &a, const QImage &b)
{
    Difference difference;
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                difference.largest = std::max(difference.largest, std::abs(d));
                total += std::abs(d);
            }
        }
    }
    difference.mean = double(total) / (3.0 * a.width() * a.height());
    return difference;
}

void PutBig16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToBigEndian(value, bytes.data() + at);
}

void PutLittle16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// A JPEG whose EXIF block says the camera was turned: orientation 6, shown
// turned 90 degrees clockwise.
QByteArray WithExifOrientation(const QByteArray &jpeg, quint16 orientation)
{
    QByteArray tiff("MM\0\x2A\0\0\0\x08", 8);   // big-endian, first directory at 8
    tiff += QByteArray("\0\x01", 2);             // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8); // orientation, SHORT, one value
    tiff += QByteArray(4, '\0');
    PutBig16(tiff, tiff.size() - 4, orientation);
    tiff += QByteArray(4, '\0'); // no further directory
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1\0\0", 4);
    PutBig16(segment, 2, quint16(exif.size() + 2));
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

// A JPEG whose scan stops half-way but which still ends in its end-of-image
// marker: its structure holds, and only the decoder can tell.
QByteArray CutMidScan(const QByteArray &jpeg)
{
    return jpeg.left(jpeg.size() / 2) + QByteArray("\xFF\xD9", 2);
}

// A 7 x 5 page (odd in width, so rows are padded) that differs upside down, in
// colours every BMP of `bits` holds exactly: black and white for one bit, and
// beyond it red and blue on steps of 255 / 31 with green full or none, which
// five and six bits both hold.
QImage BmpPage(int bits)
{
    QList<QRgb> colours = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    if (bits > 1)
        colours += {qRgb(255, 0, 0), qRgb(82, 255, 165), qRgb(0, 255, 255), qRgb(132, 0, 41)};
    QImage page(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            page.setPixel(x, y, colours[(x + y * y + x * y / 3) % colours.size()]);
    return page;
}

// Where two pictures of one size first differ; empty when they agree.
QString FirstDifference(const QImage &read, const QImage &expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (const QRgb p = read.pixel(x, y), q = expected.pixel(x, y); (p & 0xFFFFFF) != (q & 0xFFFFFF))
                return QStringLiteral("(%1, %2) reads %3 %4 %5, not %6 %7 %8")
                    .arg(x).arg(y)
                    .arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p))
                    .arg(qRed(q)).arg(qGreen(q)).arg(qBlue(q));
    return QString();
}

const QList<quint32> k555 = {0x7C00, 0x03E0, 0x001F};
const QList<quint32> k565 = {0xF800, 0x07E0, 0x001F};

bool Near(QRgb pixel, QColor expected, int tolerance = 40)
{
    return std::abs(qRed(pixel) - expected.red()) <= tolerance && std::abs(qGreen(pixel) - expected.green()) <= tolerance
           && std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

} // namespace

Q_DECLARE_METATYPE(BmpForm)

class TestPictureReader : public QObject {
    Q_OBJECT

    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!WriteFile(path, bytes))
            qFatal("cannot write the fixture %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void readsEachFormatWhateverItsName_data()
    {
        QTest::addColumn<QImage>("page");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("largest"); // the largest channel difference allowed
        const QImage page = Page();
        QTest::newRow("bmp") << page << QByteArray("bmp") << "page.bmp" << 0;
        QTest::newRow("gif") << page << QByteArray("gif") << "page.gif" << 0;
        QTest::newRow("jpeg") << page << QByteArray("jpeg") << "page.jpg" << 96;
        QTest::newRow("jpeg named .bmp") << page << QByteArray("jpeg") << "page.bmp" << 96;
        QTest::newRow("bmp named .gif") << page << QByteArray("bmp") << "page.gif" << 0;
        QTest::newRow("gif named .jpg") << page << QByteArray("gif") << "page.jpg" << 0;
        QTest::newRow("gif without extension") << page << QByteArray("gif") << "page" << 0;
        // Noise in 256 colours fills the GIF's code table several times over.
        QImage noise(256, 96, QImage::Format_RGB32);
        quint32 state = 12345;
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x, state = state * 1103515245 + 12345)
                noise.setPixel(x, y, qRgb(int(state >> 24), 255 - int(state >> 24), 128));
        QTest::newRow("gif, noise in 256 colours") << noise << QByteArray("gif") << "noise.gif" << 0;
    }
    void readsEachFormatWhateverItsName()
    {
        QFETCH(QImage, page);
        QFETCH(QByteArray, format);
        QFETCH(QString, fileName);
        QFETCH(int, largest);
        const PictureRead read = ReadPicture(Write(fileName, PictureBytes(page, format)));
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.format(), QImage::Format_RGB32);
        QCOMPARE(read.image.size(), page.size());
        const Difference difference = Compare(read.image, page);
        QVERIFY2(difference.largest <= largest, qPrintable(QString::number(difference.largest)));
        QVERIFY2(difference.mean <= 6.0, qPrintable(QString::number(difference.mean)));
    }

    // Rows stored from the top (a negative height) are an ordinary BMP.
    void topDownBmpReadsAsBottomUp_data()
    {
        QTest::addColumn<BmpForm>("form");
        QTest::newRow("1 bit") << BmpForm{1};
        QTest::newRow("4 bits") << BmpForm{4};
        QTest::newRow("8 bits") << BmpForm{8};
        QTest::newRow("16 bits, 5-5-5 plain") << BmpForm{16};
        QTest::newRow("16 bits, 5-5-5 in bit fields") << BmpForm{16, k555};
        QTest::newRow("16 bits, 5-6-5 in bit fields") << BmpForm{16, k565};
        QTest::newRow("16 bits, 5-6-5 in a version 5 header") << BmpForm{16, k565, false, 124};
        QTest::newRow("24 bits") << BmpForm{24};
        QTest::newRow("32 bits") << BmpForm{32};
        QTest::newRow("32 bits in bit fields") << BmpForm{32, {0xFF0000, 0xFF00, 0xFF}};
    }
    void topDownBmpReadsAsBottomUp()
    {
        QFETCH(BmpForm, form);
        const QImage page = BmpPage(form.bits);
        QVERIFY(page != page.mirrored()); // a picture read upside down would show
        const PictureRead reference = ReadPictureBytes(BmpBytes(page, BmpForm{24}), "reference.bmp");
        QVERIFY2(reference.ok(), qPrintable(reference.detail));
        QCOMPARE(FirstDifference(reference.image, page), QString());

        form.topDown = true;
        const QByteArray bytes = BmpBytes(page, form);
        QVERIFY(!bytes.isEmpty());
        const PictureRead read = ReadPicture(Write("top-down.bmp", bytes));
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.format(), QImage::Format_RGB32);
        QCOMPARE(read.image.size(), page.size());
        QCOMPARE(FirstDifference(read.image, reference.image), QString());
    }

    // Full intensity in five or six bits is 255: white paper must be white to be coloured.
    void sixteenBitWhiteIsWhite_data()
    {
        QTest::addColumn<BmpForm>("form");
        QTest::newRow("5-5-5 plain") << BmpForm{16};
        QTest::newRow("5-5-5 in bit fields") << BmpForm{16, k555};
        QTest::newRow("5-6-5 in bit fields") << BmpForm{16, k565};
        QTest::newRow("5-6-5 in a version 5 header") << BmpForm{16, k565, false, 124};
        QTest::newRow("5-6-5 top-down") << BmpForm{16, k565, true};
    }
    void sixteenBitWhiteIsWhite()
    {
        QFETCH(BmpForm, form);
        QImage page(7, 5, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setPixel(3, 2, qRgb(0, 0, 0));
        const PictureRead read = ReadPictureBytes(BmpBytes(page, form), "paper.bmp");
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.format(), QImage::Format_RGB32);
        QCOMPARE(FirstDifference(read.image, page), QString());
    }

    // Bit fields with an alpha mask: a clear pixel is paper, an opaque one its colour.
    void sixteenBitAlphaLiesOnWhitePaper()
    {
        QImage page(7, 5, QImage::Format_ARGB32);
        page.fill(qRgba(0, 0, 0, 0));
        page.setPixel(1, 1, qRgba(255, 0, 0, 255));
        const PictureRead read =
            ReadPictureBytes(BmpBytes(page, BmpForm{16, {0x7C00, 0x03E0, 0x001F, 0x8000}, false, 124}), "clear.bmp");
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.format(), QImage::Format_RGB32);
        QCOMPARE(read.image.pixel(1, 1), qRgb(255, 0, 0));
        QCOMPARE(read.image.pixel(4, 3), qRgb(255, 255, 255));
    }

    void truncatedTopDownBmpIsDamaged_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("dropped"); // bytes cut off the end; 0 keeps half the file
        for (int bits : {8, 16, 24})
            for (int dropped : {0, 1})
                QTest::addRow("%d bits, %s", bits, dropped ? "all but 1 byte" : "half") << bits << dropped;
    }
    void truncatedTopDownBmpIsDamaged()
    {
        QFETCH(int, bits);
        QFETCH(int, dropped);
        const QByteArray whole = BmpBytes(BmpPage(bits), BmpForm{bits, {}, true});
        const QByteArray cut = whole.left(dropped ? whole.size() - dropped : whole.size() / 2);
        const PictureRead read = ReadPicture(Write("cut.bmp", cut));
        QCOMPARE(read.error, PictureReadError::Damaged);
        QVERIFY(read.image.isNull());
    }

    void transparentGifLiesOnWhitePaper()
    {
        QImage indexed(8, 4, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(200, 0, 0), qRgba(0, 0, 0, 0)});
        indexed.fill(1);
        for (int y = 0; y < 4; ++y)
            indexed.setPixel(0, y, 0);
        const PictureRead read = ReadPicture(Write("clear.gif", EncodeGif(indexed)));
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.format(), QImage::Format_RGB32);
        QCOMPARE(read.image.pixel(0, 2), qRgb(200, 0, 0));
        QCOMPARE(read.image.pixel(5, 2), qRgb(255, 255, 255));
    }

    void truncatedFileIsDamaged_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<double>("share"); // how much of the file is kept; 0 keeps 30 bytes, -1 see CutMidScan
        QTest::addColumn<int>("dropped");  // then this many bytes more are dropped
        for (const char *format : {"bmp", "gif", "jpeg"}) {
            QTest::addRow("%s, 30 bytes", format) << QByteArray(format) << 0.0 << 0;
            for (double share : {0.25, 0.5, 0.9})
                QTest::addRow("%s, %d %%", format, int(share * 100)) << QByteArray(format) << share << 0;
            QTest::addRow("%s, all but 1 byte", format) << QByteArray(format) << 1.0 << 1;
            QTest::addRow("%s, all but 2 bytes", format) << QByteArray(format) << 1.0 << 2;
        }
        QTest::newRow("jpeg, cut mid-scan, end marker kept") << QByteArray("jpeg") << -1.0 << 0;
    }
    void truncatedFileIsDamaged()
    {
        QFETCH(QByteArray, format);
        QFETCH(double, share);
        QFETCH(int, dropped);
        const QByteArray whole = PictureBytes(Page(QSize(64, 48)), format);
        const qsizetype kept = (share == 0 ? 30 : qsizetype(whole.size() * share)) - dropped;
        const QByteArray cut = share < 0 ? CutMidScan(whole) : whole.left(kept);
        const PictureRead read = ReadPicture(Write("cut." + format, cut));
        QCOMPARE(read.error, PictureReadError::Damaged);
        QVERIFY(read.image.isNull());
        QVERIFY2(read.detail.contains("cut." + format), qPrintable(read.detail));
    }

    void otherFilesAreNotPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fileName");
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("noise") << noise << "noise.bmp";
        QTest::newRow("text") << QByteArray("#define page_width 16\nnot a picture\n") << "notes.gif";
        QTest::newRow("empty") << QByteArray() << "empty.jpg";
        QTest::newRow("png") << PictureBytes(Page(), "png") << "page.bmp";
    }
    void otherFilesAreNotPictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileName);
        const PictureRead read = ReadPicture(Write(fileName, bytes));
        QCOMPARE(read.error, PictureReadError::NotAPicture);
        QVERIFY(read.image.isNull());
    }

    // A picture in memory gets the verdict and pixels its file would get.
    void bytesReadAgreesWithFileRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PictureReadError>("error");
        for (const char *format : {"bmp", "gif", "jpeg"}) {
            const QByteArray whole = PictureBytes(Page(), format);
            QTest::addRow("%s", format) << whole << PictureReadError::None;
            QTest::addRow("%s, half", format) << whole.left(whole.size() / 2) << PictureReadError::Damaged;
        }
        QTest::newRow("text") << QByteArray("not a picture") << PictureReadError::NotAPicture;
        QTest::newRow("empty") << QByteArray() << PictureReadError::NotAPicture;
    }
    void bytesReadAgreesWithFileRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PictureReadError, error);
        const PictureRead fromBytes = ReadPictureBytes(bytes, "part.bmp");
        const PictureRead fromFile = ReadPicture(Write("part.bmp", bytes));
        QCOMPARE(fromBytes.error, error);
        QCOMPARE(fromFile.error, error);
        QCOMPARE(fromBytes.image, fromFile.image);
        QCOMPARE(fromBytes.ok(), fromBytes.detail.isEmpty());
        if (!fromBytes.ok())
            QVERIFY2(fromBytes.detail.contains("part.bmp"), qPrintable(fromBytes.detail));
    }

    void missingFileAndFolder()
    {
        const PictureRead missing = ReadPicture(m_dir.filePath("gone.bmp"));
        QCOMPARE(missing.error, PictureReadError::Missing);
        QVERIFY(missing.detail.contains("gone.bmp"));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.bmp"));
        QCOMPARE(ReadPicture(m_dir.filePath("folder.bmp")).error, PictureReadError::NotAPicture);
    }

    void hugeHeaderIsTooLarge_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray bmp = PictureBytes(Page(), "bmp");
        qToLittleEndian<qint32>(100000, bmp.data() + 18);
        qToLittleEndian<qint32>(100000, bmp.data() + 22);
        QTest::newRow("bmp 100000 x 100000") << bmp;
        qToLittleEndian<qint32>(-100000, bmp.data() + 22);
        QTest::newRow("bmp 100000 x 100000, top-down") << bmp;
        qToLittleEndian<qint32>(INT_MIN, bmp.data() + 22);
        QTest::newRow("bmp 100000 x 2^31, top-down") << bmp;
        QByteArray bmp16 = BmpBytes(BmpPage(16), BmpForm{16, k565, true});
        qToLittleEndian<qint32>(100000, bmp16.data() + 18);
        qToLittleEndian<qint32>(-100000, bmp16.data() + 22);
        QTest::newRow("bmp 16 bits, 100000 x 100000, top-down") << bmp16;
        QByteArray gif = EncodeGif(Page());
        const qsizetype descriptor = 13 + 3 * 256;
        QCOMPARE(gif.at(descriptor), ',');
        for (qsizetype at : {qsizetype(6), qsizetype(8), descriptor + 5, descriptor + 7})
            PutLittle16(gif, at, 65535);
        QTest::newRow("gif 65535 x 65535") << gif;
        QByteArray jpeg = PictureBytes(Page(), "jpeg");
        const qsizetype frame = jpeg.indexOf("\xFF\xC0");
        QVERIFY(frame > 0);
        PutBig16(jpeg, frame + 5, 65535);
        PutBig16(jpeg, frame + 7, 65535);
        QTest::newRow("jpeg 65535 x 65535") << jpeg;
    }
    void hugeHeaderIsTooLarge()
    {
        QFETCH(QByteArray, bytes);
        const PictureRead read = ReadPicture(Write("huge", bytes));
        QCOMPARE(read.error, PictureReadError::TooLarge);
        QVERIFY(read.image.isNull());
    }

    // Qt's own default limit would refuse 8000 x 8000 at 32 bits a pixel.
    void largePageIsAdmitted()
    {
        QImage grey(8000, 8000, QImage::Format_Grayscale8);
        grey.fill(255);
        const PictureRead read = ReadPicture(Write("large.jpg", PictureBytes(grey, "jpeg", 50)));
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.size(), QSize(8000, 8000));
        QCOMPARE(read.image.pixel(7999, 7999), qRgb(255, 255, 255));
    }

    void exifOrientationIsApplied()
    {
        QImage page(40, 20, QImage::Format_RGB32);
        page.fill(QColor(30, 60, 200));
        QPainter(&page).fillRect(0, 0, 20, 20, QColor(220, 40, 40)); // the left half red
        const PictureRead read = ReadPicture(Write("turned.jpg", WithExifOrientation(PictureBytes(page, "jpeg"), 6)));
        QVERIFY2(read.ok(), qPrintable(read.detail));
        QCOMPARE(read.image.size(), QSize(20, 40)); // turned clockwise: the left half is now on top
        QVERIFY(Near(read.image.pixel(10, 5), QColor(220, 40, 40)));
        QVERIFY(Near(read.image.pixel(10, 35), QColor(30, 60, 200)));
    }

    // A JPEG may shrink while decoding, never below what fits the box; others come whole.
    void decodeWithinShrinksJpegOnly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("within");
        QTest::addColumn<QSize>("smallest"); // the picture fitted into `within`
        QTest::addColumn<QSize>("largest");
        const QImage page = Page(QSize(400, 300));
        QTest::newRow("jpeg") << PictureBytes(page, "jpeg") << QSize(100, 100) << QSize(100, 75) << QSize(200, 150);
        QTest::newRow("jpeg, odd sizes") << PictureBytes(Page(QSize(401, 299)), "jpeg") << QSize(37, 90) << QSize(37, 28)
                                         << QSize(51, 38);
        QTest::newRow("jpeg turned") << WithExifOrientation(PictureBytes(page, "jpeg"), 6) << QSize(75, 100)
                                     << QSize(75, 100) << QSize(150, 200);
        QTest::newRow("bmp") << PictureBytes(page, "bmp") << QSize(100, 100) << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("gif") << PictureBytes(page, "gif") << QSize(100, 100) << QSize(400, 300) << QSize(400, 300);
    }
    void decodeWithinShrinksJpegOnly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, within);
        QFETCH(QSize, smallest);
        QFETCH(QSize, largest);
        const PictureRead read = ReadPicture(Write("shrunk", bytes), within);
        QVERIFY2(read.ok(), qPrintable(read.detail));
        const QSize size = read.image.size();
        QVERIFY2(size.width() >= smallest.width() && size.height() >= smallest.height()
                     && size.width() <= largest.width() && size.height() <= largest.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    }

    // The decoder's warning about a cut scan belongs to the thread that read it.
    void twoThreadsEachGetTheirOwnVerdict()
    {
        const QByteArray jpeg = PictureBytes(Page(QSize(320, 240)), "jpeg");
        const QString good = Write("good.jpg", jpeg);
        const QString cut = Write("cut.jpg", CutMidScan(jpeg));
        constexpr int kReads = 25;
        std::vector<PictureReadError> goodVerdicts(kReads), cutVerdicts(kReads);
        std::thread first([&] {
            for (auto &verdict : goodVerdicts)
                verdict = ReadPicture(good).error;
        });
        std::thread second([&] {
            for (auto &verdict : cutVerdicts)
                verdict = ReadPicture(cut).error;
        });
        first.join();
        second.join();
        for (int i = 0; i < kReads; ++i) {
            QCOMPARE(goodVerdicts[i], PictureReadError::None);
            QCOMPARE(cutVerdicts[i], PictureReadError::Damaged);
        }
    }
};

QTEST_MAIN(TestPictureReader)
#include "test_picture_reader.moc"
