// Loading the books onto the browser's sheet: order, geometry, thumbnails from
// coloured versions, progress lines and the failures that stop a load.
#include <QtTest>

#include "library/book_loader.h"
#include "library/book_plan.h"
#include "library/picture_sheet.h"
#include "library/thumbnail_file.h"
#include "tests/support/library_fixture.h"

namespace {

struct Placed {
    int left, top;
    QString name;
};

QList<Placed> Cells(const LoadedSheet &sheet)
{
    QList<Placed> cells;
    for (int i = 1; i < sheet.cells.size(); ++i)
        cells << Placed{sheet.cells[i].Left, sheet.cells[i].Top, sheet.cells[i].FileName};
    return cells;
}

QString Pad(int n)
{
    return QStringLiteral("p%1.bmp").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestBookLoading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellsWrapAtTheSheetWidthAndBooksAreSpaced()
    {
        LibraryFixture library;
        for (int i = 0; i < 6; ++i)
            library.AddPicture(QStringLiteral("a"), Pad(i));
        library.AddEmptyBook(QStringLiteral("b")); // no room, no gap
        library.AddPicture(QStringLiteral("c"), QStringLiteral("x.bmp"));

        const LoadedSheet sheet = LoadBooks(library.root(), 600);
        QVERIFY2(sheet.ok(), qPrintable(sheet.error));
        const QList<Placed> cells = Cells(sheet);
        QCOMPARE(cells.size(), 7);
        const int lefts[] = {6, 111, 216, 321, 426, 6, 6};
        const int tops[] = {1, 1, 1, 1, 1, 106, 246}; // the next book 100 + 40 below the last row
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(cells[i].left, lefts[i]);
            QCOMPARE(cells[i].top, tops[i]);
        }
        QCOMPARE(sheet.height, 246 + 105);
        QCOMPARE(sheet.cells[7].Path(), library.path(QStringLiteral("books/c/x.bmp")));
    }

    void ownPicturesComeFirstFramed()
    {
        LibraryFixture library;
        library.AddPicture(QStringLiteral("animals"), QStringLiteral("cat.bmp"));
        library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp"));
        const LoadedSheet sheet = LoadBooks(library.root(), 600);
        QCOMPARE(sheet.count(), 2);
        QCOMPARE(sheet.cells[1].FileName, QStringLiteral("own_0.bmp"));
        QCOMPARE(sheet.framed[1], true);
        QCOMPARE(sheet.cells[2].FileName, QStringLiteral("cat.bmp"));
        QCOMPARE(sheet.framed[2], false);
    }

    // On a case-insensitive disk "books/Own Pictures" is both the own pictures and a book of its own.
    void ownPicturesInAnotherSpellingAreListedTwice()
    {
        LibraryFixture library;
        library.AddPicture(QStringLiteral("Own Pictures"), QStringLiteral("own_0.bmp"));
        const LoadedSheet sheet = LoadBooks(library.root(), 600);
        QCOMPARE(sheet.count(), 2);
        QCOMPARE(sheet.framed, QVector<bool>({false, true, false}));
    }

    void progressLinesFollowTheListing()
    {
        LibraryFixture library;
        library.AddPicture(QStringLiteral("animals"), QStringLiteral("cat.bmp"));
        library.AddPicture(QStringLiteral("farm"), QStringLiteral("cow.bmp"));
        library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp")); // last in the listing
        QStringList lines;
        const LoadedSheet sheet = LoadBooks(library.root(), 600, {[&](const QString &line) { lines << line; }, 0});
        QVERIFY(sheet.ok());
        QCOMPARE(lines, QStringList({"Loading(33%)... Own Pictures.", "Loading(33%)... Animals.",
                                     "Loading(66%)... Farm."})); // never 100 when own pictures is last
    }

    void loadingPercentRoundsDown_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("percent");
        QTest::newRow("half") << 0 << 2 << 50;
        QTest::newRow("29 of 100 is below 29") << 28 << 100 << 28;
        QTest::newRow("last") << 2 << 3 << 100;
        QTest::newRow("one of three") << 0 << 3 << 33;
    }
    void loadingPercentRoundsDown()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(int, percent);
        QCOMPARE(LoadingPercent(index, count), percent);
        QCOMPARE(LoadingLine(50, QStringLiteral("Animals")), QStringLiteral("Loading(50%)... Animals."));
    }

    // The book folder "animals" and its title "Animals" reach one coloured folder.
    void colouredVersionsAreFoundWhateverTheirCase()
    {
        LibraryFixture library;
        library.AddPicture(QStringLiteral("animals"), QStringLiteral("cat.bmp"));
        library.AddPictureAt(QStringLiteral("colored pictures/ANIMALS/cat.bmp.jpg"), QSize(60, 40), Qt::red);
        library.WriteBytes(QStringLiteral("colored pictures/ANIMALS/gone.bmp.jpg.vlm"), "x"); // an orphan
        const LoadedSheet sheet = LoadBooks(library.root(), 600);
        QVERIFY(sheet.ok());
        const QColor middle = sheet.faces[1].pixelColor(50, 50);
        QVERIFY2(middle.red() > 200 && middle.green() < 60, "the thumbnail shows the coloured version");
        QVERIFY(QFile::exists(library.path(QStringLiteral("colored pictures/ANIMALS/cat.bmp.jpg.vlm"))));
        QVERIFY(!QFile::exists(library.path(QStringLiteral("colored pictures/ANIMALS/gone.bmp.jpg.vlm"))));
    }

    void failuresStopTheLoad_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::newRow("no books folder") << "none";
        QTest::newRow("no book") << "empty books";
        QTest::newRow("no picture at all") << "empty book";
        QTest::newRow("a damaged picture") << "garbage";
        QTest::newRow("a truncated picture") << "truncated";
    }
    void failuresStopTheLoad()
    {
        QFETCH(QString, setUp);
        LibraryFixture library;
        if (setUp == QLatin1String("empty books"))
            QDir().mkpath(library.path(QStringLiteral("books")));
        if (setUp == QLatin1String("empty book"))
            library.AddEmptyBook(QStringLiteral("a"));
        if (setUp == QLatin1String("garbage") || setUp == QLatin1String("truncated")) {
            library.AddPicture(QStringLiteral("a"), QStringLiteral("good.bmp"));
            const QString big = library.AddPicture(QStringLiteral("b"), QStringLiteral("big.bmp"), QSize(200, 200));
            QByteArray bytes = library.ReadBytes(QStringLiteral("books/b/big.bmp"));
            bytes = setUp == QLatin1String("garbage") ? QByteArray(300, 'z') : bytes.left(bytes.size() / 2);
            library.WriteBytes(QStringLiteral("books/b/big.bmp"), bytes);
        }
        const LoadedSheet sheet = LoadBooks(library.root(), 600);
        QVERIFY(!sheet.ok());
        QCOMPARE(sheet.count(), 0);
        QVERIFY(!QFile::exists(library.path(QStringLiteral("books/b/big.bmp.vlm"))));
    }

    void warmCacheReadsOnlyThumbnails()
    {
        LibraryFixture library;
        const QString cat = library.AddPicture(QStringLiteral("a"), QStringLiteral("cat.bmp"));
        QVERIFY(LoadBooks(library.root(), 600).ok());
        QVERIFY(QFile::exists(ThumbnailPathOf(cat)));
        library.WriteBytes(QStringLiteral("books/a/cat.bmp"), "no longer a picture");
        QVERIFY2(LoadBooks(library.root(), 600).ok(), "the cached thumbnail was used, the picture not read");
    }

    void theSheetIsTheSameOnAnyNumberOfThreads()
    {
        LibraryFixture library;
        for (int book = 0; book < 3; ++book) {
            for (int i = 0; i < 9; ++i)
                library.AddPicture(QStringLiteral("book%1").arg(book), Pad(i), QSize(40 + 17 * i, 90 - 5 * i),
                                   QColor::fromHsv(40 * i, 200, 255));
        }
        LibraryFixture again; // the same library, built from scratch once more
        for (int book = 0; book < 3; ++book) {
            for (int i = 0; i < 9; ++i)
                again.AddPicture(QStringLiteral("book%1").arg(book), Pad(i), QSize(40 + 17 * i, 90 - 5 * i),
                                 QColor::fromHsv(40 * i, 200, 255));
        }
        const LoadedSheet one = LoadBooks(library.root(), 500, {nullptr, 1});
        const LoadedSheet two = LoadBooks(again.root(), 500, {nullptr, 2});
        QVERIFY(one.ok() && two.ok());
        QCOMPARE(one.height, two.height);
        QCOMPARE(Cells(one).size(), Cells(two).size());
        for (int i = 1; i <= one.count(); ++i) {
            QCOMPARE(one.cells[i].Top, two.cells[i].Top);
            QCOMPARE(one.cells[i].FileName, two.cells[i].FileName);
            QCOMPARE(one.faces[i], two.faces[i]);
        }
    }

    void cellAtExcludesBorders_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("index");
        QTest::newRow("inside") << QPoint(50, 50) << 1;
        QTest::newRow("left border") << QPoint(6, 50) << -1;
        QTest::newRow("right border") << QPoint(106, 50) << -1;
        QTest::newRow("top border") << QPoint(50, 1) << -1;
        QTest::newRow("just inside the corner") << QPoint(7, 2) << 1;
        QTest::newRow("the gap") << QPoint(108, 50) << -1;
        QTest::newRow("second cell") << QPoint(112, 100) << 2;
    }
    void cellAtExcludesBorders()
    {
        QFETCH(QPoint, point);
        QFETCH(int, index);
        SheetLayout layout(600);
        layout.BeginBook();
        const QVector<PictureCell> cells{PictureCell{}, layout.Place(QStringLiteral("a"), QString()),
                                         layout.Place(QStringLiteral("b"), QString())};
        QCOMPARE(CellAt(cells, point.x(), point.y()), index);
    }
};

QTEST_MAIN(TestBookLoading)
#include "test_book_loading.moc"
