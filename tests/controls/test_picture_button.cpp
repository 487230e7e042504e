#include <QMetaMethod>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/picture_button.h"
#include "controls/twips.h"
#include "controls_test_support.h"

namespace {

const QColor kUp(255, 0, 0);
const QColor kDown(0, 160, 0);
const QColor kPressed(0, 0, 255);
const QColor kDisabled(255, 220, 0);

QColor Face(pButton &button)
{
    return Shown(button).pixelColor(button.width() / 2, button.height() / 2);
}

// A window with one button in it, shown, so that real mouse events reach the button.
struct ButtonOnWindow {
    QWidget window;
    pButton *button = new pButton(&window);

    ButtonOnWindow()
    {
        window.resize(200, 200);
        button->move(20, 20);
        button->SetPicture(Solid(kUp), Solid(kDown), Solid(kPressed));
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
};

} // namespace

class TestPictureButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void takesTheSizeOfTheRestingPicture()
    {
        pButton button;
        button.SetPicture(Solid(kUp, QSize(48, 36)), Solid(kDown, QSize(10, 10)));
        QCOMPARE(button.size(), QSize(48, 36));
        QCOMPARE(button.sizeHint(), QSize(48, 36));
        QCOMPARE(button.Width(), qRound(48 * TwipsPerPixelX()));
        QCOMPARE(button.Height(), qRound(36 * TwipsPerPixelY()));
        QCOMPARE(Face(button), kUp); // the down picture is stretched, the size stays

        button.SetPicture(QImage(), Solid(kDown, QSize(90, 90))); // no resting picture: size kept
        QCOMPARE(button.size(), QSize(48, 36));
        button.SetWidth(int(30 * TwipsPerPixelX()));
        button.SetHeight(int(20 * TwipsPerPixelY()));
        QCOMPARE(button.size(), QSize(30, 20));
        QCOMPARE(Face(button), kUp); // stretched to the new size
    }

    void pressShowsDownAndReleaseShowsRestOrLatch()
    {
        ButtonOnWindow shown;
        QVERIFY(shown.exposed());
        pButton &button = *shown.button;
        QCOMPARE(Face(button), kUp);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Face(button), kDown);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Face(button), kUp);

        button.SetPressed(true);
        QCOMPARE(Face(button), kPressed);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Face(button), kDown);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Face(button), kPressed); // still latched
        button.SetPressed(false);
        QCOMPARE(Face(button), kUp);
    }

    void pressedWithoutAPressedPictureKeepsTheFace()
    {
        pButton button;
        button.SetPicture(Solid(kUp), Solid(kDown));
        button.SetPressed(true);
        QVERIFY(button.Pressed());
        QCOMPARE(Face(button), kUp);
    }

    void disabledShowsTheGreyFaceWithWhiteKept()
    {
        QImage up = Solid(Qt::white);
        up.setPixelColor(20, 15, kUp);
        pButton button;
        button.SetPicture(up, Solid(kDown));
        button.SetEnabled(false);
        const QImage face = Shown(button);
        QCOMPARE(face.pixelColor(20, 15), QColor(65, 65, 65));
        QCOMPARE(face.pixelColor(2, 2), QColor(Qt::white));

        button.SetEnabled(true);
        QCOMPARE(Shown(button).pixelColor(20, 15), kUp);
    }

    void aDisabledPictureIsShownInsteadOfGrey()
    {
        pButton button;
        button.SetPicture(Solid(kUp), Solid(kDown), QImage(), Solid(kDisabled));
        button.setEnabled(false); // the plain widget call works too
        QCOMPARE(Face(button), kDisabled);
        QWidget parent;
        pButton child(&parent);
        child.SetPicture(Solid(kUp));
        parent.setEnabled(false); // disabled with its window
        QCOMPARE(Face(child), QColor(65, 65, 65));
    }

    void eventsComeInOrder_data()
    {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<QPoint>("movedTo");
        QTest::addColumn<QPoint>("releasedAt");
        QTest::addColumn<QStringList>("events");
        const QPoint inside(10, 8);
        QTest::newRow("left click") << Qt::LeftButton << inside << inside
                                    << QStringList{"MouseDown 1 (5,5)", "MouseMove 1 (10,8)", "MouseUp", "Click"};
        QTest::newRow("right click") << Qt::RightButton << inside << inside
                                     << QStringList{"MouseDown 2 (5,5)", "MouseMove 2 (10,8)", "MouseUp"};
        QTest::newRow("let go outside") << Qt::LeftButton << QPoint(100, 100) << QPoint(100, 100)
                                        << QStringList{"MouseDown 1 (5,5)", "MouseMove 1 (100,100)", "MouseUp"};
    }

    void eventsComeInOrder()
    {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(QPoint, movedTo);
        QFETCH(QPoint, releasedAt);
        QFETCH(QStringList, events);
        ButtonOnWindow shown;
        QVERIFY(shown.exposed());
        pButton &button = *shown.button;
        QStringList log;
        const auto where = [](QPointF p) { return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y()); };
        connect(&button, &pButton::MouseDown, this, [&](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF p) {
            log << QStringLiteral("MouseDown %1 %2").arg(int(b)).arg(where(p));
        });
        connect(&button, &pButton::MouseMove, this, [&](Qt::MouseButtons b, Qt::KeyboardModifiers, QPointF p) {
            log << QStringLiteral("MouseMove %1 %2").arg(int(b)).arg(where(p));
        });
        connect(&button, &pButton::MouseUp, this, [&] { log << "MouseUp"; });
        connect(&button, &pButton::Click, this, [&] { log << "Click"; });

        QTest::mousePress(&button, mouseButton, {}, QPoint(5, 5));
        QTest::mouseMove(&button, movedTo);
        QTest::mouseRelease(&button, mouseButton, {}, releasedAt);
        QCOMPARE(log, events);
        QCOMPARE(Face(button), kUp);
    }

    void mouseUpCarriesNothing()
    {
        const QMetaObject &meta = pButton::staticMetaObject;
        const QMetaMethod mouseUp = meta.method(meta.indexOfSignal("MouseUp()"));
        QVERIFY(mouseUp.isValid());
        QCOMPARE(mouseUp.parameterCount(), 0);
    }

    void lockRefreshHoldsTheScreenUntilReleased()
    {
        ButtonOnWindow shown;
        QVERIFY(shown.exposed());
        pButton &button = *shown.button;
        PaintCounter paints(&button);
        button.SetLockRefresh(true);
        button.SetPressed(true);
        button.SetEnabled(false);
        button.SetEnabled(true);
        QTest::qWait(50);
        QCOMPARE(paints.count, 0);

        button.SetLockRefresh(false);
        QCOMPARE(paints.count, 1); // at once, not later
        button.SetPressed(true);
        QTRY_COMPARE(paints.count, 2);
        QCOMPARE(Face(button), kPressed);
    }

    void picture2ShowsAFileAndIgnoresAnUnreadableOne()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        pButton button;
        button.SetPicture(Solid(kUp));
        const QString good = work.filePath("face.png");
        QVERIFY(Solid(kDisabled, QSize(8, 8)).save(good));
        QVERIFY(button.Picture2(good));
        QCOMPARE(Shown(button).pixelColor(2, 2), kDisabled);

        QFile bad(work.filePath("broken.png"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x89PNG\r\n\x1a\n not really");
        bad.close();
        const QImage before = Shown(button);
        QVERIFY(!button.Picture2(bad.fileName()));
        QVERIFY(!button.Picture2(work.filePath("missing.bmp")));
        QCOMPARE(Shown(button), before);
    }

    void dropsAreRaisedOnlyWhenAccepted()
    {
        pButton button;
        QCOMPARE(button.OleDropMode(), 0);
        QVERIFY(!button.acceptDrops());
        button.SetOleDropMode(1);
        QVERIFY(button.acceptDrops());
        QString dropped;
        connect(&button, &pButton::OLEDragDrop, this,
                [&](const QMimeData *data, Qt::DropAction, Qt::MouseButtons, Qt::KeyboardModifiers, QPointF) {
                    dropped = data->text();
                });
        QMimeData data;
        data.setText(QStringLiteral("picture.bmp"));
        QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&button, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&button, &drop);
        QCOMPARE(dropped, QStringLiteral("picture.bmp"));
    }

    void toolTextAndMouseIcon()
    {
        pButton button;
        button.SetToolText(QStringLiteral("Undo"));
        QCOMPARE(button.toolTip(), QStringLiteral("Undo"));
        QCOMPARE(button.ToolText(), QStringLiteral("Undo"));
        button.MouseIcon(QCursor(Qt::PointingHandCursor));
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(TestPictureButton)
#include "test_picture_button.moc"
