// Saves on the worker thread: what a finished save tells the document, that
// saves never overlap and the newest waiting one wins, and that waiting for
// the saver delivers every result.
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "canvas/background_saver.h"
#include "canvas/lossless_copy.h"

namespace {

QImage Page()
{
    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int y = 0; y < 40; ++y)
        page.setPixel(30, y, qRgb(0, 0, 0));
    return page;
}

void Stroke(ColouringDocument &document, int x)
{
    document.Press(float(x), 10);
    document.Drag(float(x + 5), 20);
    document.Release(float(x + 5), 20);
}

} // namespace

class TestBackgroundSaver : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(m_root.filePath("books/animals")));
        QVERIFY(Page().save(m_root.filePath("books/animals/cat.bmp"), "bmp"));
    }

    void aFinishedSaveCountsUnlessTheColouringChangedSince()
    {
        ColouringDocument document(m_root.path());
        QString error;
        QVERIFY(document.Open(m_root.filePath("books/animals/cat.bmp"), error));
        Stroke(document, 5);
        BackgroundSaver saver;
        QSignalSpy finished(&saver, &BackgroundSaver::Finished);
        connect(&saver, &BackgroundSaver::Finished, &saver,
                [&document](const QString &path, quint64 version, const DocumentSaveResult &result) {
                    if (result.ok())
                        document.Saved(path, version);
                });

        std::optional<ColouringDocument::Snapshot> snapshot = document.SnapshotForSaving();
        QVERIFY(snapshot);
        saver.Start(std::move(*snapshot));
        QVERIFY(saver.Busy());
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!document.NeedsSaving());
        QVERIFY(!document.SnapshotForSaving()); // nothing left to save
        QCOMPARE(ReadLosslessCopy(document.Files().coloured, Page().size()), document.Engine().CanvasImage());

        // A stroke while the save runs: the save finishes, the colouring still needs one.
        Stroke(document, 8);
        saver.Start(*document.SnapshotForSaving());
        Stroke(document, 12);
        saver.WaitForIdle();
        QCOMPARE(finished.count(), 2);
        QVERIFY(document.NeedsSaving());

        // No snapshot in the middle of a stroke: its end is not known yet.
        document.Press(40, 10);
        QVERIFY(!document.SnapshotForSaving());
        document.Release(40, 10);
        QVERIFY(document.SnapshotForSaving());
    }

    void theNewestWaitingSaveWins()
    {
        ColouringDocument document(m_root.path());
        QString error;
        QVERIFY(document.Open(m_root.filePath("books/animals/cat.bmp"), error));
        BackgroundSaver saver;
        QList<quint64> versions;
        connect(&saver, &BackgroundSaver::Finished, &saver,
                [&versions](const QString &, quint64 version, const DocumentSaveResult &result) {
                    QVERIFY(result.ok());
                    versions << version;
                });
        QList<quint64> asked;
        for (int x = 2; x <= 14; x += 4) {
            Stroke(document, x);
            std::optional<ColouringDocument::Snapshot> snapshot = document.SnapshotForSaving();
            QVERIFY(snapshot);
            asked << snapshot->version;
            saver.Start(std::move(*snapshot));
        }
        saver.WaitForIdle();
        QVERIFY(!saver.Busy());
        // The first ran at once; of those asked for while it ran, only the last.
        QCOMPARE(versions, (QList<quint64>{asked.first(), asked.last()}));
        QCOMPARE(ReadLosslessCopy(document.Files().coloured, Page().size()), document.Engine().CanvasImage());
        QTest::qWait(50); // a late signal of a delivered save adds nothing
        QCOMPARE(versions.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestBackgroundSaver)
#include "test_background_saver.moc"
