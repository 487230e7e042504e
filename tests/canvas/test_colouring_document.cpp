// The open picture without any window: when it needs saving, what a save
// writes, what a failed open leaves, and how clearing treats an own picture.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "canvas/colouring_document.h"
#include "library/library_layout.h"

namespace {

// 40 x 20: white, with a black line down x = 20.
QImage Page()
{
    QImage page(40, 20, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        page.setPixel(20, y, qRgb(0, 0, 0));
    return page;
}

void Stroke(ColouringDocument &document)
{
    document.Engine().SetCurrentColour({255, 0, 0});
    document.Press(5, 10);
    document.Drag(12, 10);
    document.Release(12, 10);
}

} // namespace

class TestColouringDocument : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QString Path(const QString &relative) const { return m_root->filePath(relative); }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(Path("books/animals")));
        QVERIFY(QDir().mkpath(Path("books/own pictures")));
        QVERIFY(Page().save(Path("books/animals/cat.bmp"), "bmp"));
        QVERIFY(Page().save(Path("books/own pictures/own_0.bmp"), "bmp"));
    }

    void savesOnlyWhatTheColouredFileLacks()
    {
        ColouringDocument document(m_root->path());
        QString error;
        QVERIFY(document.Open(Path("books/animals/cat.bmp"), error));
        QCOMPARE(document.Files().coloured, Path("colored pictures/animals/cat.bmp.jpg"));
        QVERIFY(document.NeedsSaving()); // no colouring yet: written once
        QVERIFY(document.Save().ok());
        QVERIFY(QFile::exists(document.Files().coloured));
        QVERIFY(!document.NeedsSaving());

        Stroke(document);
        QVERIFY(document.NeedsSaving());
        QVERIFY(document.Save().ok());

        // Opened again with its colouring, untouched: nothing to write.
        ColouringDocument again(m_root->path());
        QVERIFY(again.Open(Path("books/animals/cat.bmp"), error));
        QVERIFY(!again.NeedsSaving());
        QVERIFY(qRed(again.Engine().CanvasImage().pixel(8, 10)) > 150);
    }

    // Twenty days of colouring one page: it opens every time with the very
    // pixels saved last, though the coloured file is a JPEG.
    void reopensExactlyWhatWasSaved()
    {
        QImage saved;
        for (int round = 0; round < 20; ++round) {
            ColouringDocument document(m_root->path());
            QString error;
            QVERIFY(document.Open(Path("books/animals/cat.bmp"), error));
            if (round > 0)
                QVERIFY2(document.Engine().CanvasImage() == saved, qPrintable(QString("round %1").arg(round)));
            document.Engine().SetCurrentColour({quint8(30 + 10 * round), 140, quint8(220 - 9 * round)});
            document.Press(2 + round % 15, 2 + round % 16);
            document.Drag(4 + round % 14, 3 + round % 15);
            document.Release(4 + round % 14, 3 + round % 15);
            QVERIFY(document.Save().ok());
            saved = document.Engine().CanvasImage().copy();
        }
        QVERIFY(QFile::exists(Path("colored pictures/animals/cat.bmp.jpg.lossless")));
    }

    // Without its copy, or with a JPEG put there by other means (a backup put
    // back, another program), the picture opens from the JPEG as it is.
    void theJpegWinsWithoutItsCopy_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("copy removed") << "removed";
        QTest::newRow("copy damaged") << "damaged";
        QTest::newRow("JPEG replaced") << "replaced";
    }
    void theJpegWinsWithoutItsCopy()
    {
        QFETCH(QString, change);
        const bool replaced = change == "replaced";
        QString error;
        ColouringDocument document(m_root->path());
        QVERIFY(document.Open(Path("books/animals/cat.bmp"), error));
        Stroke(document);
        QVERIFY(document.Save().ok());
        const QString jpeg = document.Files().coloured;
        if (replaced) {
            QImage blue = Page();
            blue.fill(qRgb(0, 0, 255));
            QVERIFY(blue.save(jpeg, "jpg"));
        } else if (change == "removed") {
            QVERIFY(QFile::remove(LibraryLayout::LosslessCopyOf(jpeg)));
        } else {
            QFile copy(LibraryLayout::LosslessCopyOf(jpeg)); // cut short, as by a full disk elsewhere
            QVERIFY(copy.resize(copy.size() / 2));
        }
        ColouringDocument again(m_root->path());
        QVERIFY(again.Open(Path("books/animals/cat.bmp"), error));
        const QRgb at = again.Engine().CanvasImage().pixel(8, 10);
        if (replaced)
            QVERIFY(qBlue(at) > 200 && qRed(at) < 60);
        else
            QVERIFY(qRed(at) > 150 && qBlue(at) < 110); // the stroke, as the JPEG keeps it
    }

    void aFailedOpenKeepsThePictureOpen()
    {
        ColouringDocument document(m_root->path());
        QString error;
        QVERIFY(document.Open(Path("books/animals/cat.bmp"), error));
        Stroke(document);
        QVERIFY(!document.Open(Path("books/animals/gone.bmp"), error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(document.Path(), Path("books/animals/cat.bmp"));
        QVERIFY(document.NeedsSaving());
        QVERIFY(qRed(document.Engine().CanvasImage().pixel(8, 10)) > 150);
    }

    void clearingAnOwnPictureLeavesBlankPaper()
    {
        ColouringDocument document(m_root->path());
        QString error;
        QVERIFY(document.Open(Path("books/own pictures/own_0.bmp"), error));
        QVERIFY(document.Files().ownPicture);
        Stroke(document);
        document.Clear();
        QVERIFY(document.NeedsSaving());
        QCOMPARE(document.Engine().LineArt().pixel(20, 5), qRgb(255, 255, 255)); // the line is gone too
        QVERIFY(!document.Engine().CanUndo());

        QVERIFY(document.Open(Path("books/animals/cat.bmp"), error));
        Stroke(document);
        document.Clear();
        QCOMPARE(document.Engine().CanvasImage().pixel(20, 5), qRgb(0, 0, 0)); // a book's line art stays
        QCOMPARE(document.Engine().CanvasImage().pixel(8, 10), qRgb(255, 255, 255));
    }
};

QTEST_GUILESS_MAIN(TestColouringDocument)
#include "test_colouring_document.moc"
