#include <QtTest>

#include "windows/colouring/blob_box.h"
#include "windows/colouring/frm_color_picker.h"
#include "canvas/hsl.h"
#include "controls/picture_button.h"
#include "tests/support/palette_test_support.h"
#include "tests/support/fake_sound.h"
#include "tests/support/modal.h"

namespace {

// The centre colours of the shade pictures as drawn, in red.
const QList<QColor> kRedCentres = {{255, 0, 0},     {255, 26, 26},   {255, 51, 51},   {255, 102, 102}, {255, 76, 76},
                                   {255, 128, 128}, {255, 178, 178}, {255, 153, 153}, {255, 205, 205}, {255, 228, 228},
                                   {28, 28, 28},    {25, 0, 0},      {55, 1, 1},      {86, 0, 0},      {133, 0, 0},
                                   {166, 1, 1},     {200, 0, 0},     {255, 255, 255}};

QColor Centre(const cNDib &sprite)
{
    return QColor(PixelOfColourValue(sprite.Get_Pixel_Long(sprite.Width() / 2, sprite.Height() / 2)));
}

bool WithinOneStep(QColor actual, QColor expected)
{
    return std::abs(actual.red() - expected.red()) <= 1 && std::abs(actual.green() - expected.green()) <= 1 &&
           std::abs(actual.blue() - expected.blue()) <= 1;
}

QString Text(QColor colour)
{
    return QStringLiteral("%1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// A picker opened for `colour`, its bubbles standing still so that a test can aim at them.
struct OpenPicker {
    RecordedSounds recorded;
    frmColorPicker picker{&recorded.sounds, nullptr, [] { return 0.5; }};

    explicit OpenPicker(qint32 colour)
    {
        picker.SetColorSelected(colour);
        picker.show();
        picker.Timer().stop();
    }
    PaletteBlobs &Bubbles() { return picker.Box()->Blobs(); }
    // Puts bubble i alone in the middle of the box and returns its centre.
    QPoint Present(int i)
    {
        for (int other = 0; other < Bubbles().Count(); ++other)
            Bubbles().Blob(other).Y = 1000;
        Bubbles().Blob(i).X = 150;
        Bubbles().Blob(i).Y = 120;
        return {150, 120};
    }
};

} // namespace

class TestColourPicker : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CancelPendingModalAnswers(); }

    void pureRedShowsThePicturesAsDrawn()
    {
        OpenPicker open(255);
        QCOMPARE(open.Bubbles().Count(), 18);
        QList<QColor> expected = kRedCentres;
        // The one grey among the shades' centres takes the colour's hue like
        // every pixel of a shade: lightness 28 in red.
        expected[10] = QColor(56, 0, 0);
        for (int i = 0; i < 18; ++i) {
            const QColor centre = Centre(open.Bubbles().Sprite(i));
            QVERIFY2(WithinOneStep(centre, expected[i]), qPrintable(QString::number(i) + ": " + Text(centre)));
        }
    }

    void aGreyGivesGreysOfEachBubblesOwnLightness_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("mid grey") << QColor(128, 128, 128);
        QTest::newRow("white") << QColor(255, 255, 255);
        QTest::newRow("black") << QColor(0, 0, 0);
    }
    void aGreyGivesGreysOfEachBubblesOwnLightness()
    {
        QFETCH(QColor, colour);
        OpenPicker open(ValueOf(colour));
        for (int i = 0; i < 18; ++i) {
            const QColor centre = Centre(open.Bubbles().Sprite(i));
            const int lightness = modHSL::RgbToHsl(ValueOf(kRedCentres[i])).Lightness;
            QVERIFY2(centre.red() == centre.green() && centre.green() == centre.blue(), qPrintable(Text(centre)));
            QVERIFY2(std::abs(centre.red() - lightness) <= 1, qPrintable(QString::number(i) + ": " + Text(centre)));
        }
        // Still pale to dark: the tints lighten, the shades darken towards black.
        QVERIFY(Centre(open.Bubbles().Sprite(9)).red() > Centre(open.Bubbles().Sprite(0)).red());
        QVERIFY(Centre(open.Bubbles().Sprite(11)).red() < Centre(open.Bubbles().Sprite(16)).red());
    }

    void tintsKeepTheirGreyRimsAndShadesTakeTheHue()
    {
        const qint32 blue = 255 << 16;
        OpenPicker open(blue);
        const QImage tint(":/shades/3.png");
        const cNDib &recoloured = open.Bubbles().Sprite(3);
        int greysKept = 0;
        for (int y = 0; y < tint.height(); ++y)
            for (int x = 0; x < tint.width(); ++x) {
                const QColor before = tint.pixelColor(x, y);
                if (before != Qt::black && before.red() == before.green() && before.green() == before.blue()) {
                    QCOMPARE(QColor(PixelOfColourValue(recoloured.Get_Pixel_Long(x, y))), before);
                    ++greysKept;
                }
            }
        QVERIFY(greysKept > 0);
        const QColor shade = Centre(open.Bubbles().Sprite(16));
        QVERIFY2(shade.blue() > 150 && shade.red() == 0 && shade.green() == 0, qPrintable(Text(shade)));
    }

    // Re-coloured, the bubbles still fit their masks: black stays see-through, nothing else turns black.
    void theBlackBackgroundStaysSeeThrough()
    {
        OpenPicker open(0x102030);
        for (int i = 0; i < 18; ++i) {
            const cNDib &sprite = open.Bubbles().Sprite(i);
            const cNDib &mask = open.Bubbles().Mask(i);
            for (int y = 0; y < sprite.Height(); ++y)
                for (int x = 0; x < sprite.Width(); ++x)
                    QCOMPARE(sprite.Get_Pixel_Long(x, y) == 0, mask.Get_Pixel_Long(x, y) == 0xFFFFFF);
        }
    }

    void bubblesRiseAtHalfTheFastestSpeed()
    {
        OpenPicker open(255);
        for (int i = 0; i < open.Bubbles().Count(); ++i)
            QCOMPARE(open.Bubbles().Blob(i).DriftY, -0.5f); // (-0.5 - 0.5) / 2
        QCOMPARE(open.Bubbles().Blob(0).Y, 0.5f * 20 + open.picker.Box()->height() + 13);
    }

    void pressAndReleaseOnABubbleChooseIt()
    {
        OpenPicker open(255);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        const QPoint at = open.Present(14);
        const QColor expected = Centre(open.Bubbles().Sprite(14));

        QTest::mousePress(open.picker.Box(), Qt::LeftButton, {}, at);
        QCOMPARE(QColor(PixelOfColourValue(open.picker.ColorSelected())), expected);
        QCOMPARE(open.recorded.output->log, QStringList{"play PRESS0"});
        QVERIFY(open.picker.isVisible()); // chosen on the release
        QCOMPARE(open.picker.OKclicked(), QString());

        QTest::mouseRelease(open.picker.Box(), Qt::LeftButton, {}, at);
        QCOMPARE(open.picker.OKclicked(), QStringLiteral("Ok"));
        QCOMPARE(open.picker.result(), int(QDialog::Accepted));
        QVERIFY(!open.picker.isVisible());
    }

    void aPressBesideTheBubblesChoosesNothing()
    {
        OpenPicker open(255);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        open.Present(3);
        QTest::mousePress(open.picker.Box(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(open.picker.Box(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(open.picker.isVisible());
        QCOMPARE(open.picker.OKclicked(), QString());
        QCOMPARE(open.picker.ColorSelected(), 255);
        QVERIFY(open.recorded.output->log.isEmpty());
    }

    void aReleaseWithoutAPressChoosesNothing()
    {
        OpenPicker open(255);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        const QPoint at = open.Present(3);
        QTest::mouseRelease(open.picker.Box(), Qt::LeftButton, {}, at);
        QVERIFY(open.picker.isVisible());
        QCOMPARE(open.picker.OKclicked(), QString());
    }

    void askingStopsTheWindowTimerAndGivesTheShade()
    {
        RecordedSounds recorded;
        QTimer windowTimer;
        windowTimer.start(1000);
        bool timerStoppedMeanwhile = false;
        qint32 offered = -1, shown = -1;
        WhenModal<frmColorPicker>([&](frmColorPicker *picker) {
            timerStoppedMeanwhile = !windowTimer.isActive();
            offered = picker->ColorSelected();
            QVERIFY(picker->Timer().isActive());
            picker->Timer().stop();
            PaletteBlobs &bubbles = picker->Box()->Blobs();
            for (int i = 0; i < bubbles.Count(); ++i)
                bubbles.Blob(i).Y = 1000;
            bubbles.Blob(6).X = 100;
            bubbles.Blob(6).Y = 100;
            const cNDib &sprite = bubbles.Sprite(6);
            shown = sprite.Get_Pixel_Long(sprite.Width() / 2, sprite.Height() / 2);
            QTest::mouseClick(picker->Box(), Qt::LeftButton, {}, QPoint(100, 100));
        });
        const std::optional<qint32> chosen = AskColourPicker(&recorded.sounds, 0x00A000, windowTimer);
        QVERIFY(timerStoppedMeanwhile);
        QCOMPARE(offered, 0x00A000);
        QVERIFY(chosen.has_value());
        QCOMPARE(*chosen, shown);
        QVERIFY(windowTimer.isActive());
    }

    void closingWithoutAChoiceKeepsTheColour()
    {
        RecordedSounds recorded;
        QTimer windowTimer; // not running: stays so
        WhenModal<frmColorPicker>([](frmColorPicker *picker) {
            QTest::mouseClick(picker->CloseButton(), Qt::LeftButton, {}, QPoint(30, 30));
        });
        QCOMPARE(AskColourPicker(&recorded.sounds, 255, windowTimer), std::nullopt);
        QVERIFY(!windowTimer.isActive());
        QCOMPARE(recorded.output->log, QStringList{"play CANCEL0"});
    }
};

QTEST_MAIN(TestColourPicker)
#include "test_colour_picker.moc"
