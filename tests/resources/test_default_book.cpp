// The default book's outline pictures: each bitmap is the up-to-date, pure
// black and white rendering of its SVG source, its lines are bold, and every
// area meant for colouring is closed off from the others and big enough for a
// small finger.

#include "canvas/flood_fill.h"
#include "tests/resources/picture_measures.h"
#include "tools/book/outline_render.h"
#include "tools/book/seed_marks.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// Fewer would mean pictures went missing from the book.
constexpr int kLeastPictures = 16;
constexpr int kLeastSeeds = 8; // the big background counts as one
// A fingertip on a full screen: the largest all-white square inside each
// marked area must be at least this wide at the pictures' own size.
constexpr int kFingertip = 30;
// Lines at least this wide everywhere: a thinner one renders as a broken,
// leaky outline at small sizes.
constexpr int kLineWidth = 3;

const QDir Sources(QStringLiteral(VELMORA_SOURCE_DIR "/tools/book/src"));
const QDir Book(QStringLiteral(VELMORA_SOURCE_DIR "/resources/default_library/books/Velmora"));

constexpr QRgb kColourBits = 0x00FFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
const QRgb kFloodRed = qRgb(255, 0, 0);

QString BitmapPath(const QString &name)
{
    return Book.filePath(name + QStringLiteral(".bmp"));
}

QString SourcePath(const QString &name)
{
    return Sources.filePath(name + QStringLiteral(".svg"));
}

QSet<QString> Names(const QDir &dir, const QString &pattern)
{
    QSet<QString> names;
    for (const QFileInfo &file : dir.entryInfoList({pattern}, QDir::Files))
        names.insert(file.completeBaseName());
    return names;
}

// One row per picture name found on either side, so a lone source or a lone
// bitmap shows up as a failing row of its own.
void AddPictureRows()
{
    QTest::addColumn<QString>("name");
    QStringList names = (Names(Sources, QStringLiteral("*.svg")) | Names(Book, QStringLiteral("*.bmp"))).values();
    names.sort();
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

QImage LoadRgb(const QString &name)
{
    return QImage(BitmapPath(name)).convertToFormat(QImage::Format_RGB32);
}

QString At(QPoint p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// A colour of its own for the area of seed `index`: never white, black or the
// flood's red.
QRgb Label(int index)
{
    return qRgb(0, 1 + index % 250, 1 + index / 250);
}

} // namespace

class TestDefaultBook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Only the source tree is read; anything written lands in a scratch folder.
        QVERIFY(m_scratch.isValid());
        QVERIFY(QDir::setCurrent(m_scratch.path()));
    }

    // The measures themselves, on small drawn pages, so that a check that
    // could never fail does not pass the pictures unseen.
    void thinLineFinder_data()
    {
        QTest::addColumn<QLine>("line");   // drawn black on a white 60 x 40 page
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("bump");  // one extra black pixel, or (-1, -1)
        QTest::addColumn<bool>("thin");
        const QPoint none(-1, -1);
        QTest::newRow("bold line") << QLine(10, 12, 50, 12) << 6 << none << false;
        QTest::newRow("two pixels wide") << QLine(10, 12, 50, 12) << 2 << none << true;
        QTest::newRow("stray pixel on a bold line") << QLine(10, 12, 50, 12) << 6 << QPoint(30, 15) << false;
        QTest::newRow("lone pixel") << QLine(10, 12, 50, 12) << 6 << QPoint(30, 30) << true;
        QTest::newRow("bold slant off the page") << QLine(10, 10, 40, 50) << 6 << none << false;
    }

    void thinLineFinder()
    {
        QFETCH(QLine, line);
        QFETCH(int, width);
        QFETCH(QPoint, bump);
        QFETCH(bool, thin);
        QImage page(60, 40, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(line);
        }
        if (bump.x() >= 0)
            page.setPixel(bump, qRgb(0, 0, 0));
        QCOMPARE(PictureMeasures::ThinLinePixel(page, kLineWidth).x() >= 0, thin);
    }

    void largestSquare()
    {
        QImage page(60, 40, QImage::Format_RGB32);
        page.fill(Qt::white);
        const QRgb label = qRgb(0, 9, 9);
        for (int y = 2; y < 37; ++y)
            for (int x = 5; x < 45; ++x)
                page.setPixel(x, y, label);
        page.setPixel(20, 20, qRgb(0, 0, 0)); // splits the 40 x 35 block
        QCOMPARE(PictureMeasures::LargestSquare(page, page.rect(), label), 24);
        QCOMPARE(PictureMeasures::GreyPixel(page), QPoint(5, 2));
    }

    void bookFolderHoldsOnlyPictures()
    {
        const QFileInfoList entries = Book.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QFileInfo &entry : entries)
            QVERIFY2(entry.isFile() && entry.suffix() == QStringLiteral("bmp"),
                     qPrintable(entry.fileName() + QStringLiteral(" would be copied to users with the book")));
        QVERIFY2(entries.size() >= kLeastPictures, qPrintable(QString::number(entries.size())));
    }

    void bitmapIsRenderedFromItsSource_data() { AddPictureRows(); }
    void bitmapIsRenderedFromItsSource()
    {
        QFETCH(QString, name);
        QVERIFY2(QFile::exists(SourcePath(name)), qPrintable(name + QStringLiteral(": no SVG source")));
        QVERIFY2(QFile::exists(BitmapPath(name)), qPrintable(name + QStringLiteral(": no bitmap")));
        QImageReader reader(BitmapPath(name));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage shipped = reader.read();
        QCOMPARE(shipped.size(), OutlineRender::kPageSize);
        QCOMPARE(shipped.depth(), 1);
        const QImage fresh = OutlineRender::RenderFile(SourcePath(name));
        QVERIFY2(shipped.convertToFormat(QImage::Format_RGB32) == fresh.convertToFormat(QImage::Format_RGB32),
                 qPrintable(name + QStringLiteral(": the bitmap is older than its source; render the book again")));
    }

    void pixelsAreBlackOrWhite_data() { AddPictureRows(); }
    void pixelsAreBlackOrWhite()
    {
        QFETCH(QString, name);
        const QImage image = LoadRgb(name);
        QCOMPARE(image.size(), OutlineRender::kPageSize);
        const QPoint odd = PictureMeasures::GreyPixel(image);
        QVERIFY2(odd.x() < 0, qPrintable(QStringLiteral("%1: grey or colour at %2").arg(name, At(odd))));
    }

    void linesAreBold_data() { AddPictureRows(); }
    void linesAreBold()
    {
        QFETCH(QString, name);
        const QImage image = LoadRgb(name);
        QVERIFY(!image.isNull());
        const QPoint thin = PictureMeasures::ThinLinePixel(image, kLineWidth);
        QVERIFY2(thin.x() < 0, qPrintable(QStringLiteral("%1: a line thinner than %2 pixels at %3")
                                              .arg(name).arg(kLineWidth).arg(At(thin))));
    }

    void areasAreClosedAndRoomy_data() { AddPictureRows(); }
    void areasAreClosedAndRoomy()
    {
        QFETCH(QString, name);
        const SeedMarks::Reading reading = SeedMarks::Read(SourcePath(name));
        QVERIFY2(reading.error.isEmpty(), qPrintable(name + QStringLiteral(": ") + reading.error));
        QVERIFY2(reading.seeds.size() >= kLeastSeeds,
                 qPrintable(QStringLiteral("%1: only %2 seeds").arg(name).arg(reading.seeds.size())));
        QImage image = LoadRgb(name);
        QVERIFY(!image.isNull());

        QStringList faults;
        for (int i = 0; i < reading.seeds.size(); ++i) {
            const QPoint seed = reading.seeds.at(i);
            const QString where = QStringLiteral("%1: seed %2").arg(name, At(seed));
            if (!image.rect().contains(seed)) {
                faults << where + QStringLiteral(" is off the page");
                continue;
            }
            const QRgb under = image.pixel(seed);
            if ((under & kColourBits) == kBlack) {
                faults << where + QStringLiteral(" lies on a line");
                continue;
            }
            if ((under & kColourBits) != kWhite) {
                const auto earlier = reading.seeds.cbegin() + i;
                const auto other = std::find_if(reading.seeds.cbegin(), earlier,
                                                [&](QPoint p) { return image.pixel(p) == under; });
                faults << where + (other == earlier ? QStringLiteral(" lies on a grey pixel")
                                                    : QStringLiteral(" is in the same area as seed ") + At(*other));
                continue;
            }
            const FloodFillResult fill = FloodFillWhite(image, seed);
            const QRgb label = Label(i);
            for (int y = fill.bounds.top(); y <= fill.bounds.bottom(); ++y)
                for (int x = fill.bounds.left(); x <= fill.bounds.right(); ++x)
                    if (image.pixel(x, y) == kFloodRed)
                        image.setPixel(x, y, label);
            const int square = PictureMeasures::LargestSquare(image, fill.bounds, label);
            if (square < kFingertip)
                faults << where + QStringLiteral(": its widest white square is %1 pixels, under a fingertip")
                                      .arg(square);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

private:
    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestDefaultBook)
#include "test_default_book.moc"
