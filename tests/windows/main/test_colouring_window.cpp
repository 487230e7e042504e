#include <QCursor>
#include <QtTest>

#include "canvas/lossless_copy.h"
#include "windows/colouring/canvas_view.h"
#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/palette_box.h"
#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parental_options.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";
const QByteArray kAutoHide = " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 4 \r\n\r\n\r\n";

// 120 x 60 white page split by a black line down x = 60..61.
QString WriteLineArt(const QTemporaryDir &dir)
{
    QImage art(120, 60, QImage::Format_RGB32);
    art.fill(Qt::white);
    for (int y = 0; y < 60; ++y) {
        art.setPixel(60, y, qRgb(0, 0, 0));
        art.setPixel(61, y, qRgb(0, 0, 0));
    }
    const QString path = dir.filePath("split.bmp");
    art.save(path, "bmp");
    return path;
}

QPoint ViewPoint(CanvasView *view, QPointF canvasPoint)
{
    return view->ViewFromCanvas().map(canvasPoint).toPoint();
}

void Click(pButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

} // namespace

// The colouring window as a child uses it: tools, palette, strokes and undo.
class TestColouringWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void aStrokeStaysInItsAreaAndUndoes()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(WriteLineArt(rig.root)));
        CanvasView *canvas = rig.window.P;
        QVERIFY(canvas->isVisible());
        QVERIFY(!rig.window.c[2]->Enabled());

        Q_EMIT rig.window.Pc->ColourChosen(255); // red
        QCOMPARE(rig.window.PB->Colour(), 255);

        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, ViewPoint(canvas, {20, 30}));
        QVERIFY(!rig.window.Timer1.isActive()); // no animation beside a stroke
        for (int x = 24; x <= 110; x += 6)
            QTest::mouseMove(canvas, ViewPoint(canvas, {qreal(x), 30}));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, ViewPoint(canvas, {110, 30}));
        QVERIFY(rig.window.Timer1.isActive());
        QVERIFY(rig.window.c[2]->Enabled());

        const QImage painted = rig.window.Document().Engine().CanvasImage();
        const QRgb left = painted.pixel(40, 30);
        QVERIFY2(qRed(left) > qGreen(left) + 40, "the left side is coloured red");
        QCOMPARE(painted.pixel(60, 30), qRgb(0, 0, 0));
        QCOMPARE(painted.pixel(61, 30), qRgb(0, 0, 0));
        for (int x = 62; x < 120; ++x)
            QCOMPARE(painted.pixel(x, 30), qRgb(255, 255, 255)); // the stroke stopped at the line

        Click(rig.window.c[2]);
        QCOMPARE(rig.window.Document().Engine().CanvasImage().pixel(40, 30), qRgb(255, 255, 255));
        QVERIFY(!rig.window.c[2]->Enabled());
    }

    // The pointer rests after a stroke: the colouring is saved on its own,
    // with no button pressed; a new stroke makes it need saving again.
    void aRestingPointerSavesTheColouring()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(WriteLineArt(rig.root)));
        const QString coloured = rig.window.Document().Files().coloured;
        CanvasView *canvas = rig.window.P;
        for (int round = 0; round < 2; ++round) {
            QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, ViewPoint(canvas, {20, 20.0 + 10 * round}));
            QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, ViewPoint(canvas, {30, 20.0 + 10 * round}));
            QVERIFY(rig.window.Document().NeedsSaving());
            QTRY_VERIFY_WITH_TIMEOUT(!rig.window.Document().NeedsSaving(), 6000);
            QCOMPARE(ReadLosslessCopy(coloured, QSize(120, 60)), rig.window.Document().Engine().CanvasImage());
        }
    }

    void toolButtonsSwitchTextureAndStayPressed()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(WriteLineArt(rig.root)));
        FrmMain &w = rig.window;

        Click(w.pTool[1]);
        QCOMPARE(w.Tool, 1);
        QCOMPARE(w.Document().Engine().BrushTexture().Width(), 112);
        QVERIFY(w.pTool[1]->Pressed() && !w.pTool[0]->Pressed() && !w.pTool[2]->Pressed());
        QVERIFY(w.c[3]->Enabled());
        QCOMPARE(w.P->cursor().pixmap().size(), QSize(67, 73)); // the paintbrush cursor

        Click(w.pTool[1]); // the pressed tool stays pressed
        QVERIFY(w.pTool[1]->Pressed());
        Click(w.pTool[0]);
        QCOMPARE(w.Tool, 0);
        QCOMPARE(w.Document().Engine().BrushTexture().Width(), 40);
        QCOMPARE(w.Document().Engine().BrushTexture().Height(), 35);
        QCOMPARE(rig.recorded.output->log.filter("play B0").size(), 3); // a click sound each
    }

    void crazyColoursWidenTheJitter()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(WriteLineArt(rig.root)));
        Click(rig.window.c[3]);
        QVERIFY(rig.window.c[3]->Pressed());
        QCOMPARE(rig.window.Document().Engine().ColourJitter(), 120);
        Click(rig.window.c[3]);
        QCOMPARE(rig.window.Document().Engine().ColourJitter(), 10);
    }

    // The click sound belongs to a click; a release off the button still
    // switches the mode, silently.
    void crazyColoursSoundOnlyOnAClick()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.OpenPictureFile(WriteLineArt(rig.root)));
        pButton *crazy = rig.window.c[3];
        QStringList &log = rig.recorded.output->log;
        log.clear();
        QTest::mousePress(crazy, Qt::LeftButton, Qt::NoModifier, crazy->rect().center());
        QTest::mouseRelease(crazy, Qt::LeftButton, Qt::NoModifier, crazy->rect().bottomRight() + QPoint(20, 20));
        QVERIFY(crazy->Pressed());
        QCOMPARE(rig.window.Document().Engine().ColourJitter(), 120);
        QCOMPARE(log.filter("play B0").size(), 0);
        Click(crazy);
        QVERIFY(!crazy->Pressed());
        QCOMPARE(log.filter("play B0").size(), 1);
    }

    // Crazy colours switched on before any picture is open (a tool button
    // enables the switch), then a confirmed settings change releases the
    // button: the strokes must follow it back to normal colours.
    void aSettingsChangeWithNoPictureEndsCrazyColours()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(!rig.window.P->isVisible());
        Click(rig.window.pTool[1]);
        Click(rig.window.c[3]);
        QCOMPARE(rig.window.Document().Engine().ColourJitter(), 120);
        WhenModal<frmMessage>([](frmMessage *gate) { gate->OkButton()->Click(); });
        WhenModal<frmParentalOptions>([](frmParentalOptions *options) { options->Link(1)->Click(); });
        rig.window.pFunc_Click(4);
        QVERIFY(!rig.window.c[3]->Pressed());
        QCOMPARE(rig.window.ColourJitterRange, 10);
        QCOMPARE(rig.window.Document().Engine().ColourJitter(), 10);
    }

    // A confirmed settings change with a picture open puts the child back on
    // the crayon in normal colours, and keeps what can be undone.
    void aSettingsChangeWithAPictureOpenGoesBackToTheCrayon()
    {
        for (const bool stroked : {false, true}) {
            Rig rig;
            QVERIFY(rig.Settle(kSettings));
            QVERIFY(rig.window.Form_Load());
            QVERIFY(rig.window.OpenPictureFile(WriteLineArt(rig.root)));
            FrmMain &w = rig.window;
            Click(w.pTool[1]);
            Click(w.c[3]);
            if (stroked) {
                QTest::mousePress(w.P, Qt::LeftButton, Qt::NoModifier, ViewPoint(w.P, {20, 30}));
                QTest::mouseRelease(w.P, Qt::LeftButton, Qt::NoModifier, ViewPoint(w.P, {30, 30}));
            }
            QCOMPARE(w.c[2]->Enabled(), stroked);
            WhenModal<frmMessage>([](frmMessage *gate) { gate->OkButton()->Click(); });
            WhenModal<frmParentalOptions>([](frmParentalOptions *options) { options->Link(1)->Click(); });
            w.pFunc_Click(4);
            QCOMPARE(w.Tool, 0);
            QCOMPARE(w.Document().Engine().BrushTexture().Width(), 40); // the crayon's texture
            QVERIFY(w.pTool[0]->Pressed() && !w.pTool[1]->Pressed() && !w.pTool[2]->Pressed());
            for (pButton *tool : w.pTool)
                QVERIFY(tool->Enabled());
            QVERIFY(!w.c[3]->Pressed()); // released by the start-up pass, so 10 rather than 60
            QCOMPARE(w.Document().Engine().ColourJitter(), 10);
            QVERIFY(w.c[0]->Enabled() && w.c[1]->Enabled() && w.c[3]->Enabled());
            QCOMPARE(w.c[2]->Enabled(), stroked);
        }
    }

    void restingInTheCornerCallsUpTheButtons()
    {
        Rig rig;
        QVERIFY(rig.Settle(kAutoHide));
        QVERIFY(rig.window.Form_Load());
        FrmMain &w = rig.window;
        QVERIFY(w.pFunc[0]->isHidden());
        QCursor::setPos(w.mapToGlobal(QPoint(5, 5)));
        if (w.mapFromGlobal(QCursor::pos()) != QPoint(5, 5))
            QSKIP("this platform cannot place the pointer");
        for (int tick = 0; tick < 65; ++tick)
            w.Timer1_Timer();
        QVERIFY(w.pFunc[0]->isHidden()); // 65 x 23 checks: not yet 1500
        w.Timer1_Timer();
        for (pButton *button : w.pFunc)
            QVERIFY(!button->isHidden());
        QCursor::setPos(w.mapToGlobal(QPoint(500, 300)));
        w.Timer1_Timer();
        QVERIFY(w.pFunc[0]->isHidden());
    }
};

QTEST_MAIN(TestColouringWindow)
#include "test_colouring_window.moc"
