// The palette and the colour picker on a sharper screen. CTest runs this on
// offscreen screens of device pixel ratio 3 and 1.5: the bubbles are drawn in
// the screen's own pixels from the sharper pictures, while they keep their
// sizes, places, speeds and picking in layout pixels.
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

#include "canvas/colour_picker_shades.h"
#include "controls/picture_button.h"
#include "image/ratio_picture.h"
#include "resources/resource_names.h"
#include "windows/colouring/blob_box.h"
#include "windows/colouring/frm_color_picker.h"
#include "windows/colouring/palette_box.h"
#include "tests/support/fake_sound.h"
#include "tests/support/palette_test_support.h"

namespace {

constexpr QSize kBox(150, 400);

bool IsWholeRatio(qreal ratio)
{
    return std::abs(ratio - std::round(ratio)) < 0.001;
}

QPoint ToDevice(QPoint layout, qreal ratio)
{
    return {int(std::lround(layout.x() * ratio)), int(std::lround(layout.y() * ratio))};
}

QString Text(QColor colour)
{
    return QStringLiteral("%1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// The pixels of `frame` that differ from `picture` placed at `at`: the picture's
// black is see-through, so the box's own colour shows there.
int Mismatches(const QImage &frame, QPoint at, const QImage &picture, QColor box)
{
    const QImage shown = frame.convertToFormat(QImage::Format_RGB32);
    const QImage drawn = picture.convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb expected = (drawn.pixel(x, y) & 0xFFFFFF) == 0 ? box.rgb() : drawn.pixel(x, y);
            if (shown.pixel(at.x() + x, at.y() + y) != expected)
                ++wrong;
        }
    return wrong;
}

// How many pixels of row y, from left to right, are not the box's colour, and where the first is.
std::pair<int, int> Span(const QImage &frame, int y, QColor box)
{
    int first = -1, last = -1;
    for (int x = 0; x < frame.width(); ++x)
        if (frame.pixelColor(x, y) != box) {
            if (first < 0)
                first = x;
            last = x;
        }
    return {first, first < 0 ? 0 : last - first + 1};
}

// Where the bubble in `plainPath` shows across its middle row, placed at `at` on
// a screen of `ratio`: compares the frame's row with the plain picture's
// row brought to the screen's scale, so that the bubble keeps its layout size.
void VerifyLayoutSize(const QImage &frame, QPoint at, const QString &plainPath, qreal ratio, QColor box)
{
    const QImage plain = QImage(plainPath).convertToFormat(QImage::Format_RGB32);
    const int row = plain.height() / 2;
    const auto [plainLeft, plainWidth] = Span(plain, row, Qt::black);
    const int middle = at.y() + int(std::floor((row + 0.5) * ratio));
    const auto [left, width] = Span(frame, middle, box);
    const double expectedLeft = at.x() + plainLeft * ratio;
    QVERIFY2(std::abs(left - expectedLeft) <= 1.5,
             qPrintable(QStringLiteral("starts at %1, %2 expected").arg(left).arg(expectedLeft)));
    QVERIFY2(std::abs(width - plainWidth * ratio) <= 2,
             qPrintable(QStringLiteral("%1 pixels wide, %2 expected").arg(width).arg(plainWidth * ratio)));
}

// The picture the box is expected to draw for a bubble: the plain one brought up
// is what a blurry box would show.
void VerifyDiffersFromPlainBroughtUp(const QImage &sharp, const QString &plainPath)
{
    QImage plain(plainPath);
    plain = plain.scaled(sharp.size()).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(Mismatches(plain, {0, 0}, sharp, Qt::black) > 0, "the sharp picture is the plain one brought up");
}

// A palette box in a window, shown, every bubble parked below the box.
struct PaletteOnWindow {
    RecordedSounds recorded;
    FixedNumbers random;
    QWidget window;
    PaletteBox *box = new PaletteBox(&recorded.sounds, &window, random.Source());

    PaletteOnWindow()
    {
        window.resize(kBox.width() + 200, kBox.height());
        box->setGeometry(QRect(QPoint(200, 0), kBox));
        box->Build(4);
        for (int i = 0; i < box->Blobs().Count(); ++i)
            Park(i, 75, 1000);
        window.show();
    }
    void Park(int i, float x, float y)
    {
        PaletteBlob &blob = box->Blobs().Blob(i);
        blob.X = x;
        blob.Y = y;
        blob.DriftY = 0;
        blob.Phase = -0.1f; // the next move wobbles by sin 0: not at all
    }
};

// A picker opened for `colour`, its bubbles standing still.
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
    // Puts bubble i alone in the middle of the box, standing still.
    QPoint Present(int i)
    {
        for (int other = 0; other < Bubbles().Count(); ++other)
            Bubbles().Blob(other).Y = 1000;
        PaletteBlob &blob = Bubbles().Blob(i);
        blob.X = 150;
        blob.Y = 120;
        blob.DriftY = 0;
        blob.Phase = -0.1f;
        return {150, 120};
    }
};

} // namespace

class TestSharpBubbles : public QObject {
    Q_OBJECT

    qreal m_ratio = 1;

private Q_SLOTS:
    void initTestCase()
    {
        m_ratio = qGuiApp->devicePixelRatio();
        QVERIFY2(m_ratio > 1, "run on a sharper screen (see CMakeLists.txt)");
    }

    void theBubblesKeepTheirSizesPlacesAndSpeeds()
    {
        PaletteOnWindow palette;
        QVERIFY(QTest::qWaitForWindowExposed(&palette.window));
        QCOMPARE(palette.box->size(), kBox);
        const PaletteBlobs &blobs = palette.box->Blobs();
        QCOMPARE(blobs.Box(), kBox);
        QCOMPARE(blobs.Blob(1).Radius, 21.5f); // 43 wide, as on a plain screen
        QCOMPARE(blobs.Blob(12).Radius, 17.5f);
        QCOMPARE(blobs.Blob(1).Colour, 255);
        QCOMPARE(blobs.Blob(12).Colour, 0xFFFFFF);

        PaletteBox box(nullptr, nullptr, [] { return 0.5; });
        box.resize(kBox);
        box.Build(4);
        box.Tick();
        for (int i = 0; i < box.Blobs().Count(); ++i) {
            const PaletteBlob &blob = box.Blobs().Blob(i);
            QCOMPARE(blob.DriftY, -0.25f); // (-0.5 - 0.5) / 4 layout pixels a tick
            QCOMPARE(blob.Y, 0.5f * 20 + kBox.height() + blob.Radius - 0.25f);
        }
    }

    void pressingABubblePicksItsColourInLayoutPixels()
    {
        PaletteOnWindow palette;
        QVERIFY(QTest::qWaitForWindowExposed(&palette.window));
        QSignalSpy chosen(palette.box, &PaletteBox::ColourChosen);
        palette.Park(1, 60, 100);  // red, radius 21.5
        palette.Park(12, 80, 100); // white, radius 17.5, over it
        palette.box->Tick();

        QTest::mouseClick(palette.box, Qt::LeftButton, {}, QPoint(100, 100)); // beside both rims
        QCOMPARE(chosen.count(), 0);
        QTest::mouseClick(palette.box, Qt::LeftButton, {}, QPoint(70, 100));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.last().first().value<qint32>(), 0xFFFFFF);
        QTest::mouseClick(palette.box, Qt::LeftButton, {}, QPoint(45, 100)); // only the red one reaches here
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.last().first().value<qint32>(), 255);
    }

    void theFrameIsInTheScreensOwnPixels()
    {
        PaletteOnWindow palette;
        QVERIFY(QTest::qWaitForWindowExposed(&palette.window));
        palette.box->Tick();
        const QImage &frame = palette.box->Frame();
        QCOMPARE(frame.devicePixelRatio(), m_ratio);
        QCOMPARE(frame.size(), (QSizeF(kBox) * m_ratio).toSize());
        QCOMPARE(frame.deviceIndependentSize().toSize(), kBox);
    }

    void aBubbleIsDrawnFromItsSharpPictureAtItsLayoutSize()
    {
        PaletteOnWindow palette;
        QVERIFY(QTest::qWaitForWindowExposed(&palette.window));
        palette.Park(1, 75, 100);
        palette.box->Tick();
        const QImage &frame = palette.box->Frame();
        const QColor box = palette.box->palette().color(QPalette::Window);
        const QPoint at = ToDevice(palette.box->Blobs().DrawPosition(1), m_ratio);

        // Across its middle the bubble is as wide as the plain picture in layout pixels.
        VerifyLayoutSize(frame, at, QStringLiteral(":/palette/1.png"), m_ratio, box);
        const QColor centre = frame.pixelColor(at + ToDevice(QPoint(21, 21), m_ratio));
        QVERIFY2(centre == QColor(255, 0, 0), qPrintable(Text(centre)));

        if (!IsWholeRatio(m_ratio))
            return; // brought to the screen's scale, so not pixel for pixel
        const QImage sharp = ReadPictureForRatio(QStringLiteral(":/palette/1.png"), m_ratio);
        QCOMPARE(sharp.devicePixelRatio(), m_ratio);
        VerifyDiffersFromPlainBroughtUp(sharp, QStringLiteral(":/palette/1.png"));
        QCOMPARE(Mismatches(frame, at, sharp, box), 0);
    }

    void theBoxShowsItsFrame()
    {
        PaletteOnWindow palette;
        QVERIFY(QTest::qWaitForWindowExposed(&palette.window));
        palette.Park(1, 75, 100);
        palette.box->Tick();
        const QImage shown = palette.box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage frame = palette.box->Frame().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), frame.size());
        const QRect bubble(ToDevice(palette.box->Blobs().DrawPosition(1), m_ratio), QSize(43, 43) * m_ratio);
        QCOMPARE(shown.copy(bubble), frame.copy(bubble));
        QVERIFY(frame.pixelColor(bubble.center()) != palette.box->palette().color(QPalette::Window));
    }

    void theHandCursorIsDrawnForTheScreen()
    {
        PaletteBox box(nullptr);
        const QCursor hand = box.cursor();
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.pixmap().devicePixelRatio(), m_ratio);
        QCOMPARE(hand.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(hand.hotSpot(), QPoint(8, 1)); // this platform takes it in layout pixels
    }

    void thePickerKeepsItsLayout()
    {
        OpenPicker open(255);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        QCOMPARE(open.picker.size(), QSize(306, 325));
        QCOMPARE(open.picker.Box()->geometry(), QRect(3, 3, 300, 250));
        const QSize face = ReadPictureForRatio(ResourceNames::Face(114), 1).size();
        pButton *close = open.picker.CloseButton();
        QCOMPARE(close->size(), face);
        QCOMPARE(close->pos(), QPoint(306 - 3 - 4 - face.width(), 3 + 250 + (72 - face.height()) / 2));
        QCOMPARE(open.Bubbles().Blob(14).Radius, 13.0f); // 26 wide
        QCOMPARE(open.Bubbles().Blob(0).DriftY, -0.5f);
    }

    void theCloseButtonShowsItsSharpFace()
    {
        if (!IsWholeRatio(m_ratio))
            QSKIP("the face is brought to the screen's scale, so not pixel for pixel");
        OpenPicker open(255);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        const QImage sharp =
            ReadPictureForRatio(ResourceNames::Face(114), m_ratio).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sharp.devicePixelRatio(), m_ratio);
        VerifyDiffersFromPlainBroughtUp(sharp, ResourceNames::Face(114));
        const QImage shown = open.picker.CloseButton()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), sharp.size());
        int wrong = 0;
        for (int y = 0; y < sharp.height(); ++y)
            for (int x = 0; x < sharp.width(); ++x)
                if (shown.pixel(x, y) != sharp.pixel(x, y))
                    ++wrong;
        QCOMPARE(wrong, 0);
    }

    void thePickerDrawsItsShadesSharpAndInTheirColour()
    {
        const qint32 blue = 255 << 16;
        OpenPicker open(blue);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        BlobBox *box = open.picker.Box();
        open.Present(14);
        box->Tick();
        const QImage &frame = box->Frame();
        QCOMPARE(frame.devicePixelRatio(), m_ratio);
        QCOMPARE(frame.deviceIndependentSize().toSize(), QSize(300, 250));
        const QColor background = box->palette().color(QPalette::Window);
        const QPoint at = ToDevice(open.Bubbles().DrawPosition(14), m_ratio);

        VerifyLayoutSize(frame, at, QStringLiteral(":/shades/14.png"), m_ratio, background);
        const QColor centre = frame.pixelColor(at + ToDevice(QPoint(13, 13), m_ratio));
        QVERIFY2(centre.blue() > 100 && centre.red() < 20 && centre.green() < 20, qPrintable(Text(centre)));

        if (!IsWholeRatio(m_ratio))
            return;
        QImage sharp = ReadPictureForRatio(QStringLiteral(":/shades/14.png"), m_ratio);
        QCOMPARE(sharp.devicePixelRatio(), m_ratio);
        VerifyDiffersFromPlainBroughtUp(sharp, QStringLiteral(":/shades/14.png"));
        ColourPickerShades::Recolour(sharp, 14, blue);
        QCOMPARE(Mismatches(frame, at, sharp, background), 0);
    }

    void pressingAShadeChoosesItInLayoutPixels()
    {
        OpenPicker open(255);
        QVERIFY(QTest::qWaitForWindowExposed(&open.picker));
        const QPoint at = open.Present(14);
        open.picker.Box()->Tick();
        const cNDib &plain = open.Bubbles().Sprite(14);
        const qint32 expected = plain.Get_Pixel_Long(plain.Width() / 2, plain.Height() / 2);

        QTest::mouseClick(open.picker.Box(), Qt::LeftButton, {}, at + QPoint(14, 0)); // just beside the rim
        QVERIFY(open.picker.isVisible());
        QTest::mouseClick(open.picker.Box(), Qt::LeftButton, {}, at + QPoint(12, 0));
        QCOMPARE(open.picker.OKclicked(), QStringLiteral("Ok"));
        QCOMPARE(open.picker.ColorSelected(), expected);
    }
};

QTEST_MAIN(TestSharpBubbles)
#include "test_sharp_bubbles.moc"
