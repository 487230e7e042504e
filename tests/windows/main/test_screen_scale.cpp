// The whole program scaled as one for the screen it runs on. Run once per
// screen (CTest gives each run an offscreen screen of its own size, device
// pixel ratio and desktop scale): every window is laid out as at 1024 x 768
// and scaled by s, the picture fills its frame, and no window leaves the screen.
#include <QScreen>
#include <qpa/qplatformscreen.h>
#include <QtTest>

#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "platform/display_scale.h"
#include "platform/screen_scaling.h"
#include "windows/browser/frm_open.h"
#include "windows/colouring/canvas_view.h"
#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/palette_box.h"
#include "windows/manage/frm_colored_pictures.h"
#include "windows/manage/frm_manage_pictures.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/frm_parental_options.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 1 \r\n 1 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";

// Sizes at 1024 x 768, in layout pixels.
constexpr int kToolButtonWidth = 80;
constexpr int kFunctionButtonWidth = 40;
constexpr int kPaletteWidth = 150;
constexpr int kPictureWidthAt1024 = 826; // a 1000 x 700 page in the frame at 1024 x 768

// A 1000 x 700 page, the default book's size, with a frame line round it.
QString WritePage(const QTemporaryDir &dir)
{
    QImage page(1000, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int x = 0; x < 1000; ++x)
        page.setPixel(x, 350, qRgb(0, 0, 0));
    QDir().mkpath(dir.filePath("books/Velmora"));
    const QString path = dir.filePath("books/Velmora/page.bmp");
    page.save(path, "bmp");
    return path;
}

QSize DevicePixels(const QScreen *screen)
{
    // From the platform: the laid-out size is rounded (3840 / 2.8125 lays out as 1365).
    return (QSizeF(screen->handle()->geometry().size()) * screen->handle()->devicePixelRatio()).toSize();
}

// Layout pixels to the screen's device pixels.
int Device(int layoutPixels, const QWidget *widget)
{
    return int(std::lround(layoutPixels * widget->devicePixelRatioF()));
}

void CompareNear(int actual, double expected, const char *what)
{
    QVERIFY2(std::abs(actual - expected) <= 3,
             qPrintable(QStringLiteral("%1: %2 device pixels, %3 expected").arg(what).arg(actual).arg(expected)));
}

// Below 1024 x 768 the grown-up is asked whether to go on; they do.
void GoOnOnASmallScreen()
{
    if (DevicePixels(QGuiApplication::primaryScreen()).width() < 1024)
        WhenModal<frmParentMessage>([](frmParentMessage *question) { question->ContinueLink()->Click(); });
}

void VerifyOnScreen(const QWidget *window)
{
    const QRect screen = window->screen()->geometry();
    QVERIFY2(screen.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 leaves the %6x%7 screen")
                            .arg(window->metaObject()->className())
                            .arg(window->frameGeometry().x()).arg(window->frameGeometry().y())
                            .arg(window->frameGeometry().width()).arg(window->frameGeometry().height())
                            .arg(screen.width()).arg(screen.height())));
}

} // namespace

class TestScreenScale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        ScaleScreensForChildren();
        m_scale = ChildScaleFor(DevicePixels(QGuiApplication::primaryScreen()));
        qInfo("screen %dx%d device pixels, scale %.3f", DevicePixels(QGuiApplication::primaryScreen()).width(),
              DevicePixels(QGuiApplication::primaryScreen()).height(), m_scale);
    }
    void cleanup() { CancelPendingModalAnswers(); }

    void theScreenIsScaledByItsSizeAlone()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->devicePixelRatio(), m_scale);
        // The layout screen is never smaller than 800 x 600, and at least 1024 x 768 from that scale on.
        QVERIFY(screen->geometry().width() >= 800 && screen->geometry().height() >= 600);
    }

    void theColouringWindowHasItsShareOfTheScreen()
    {
        Rig rig(DisplayMetrics{DevicePixels(QGuiApplication::primaryScreen()).width(),
                               DevicePixels(QGuiApplication::primaryScreen()).height(), 24});
        const QString page = WritePage(rig.root);
        QVERIFY(rig.Settle(kSettings));
        WhenModal<frmOpen>([](frmOpen *browser) {
            VerifyOnScreen(browser);
            browser->cClose_Click();
        });
        GoOnOnASmallScreen();
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(page));
        FrmMain &window = rig.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), window.screen()->geometry());

        for (const pButton *tool : window.pTool)
            CompareNear(Device(tool->width(), tool), m_scale * kToolButtonWidth, "a tool button's width");
        for (const pButton *function : window.pFunc)
            CompareNear(Device(function->width(), function), m_scale * kFunctionButtonWidth,
                        "a grown-ups' button's width");
        CompareNear(Device(window.Pc->width(), window.Pc), m_scale * kPaletteWidth, "the palette's width");

        // The picture as large as the frame allows: it meets the frame's margin on one side at least.
        const QRect picture = window.P->geometry();
        const QRect frame = window.PB->rect();
        QVERIFY(frame.contains(picture));
        const int sideGap = picture.left() + frame.right() - picture.right();
        const int endGap = picture.top() + frame.bottom() - picture.bottom();
        // (Below the grown-ups' corner when it would reach it: 40 and a gap of 8 in place of a margin of 24.)
        QVERIFY2(sideGap <= 2 * 24 + 2 || endGap <= 2 * 24 + 2 + 24, "the picture fills its frame");
        if (window.geometry().width() >= 1024 && window.geometry().height() >= 768)
            QVERIFY2(Device(picture.width(), window.P) >= m_scale * kPictureWidthAt1024 - 3,
                     "the picture has at least its 1024 x 768 share of the screen");
        // The grown-ups' corner stays out of the picture.
        QVERIFY(window.pFunc.back()->geometry().bottom() < picture.top() ||
                window.pFunc.back()->geometry().right() < picture.left());
    }

    // Through the settings button: the gate centred over the window, then the
    // options and both management windows, each wholly on the screen.
    void everyGrownUpsWindowStaysOnTheScreen()
    {
        Rig rig(DisplayMetrics{DevicePixels(QGuiApplication::primaryScreen()).width(),
                               DevicePixels(QGuiApplication::primaryScreen()).height(), 24});
        QVERIFY(rig.Settle(kSettings));
        const QString page = WritePage(rig.root);
        WhenModal<frmOpen>([](frmOpen *browser) { browser->cClose_Click(); });
        GoOnOnASmallScreen();
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(page));
        QStringList seen;
        WhenModal<frmMessage>([&](frmMessage *gate) {
            VerifyOnScreen(gate);
            const QPoint offCentre = gate->frameGeometry().center() - rig.window.frameGeometry().center();
            QVERIFY2(offCentre.manhattanLength() <= 4, "the gate is centred over the window");
            seen << "gate";
            gate->OkButton()->Click();
        });
        WhenModal<frmParentalOptions>([&](frmParentalOptions *options) {
            VerifyOnScreen(options);
            seen << "options";
            WhenModal<frmColoredPictures>([&](frmColoredPictures *coloured) {
                VerifyOnScreen(coloured);
                seen << "coloured pictures";
                coloured->reject();
                WhenModal<frmManagePictures>([&](frmManagePictures *manage) {
                    VerifyOnScreen(manage);
                    seen << "manage pictures";
                    manage->reject();
                    QTimer::singleShot(0, options, [options] { options->reject(); });
                });
                emit options->Link(3)->Click();
            });
            emit options->Link(2)->Click();
        });
        rig.window.pFunc_Click(4);
        QCOMPARE(seen, (QStringList{"gate", "options", "coloured pictures", "manage pictures"}));
    }

private:
    double m_scale = 1.0;
};

QTEST_MAIN(TestScreenScale)
#include "test_screen_scale.moc"
