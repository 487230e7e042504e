#include <QSignalSpy>
#include <QtTest>

#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/crazy_colours.h"
#include "windows/colouring/palette_box.h"
#include "canvas/colour_modes.h"
#include "controls/picture_button.h"
#include "tests/support/palette_test_support.h"
#include "tests/support/fake_sound.h"

namespace {

constexpr QSize kBox(150, 400);

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A palette box in a window beside a stand-in canvas, shown, its bubbles built
// with fixed random numbers and every bubble parked out of the way.
struct PaletteOnWindow {
    RecordedSounds recorded;
    FixedNumbers random;
    QWidget window;
    QWidget *canvas = new QWidget(&window);
    PaletteBox *box = new PaletteBox(&recorded.sounds, &window, random.Source());

    PaletteOnWindow()
    {
        window.resize(kBox.width() + 200, kBox.height());
        canvas->setGeometry(0, 0, 200, kBox.height());
        canvas->setAutoFillBackground(true);
        box->setGeometry(QRect(QPoint(200, 0), kBox));
        box->Build(4);
        for (int i = 0; i < box->Blobs().Count(); ++i)
            Park(i, 75, 1000);
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    void Park(int i, float x, float y)
    {
        box->Blobs().Blob(i).X = x;
        box->Blobs().Blob(i).Y = y;
    }
};

} // namespace

class TestPaletteBox : public QObject {
    Q_OBJECT

private slots:
    void buildsTheTwentyThreeBubblesOnce()
    {
        PaletteOnWindow palette;
        PaletteBlobs &blobs = palette.box->Blobs();
        QCOMPARE(blobs.Count(), 23);
        QCOMPARE(blobs.Blob(1).Colour, 255);       // red
        QCOMPARE(blobs.Blob(12).Colour, 0xFFFFFF); // white
        QCOMPARE(blobs.Blob(22).Colour, kPickerColour);
        QCOMPARE(blobs.Blob(1).Radius, 21.5f); // 43 wide
        QCOMPARE(blobs.RiseDivisor(), 4.0f);

        palette.box->Build(10); // a later start-up pass takes only the speed
        QCOMPARE(blobs.Blob(1).Y, 1000.0f);
        QCOMPARE(blobs.RiseDivisor(), 10.0f);
    }

    void aBoxNotLaidOutYetWaitsForItsSize()
    {
        FixedNumbers random;
        random.fallback = 0;
        PaletteBox box(nullptr, nullptr, random.Source());
        box.Build(2);
        QVERIFY(!box.IsBuilt());
        box.Tick();
        QVERIFY(!box.IsBuilt());
        box.resize(kBox); // hidden: its resize event waits for the showing
        box.Tick();
        QVERIFY(box.IsBuilt());
        QCOMPARE(box.Blobs().Blob(0).Y, 410 - 0.25f); // 0 x 20 + 400 + 10, below the laid-out box, and one rise
    }

    void pressingABubblePicksItsColour()
    {
        PaletteOnWindow palette;
        QVERIFY(palette.exposed());
        QSignalSpy chosen(palette.box, &PaletteBox::ColourChosen);
        QSignalSpy picker(palette.box, &PaletteBox::PickerRequested);
        palette.Park(1, 60, 100);  // red, radius 21.5
        palette.Park(12, 80, 100); // white, radius 17.5, drawn over it
        palette.random.Add({0.5, 0.5, 0.5});

        QTest::mousePress(palette.box, Qt::LeftButton, {}, QPoint(70, 100));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().value<qint32>(), 0xFFFFFF);
        QCOMPARE(picker.count(), 0);
        QCOMPARE(palette.recorded.output->log, QStringList{"play PRESS0"});
        // The picked bubble goes back below the box at a third of the fastest rise.
        const PaletteBlob &white = palette.box->Blobs().Blob(12);
        QCOMPARE(white.Y, 0.5f * 20 + 400 + 17.5f);
        QCOMPARE(white.X, 0.5f * (150 - 35) + 17.5f);
        QCOMPARE(white.DriftY, -1.0f / 3);
        QTest::mouseRelease(palette.box, Qt::LeftButton, {}, QPoint(70, 100));

        QTest::mousePress(palette.box, Qt::LeftButton, {}, QPoint(70, 100)); // now the red one
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.last().first().value<qint32>(), 255);
        QTest::mouseRelease(palette.box, Qt::LeftButton, {}, QPoint(70, 100));
    }

    void theMulticolouredBubbleAsksForThePicker()
    {
        PaletteOnWindow palette;
        QVERIFY(palette.exposed());
        QSignalSpy chosen(palette.box, &PaletteBox::ColourChosen);
        QSignalSpy picker(palette.box, &PaletteBox::PickerRequested);
        palette.Park(22, 75, 200);
        palette.random.Add({0.0, 0.5, 0.5});

        QTest::mousePress(palette.box, Qt::LeftButton, {}, QPoint(75, 200));
        QCOMPARE(picker.count(), 1);
        QCOMPARE(chosen.count(), 0);
        // Respawned, then moved once so that the box shows it gone.
        const PaletteBlob &blob = palette.box->Blobs().Blob(22);
        QCOMPARE(blob.Y, 400 + 22 - 1.0f / 3);
        QVERIFY(palette.box->Frame().pixelColor(75, 200) == palette.box->palette().color(QPalette::Window));
        QTest::mouseRelease(palette.box, Qt::LeftButton, {}, QPoint(75, 200));
    }

    void aPressOnNoBubbleDoesNothing()
    {
        PaletteOnWindow palette;
        QVERIFY(palette.exposed());
        QSignalSpy chosen(palette.box, &PaletteBox::ColourChosen);
        QSignalSpy picker(palette.box, &PaletteBox::PickerRequested);
        QTest::mouseClick(palette.box, Qt::LeftButton, {}, QPoint(75, 200));
        QCOMPARE(chosen.count() + picker.count(), 0);
        QVERIFY(palette.recorded.output->log.isEmpty());
    }

    void aTickDrawsTheBubblesAndPopsTheOnesThatLeave()
    {
        PaletteOnWindow palette;
        QVERIFY(palette.exposed());
        palette.Park(1, 75, 100);
        palette.box->Blobs().Blob(1).DriftY = -1;
        for (int i : {5, 8}) { // two leave in the same tick: the second pop is not heard over the first
            palette.Park(i, 75, -palette.box->Blobs().Blob(i).Radius);
            palette.box->Blobs().Blob(i).DriftY = -1;
        }
        palette.box->Tick();
        QCOMPARE(palette.recorded.output->log, QStringList{"play POP0"});
        QCOMPARE(palette.box->Frame().pixelColor(75, 99), QColor(255, 0, 0));
        QCOMPARE(palette.box->Frame().pixelColor(2, 2), palette.box->palette().color(QPalette::Window));
        QVERIFY(palette.box->Blobs().Blob(5).Y > kBox.height());
        QVERIFY(palette.box->Blobs().Blob(8).Y > kBox.height());
    }

    void aTickRepaintsOnlyThePalette()
    {
        PaletteOnWindow palette;
        QVERIFY(palette.exposed());
        PaintCounter canvasPaints, boxPaints;
        palette.canvas->installEventFilter(&canvasPaints);
        palette.box->installEventFilter(&boxPaints);
        palette.Park(1, 75, 100); // a bubble in sight: below the box a tick changes nothing to paint
        QTest::qWait(50);
        canvasPaints.count = boxPaints.count = 0;
        for (int tick = 0; tick < 5; ++tick) {
            palette.box->Tick();
            QTest::qWait(20);
        }
        QVERIFY(boxPaints.count > 0);
        QCOMPARE(canvasPaints.count, 0);
    }

    void crazyColoursToggleTheJitter()
    {
        QWidget window;
        auto *button = new pButton(&window);
        QImage face(40, 40, QImage::Format_RGB32);
        face.fill(Qt::yellow);
        button->SetPicture(face);
        window.resize(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int jitter = ColourModes::kNormalJitter;
        ConnectCrazyColours(button, [&jitter](int changed) { jitter = changed; });

        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(jitter, 120);
        QVERIFY(button->Pressed());
        QVERIFY(!button->LockRefresh());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(jitter, 10);
        QVERIFY(!button->Pressed());
    }

    void theColourFrameShadesRoundTheCanvas()
    {
        QWidget window;
        window.resize(300, 200);
        auto *frame = new ColourFrameView(&window);
        frame->setGeometry(0, 0, 300, 200);
        auto *canvas = new QWidget(frame);
        canvas->setGeometry(24, 24, 252, 152);
        frame->SetCanvas(canvas);
        frame->SetColour(255);                                                // red
        QCOMPARE(frame->FrameImage().pixelColor(19, 100), QColor(128, 0, 0)); // 5 out: 127.5 to even
        QCOMPARE(frame->FrameImage().pixelColor(100, 0), QColor(0, 0, 0));
        QCOMPARE(frame->FrameImage().pixelColor(100, 12), QColor(255, 0, 0));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        canvas->move(40, 30); // the band follows the canvas
        QCOMPARE(frame->FrameImage().pixelColor(35, 100), QColor(128, 0, 0));
        QCOMPARE(frame->FrameImage().pixelColor(19, 100), QColor(255, 0, 0));
        QCOMPARE(frame->grab().toImage().pixelColor(35, 100), QColor(128, 0, 0));
        canvas->hide();
        QCOMPARE(frame->FrameImage().pixelColor(35, 100), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestPaletteBox)
#include "test_palette_box.moc"
