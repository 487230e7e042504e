#include <QSignalSpy>
#include <QtTest>

#include "windows/colouring/canvas_view.h"
#include "tests/support/stroke_fixtures.h"

namespace {

const QColor kPencilColour(200, 30, 30);

// A canvas view of `viewSize` showing a white picture of `pictureSize`, with
// the pencil in a colour that does not vary, so that a click sets exactly one pixel.
struct ShownCanvas {
    ColouringDocument document{QString()};
    QWidget window;
    CanvasView *view = new CanvasView(document, &window);

    ShownCanvas(QSize pictureSize, QSize viewSize, int tool = kPencil)
    {
        window.resize(viewSize);
        view->setGeometry(QRect(QPoint(0, 0), viewSize));
        document.Engine().SetTool(tool);
        document.Engine().SetCurrentColour({kPencilColour.red(), kPencilColour.green(), kPencilColour.blue()});
        document.Engine().SetRandomSource(Fixed(0.5));
        Show(LineArt(pictureSize));
        window.show();
    }
    void Show(const QImage &picture)
    {
        document.OpenUnsaved(picture);
        view->ShowNewPicture();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    const QImage &canvas() const { return document.Engine().CanvasImage(); }
};

// Records the areas painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

class TestCanvasView : public QObject {
    Q_OBJECT

private slots:
    void clickLandsOnItsPixel_data();
    void clickLandsOnItsPixel();
    void clickOffThePictureIgnored_data();
    void clickOffThePictureIgnored();
    void dragDrawsInPicturePixels();
    void aStrokeAtAnyScalePaintsTheSamePixels();
    void touchPaintsWithOneFinger();
    void signalsAndUndo();
    void strokeEndsWhenItsReleaseIsLost_data();
    void strokeEndsWhenItsReleaseIsLost();
    void repaintsOnlyWhatChanged();
    void showsThePicture();
};

void TestCanvasView::clickLandsOnItsPixel_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QRect>("shown");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("wide picture scaled down by half")
        << QSize(800, 600) << QSize(400, 400) << QRect(0, 50, 400, 300) << QPoint(100, 150) << QPoint(200, 200);
    QTest::newRow("tall picture scaled down to a third")
        << QSize(300, 900) << QSize(400, 300) << QRect(150, 0, 100, 300) << QPoint(200, 60) << QPoint(150, 180);
    QTest::newRow("view sized to the picture's shape, rounded: filled exactly")
        << QSize(2400, 1800) << QSize(933, 700) << QRect(0, 0, 933, 700) << QPoint(466, 350) << QPoint(1199, 900);
    QTest::newRow("small picture scaled up, centred")
        << QSize(100, 80) << QSize(400, 400) << QRect(0, 40, 400, 320) << QPoint(180, 180) << QPoint(45, 35);
    QTest::newRow("odd sizes centred on whole pixels")
        << QSize(101, 81) << QSize(400, 400) << QRect(0, 39, 400, 321) << QPoint(0, 39) << QPoint(0, 0);
    QTest::newRow("last pixel of a small picture")
        << QSize(100, 80) << QSize(400, 400) << QRect(0, 40, 400, 320) << QPoint(397, 357) << QPoint(99, 79);
}

void TestCanvasView::clickLandsOnItsPixel()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, view);
    QFETCH(QRect, shown);
    QFETCH(QPoint, click);
    QFETCH(QPoint, pixel);
    ShownCanvas canvas(picture, view);
    QVERIFY(canvas.exposed());
    QCOMPARE(canvas.view->PictureRect(), shown);
    QTest::mouseClick(canvas.view, Qt::LeftButton, {}, click);
    QCOMPARE(DifferingPixels(canvas.canvas(), LineArt(picture)), 1);
    QCOMPARE(QColor(canvas.canvas().pixel(pixel)), kPencilColour);
}

void TestCanvasView::clickOffThePictureIgnored_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("click");
    QTest::newRow("corner of the view") << QSize(100, 80) << QPoint(5, 5);
    // A tall picture, scaled up by 4, shows at (40, 0) 320 x 400; a wide one at (0, 40) 400 x 320.
    QTest::newRow("just left of the picture") << QSize(80, 100) << QPoint(39, 200);
    QTest::newRow("just right of the picture") << QSize(80, 100) << QPoint(361, 200);
    QTest::newRow("just below the picture") << QSize(100, 80) << QPoint(200, 361);
    QTest::newRow("above a scaled picture") << QSize(800, 600) << QPoint(200, 49);
    QTest::newRow("below a scaled picture") << QSize(800, 600) << QPoint(200, 350);
}

void TestCanvasView::clickOffThePictureIgnored()
{
    QFETCH(QSize, picture);
    QFETCH(QPoint, click);
    ShownCanvas canvas(picture, QSize(400, 400));
    QVERIFY(canvas.exposed());
    QSignalSpy started(canvas.view, &CanvasView::StrokeStarted);
    QTest::mousePress(canvas.view, Qt::LeftButton, {}, click);
    QTest::mouseMove(canvas.view, canvas.view->PictureRect().center()); // dragging in afterwards paints nothing either
    QTest::mouseRelease(canvas.view, Qt::LeftButton, {}, canvas.view->PictureRect().center());
    QCOMPARE(started.count(), 0);
    QCOMPARE(canvas.canvas(), LineArt(picture));
    QVERIFY(!canvas.document.Engine().CanUndo());
}

void TestCanvasView::dragDrawsInPicturePixels()
{
    ShownCanvas canvas(QSize(800, 600), QSize(400, 400)); // half size, picture from y = 50
    QVERIFY(canvas.exposed());
    QTest::mousePress(canvas.view, Qt::LeftButton, {}, QPoint(100, 150));
    QTest::mouseMove(canvas.view, QPoint(150, 150));
    QTest::mouseRelease(canvas.view, Qt::LeftButton, {}, QPoint(150, 150));
    for (int x = 200; x <= 300; ++x)
        QCOMPARE(QColor(canvas.canvas().pixel(x, 200)), kPencilColour);
    QCOMPARE(QColor(canvas.canvas().pixel(301, 200)).red() > kPencilColour.red(), true);
}

// The same stroke on a small and on a big screen: the view maps it back to
// the same picture pixels, so the coloured file is the same on either.
void TestCanvasView::aStrokeAtAnyScalePaintsTheSamePixels()
{
    QList<QImage> painted;
    for (const QSize view : {QSize(400, 300), QSize(800, 600), QSize(1200, 900)}) {
        ShownCanvas canvas(QSize(200, 150), view, kCrayon);
        QVERIFY(canvas.exposed());
        const QTransform &toView = canvas.view->ViewFromCanvas();
        const QList<QPointF> path{{30, 40}, {60, 55}, {110, 70}, {150, 120}};
        QTest::mousePress(canvas.view, Qt::LeftButton, {}, toView.map(path.first()).toPoint());
        for (const QPointF &point : path)
            QTest::mouseMove(canvas.view, toView.map(point).toPoint());
        QTest::mouseRelease(canvas.view, Qt::LeftButton, {}, toView.map(path.last()).toPoint());
        painted << canvas.canvas();
    }
    QVERIFY(painted[0] != LineArt(QSize(200, 150)));
    QCOMPARE(painted[1], painted[0]);
    QCOMPARE(painted[2], painted[0]);
}

void TestCanvasView::touchPaintsWithOneFinger()
{
    ShownCanvas canvas(QSize(100, 80), QSize(400, 400)); // at (0, 40), scaled up by 4
    QVERIFY(canvas.exposed());
    QSignalSpy started(canvas.view, &CanvasView::StrokeStarted);
    QSignalSpy finished(canvas.view, &CanvasView::StrokeFinished);
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice *screen = device.get();

    QTest::touchEvent(canvas.view, screen).press(0, QPoint(40, 80), canvas.view);
    QCOMPARE(started.count(), 1);
    QCOMPARE(QColor(canvas.canvas().pixel(10, 10)), kPencilColour);
    // A second finger joins in elsewhere: it does not paint.
    QTest::touchEvent(canvas.view, screen).stationary(0).press(1, QPoint(320, 320), canvas.view);
    QTest::touchEvent(canvas.view, screen).move(0, QPoint(80, 80), canvas.view).stationary(1);
    QTest::touchEvent(canvas.view, screen).release(0, QPoint(80, 80), canvas.view).stationary(1);
    QCOMPARE(finished.count(), 1);
    QTest::touchEvent(canvas.view, screen).release(1, QPoint(320, 320), canvas.view);

    QCOMPARE(QColor(canvas.canvas().pixel(20, 10)), kPencilColour);
    QCOMPARE(canvas.canvas().pixel(80, 70), kWhite);
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!canvas.document.Engine().IsStroking());
}

void TestCanvasView::signalsAndUndo()
{
    ShownCanvas canvas(QSize(100, 80), QSize(400, 400), kCrayon);
    QVERIFY(canvas.exposed());
    QSignalSpy started(canvas.view, &CanvasView::StrokeStarted);
    QSignalSpy finished(canvas.view, &CanvasView::StrokeFinished);
    QSignalSpy undo(canvas.view, &CanvasView::UndoAvailable);

    QTest::mousePress(canvas.view, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 0);
    QTest::mouseRelease(canvas.view, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(undo.count(), 1);
    QCOMPARE(undo.last().first().toBool(), true);
    QVERIFY(canvas.canvas() != LineArt(QSize(100, 80)));

    canvas.view->ShowNewPicture(canvas.document.Undo());
    QCOMPARE(canvas.canvas(), LineArt(QSize(100, 80)));
    QCOMPARE(undo.count(), 2);
    QCOMPARE(undo.last().first().toBool(), false);

    // A new picture: no undo, and the view follows the new size.
    QTest::mouseClick(canvas.view, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(undo.count(), 3);
    canvas.Show(LineArt(QSize(200, 100)));
    QCOMPARE(undo.count(), 4);
    QCOMPARE(undo.last().first().toBool(), false);
    QCOMPARE(canvas.view->PictureRect(), QRect(0, 100, 400, 200));
}

void TestCanvasView::strokeEndsWhenItsReleaseIsLost_data()
{
    QTest::addColumn<bool>("hide");
    QTest::newRow("the view is hidden") << true;
    QTest::newRow("the next press comes without a release") << false;
}

void TestCanvasView::strokeEndsWhenItsReleaseIsLost()
{
    QFETCH(bool, hide);
    ShownCanvas canvas(QSize(100, 80), QSize(400, 400));
    QVERIFY(canvas.exposed());
    QSignalSpy started(canvas.view, &CanvasView::StrokeStarted);
    QSignalSpy finished(canvas.view, &CanvasView::StrokeFinished);
    QTest::mousePress(canvas.view, Qt::LeftButton, {}, QPoint(160, 170));
    if (hide) {
        canvas.view->hide();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!canvas.document.Engine().IsStroking());
        canvas.view->show();
    }
    QTest::mousePress(canvas.view, Qt::LeftButton, {}, QPoint(200, 200)); // a new stroke, not ignored
    QTest::mouseRelease(canvas.view, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(started.count(), 2);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(QColor(canvas.canvas().pixel(50, 40)), kPencilColour);
    QCOMPARE(canvas.document.Engine().UndoTop(), 1);
}

void TestCanvasView::repaintsOnlyWhatChanged()
{
    ShownCanvas canvas(QSize(800, 600), QSize(400, 400), kCrayon); // half size, picture from y = 50
    QVERIFY(canvas.exposed());
    QTest::qWait(20);
    PaintWatch watch(canvas.view);
    QTest::mouseClick(canvas.view, Qt::LeftButton, {}, QPoint(200, 200)); // canvas (400, 300)
    QTRY_VERIFY(!watch.painted.isEmpty());
    // The crayon's 41 x 35 footprint round (400, 300), at half size, and a pixel's margin.
    const QRect stamp = QRect(QPoint(190, 191), QPoint(210, 209)).adjusted(-2, -2, 2, 2);
    QVERIFY2(stamp.contains(watch.painted.boundingRect()),
             qPrintable(QString("painted %1,%2 %3x%4").arg(watch.painted.boundingRect().x())
                            .arg(watch.painted.boundingRect().y()).arg(watch.painted.boundingRect().width())
                            .arg(watch.painted.boundingRect().height())));
}

void TestCanvasView::showsThePicture()
{
    // A picture of four coloured quarters, shown at half size: each quarter
    // lands where the transform puts it, and nothing is drawn round it.
    QImage picture(QSize(800, 600), QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (x >= 400 || y >= 300)
                picture.setPixel(x, y, x >= 400 && y >= 300 ? qRgb(0, 0, 255) : qRgb(0, 160, 0));
    QWidget window;
    window.resize(400, 400);
    window.setAutoFillBackground(true);
    QPalette background = window.palette();
    background.setColor(QPalette::Window, Qt::yellow);
    window.setPalette(background);
    ColouringDocument document{QString()};
    auto *view = new CanvasView(document, &window);
    view->setGeometry(0, 0, 400, 400);
    document.OpenUnsaved(picture, picture);
    view->ShowNewPicture();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(100, 100)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(300, 100)), QColor(0, 160, 0));
    QCOMPARE(QColor(shot.pixel(300, 300)), QColor(0, 0, 255));
    QCOMPARE(QColor(shot.pixel(200, 20)), QColor(Qt::yellow)); // above the picture
    QCOMPARE(QColor(shot.pixel(200, 380)), QColor(Qt::yellow));
}

QTEST_MAIN(TestCanvasView)
#include "test_canvas_view.moc"
