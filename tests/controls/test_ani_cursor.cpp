#include <QtTest>

#include "canvas/colouring_tools.h"
#include "controls/ani_cursor.h"
#include "image/ratio_picture.h"
#include "resources/cursor_table.h"
#include "resources/resource_names.h"

namespace {

// The cursor a widget shows, told apart by its picture size and hot spot.
QString Describe(const QWidget &widget)
{
    if (!widget.testAttribute(Qt::WA_SetCursor))
        return QStringLiteral("unset");
    const QCursor cursor = widget.cursor();
    if (cursor.shape() != Qt::BitmapCursor)
        return QStringLiteral("shape %1").arg(int(cursor.shape()));
    return QStringLiteral("%1x%2 at %3,%4")
        .arg(cursor.pixmap().width())
        .arg(cursor.pixmap().height())
        .arg(cursor.hotSpot().x())
        .arg(cursor.hotSpot().y());
}

QString Tabled(int number)
{
    const CursorTable::Entry *entry = CursorTable::Find(number);
    return QStringLiteral("%1x%2 at %3,%4").arg(entry->width).arg(entry->height).arg(entry->hotX).arg(entry->hotY);
}

} // namespace

class TestAniCursor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadsEachCursorWithItsHotSpot_data()
    {
        QTest::addColumn<int>("number");
        for (int number : {101, 102, 104, 105, 106})
            QTest::newRow(qPrintable(QString::number(number))) << number;
    }

    void loadsEachCursorWithItsHotSpot()
    {
        QFETCH(int, number);
        cAniCursor cursor;
        QVERIFY(cursor.LoadFromResource(number));
        QWidget canvas;
        cursor.SetAsDefaultCursor(&canvas, true);
        QCOMPARE(Describe(canvas), Tabled(number));
    }

    void aSharperScreenGetsTheSharperPictureAtTheTabledSize_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<qreal>("ratio");
        for (int number : {101, 102, 104, 105, 106})
            for (qreal ratio : {2.0, 3.0})
                QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(number).arg(ratio))) << number << ratio;
    }

    void aSharperScreenGetsTheSharperPictureAtTheTabledSize()
    {
        QFETCH(int, number);
        QFETCH(qreal, ratio);
        const CursorTable::Entry *entry = CursorTable::Find(number);
        const std::optional<QCursor> cursor = cAniCursor::Load(number, ratio, false);
        QVERIFY(cursor);
        const QPixmap pixmap = cursor->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), QSize(entry->width, entry->height) * int(ratio));
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(entry->width, entry->height));
        QCOMPARE(cursor->hotSpot(), QPoint(entry->hotX, entry->hotY)); // in layout pixels

        // The picture drawn at that size, not the plain one brought up.
        const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        const QString path = ResourceNames::Cursor(number);
        const QImage sharp = ReadPictureForRatio(path, ratio).convertToFormat(QImage::Format_ARGB32);
        const QImage broughtUp = QImage(path).scaled(shown.size()).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(sharp.size(), shown.size());
        QVERIFY(shown == sharp);
        QVERIFY(shown != broughtUp);
    }

    void theHotSpotStaysOnTheTipInPicturePixels_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<qreal>("ratio");
        for (int number : {101, 102, 104, 105, 106})
            for (qreal ratio : {1.40625, 2.0, 2.8125, 3.0})
                QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(number).arg(ratio))) << number << ratio;
    }

    // X11 takes the hot spot in the picture's own pixels: it must fall inside
    // the tabled pixel brought to the screen's scale, on the tool's opaque tip.
    void theHotSpotStaysOnTheTipInPicturePixels()
    {
        QFETCH(int, number);
        QFETCH(qreal, ratio);
        const CursorTable::Entry *entry = CursorTable::Find(number);
        const std::optional<QCursor> cursor = cAniCursor::Load(number, ratio, true);
        QVERIFY(cursor);
        const QImage picture = cursor->pixmap().toImage();
        QCOMPARE(picture.size(), (QSizeF(entry->width, entry->height) * ratio).toSize());
        const QPoint hot = cursor->hotSpot();
        // The hot pixel's centre, in layout pixels, lies in the tabled pixel.
        QCOMPARE(int(std::floor((hot.x() + 0.5) / ratio)), entry->hotX);
        QCOMPARE(int(std::floor((hot.y() + 0.5) / ratio)), entry->hotY);
        const int alpha = picture.pixelColor(hot).alpha();
        QVERIFY2(alpha >= 128, qPrintable(QStringLiteral("alpha %1 at %2,%3").arg(alpha).arg(hot.x()).arg(hot.y())));
    }

    void aPlainScreenGetsThePlainPicture()
    {
        const std::optional<QCursor> cursor = cAniCursor::Load(CursorTable::Pencil, 1, true);
        QVERIFY(cursor);
        QCOMPARE(cursor->pixmap().devicePixelRatio(), 1.0);
        QCOMPARE(cursor->pixmap().size(), QSize(65, 56));
        QCOMPARE(cursor->hotSpot(), QPoint(0, 51));
        QVERIFY(cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) ==
                QImage(ResourceNames::Cursor(CursorTable::Pencil)).convertToFormat(QImage::Format_ARGB32));
    }

    void eachToolHasItsCursor()
    {
        QCOMPARE(CursorOfTool(kCrayon), 106);
        QCOMPARE(CursorOfTool(kPaintbrush), 104);
        QCOMPARE(CursorOfTool(kPencil), 102);
        QCOMPARE(CursorOfTool(3), 0);
        QCOMPARE(CursorOfTool(-1), 0);
    }

    void toolCursorsReplaceEachOtherAndDestroyRestores_data()
    {
        QTest::addColumn<bool>("ownCursor");
        QTest::newRow("canvas with its own cursor") << true;
        QTest::newRow("canvas with its parent's cursor") << false;
    }

    void toolCursorsReplaceEachOtherAndDestroyRestores()
    {
        QFETCH(bool, ownCursor);
        QWidget window;
        QWidget *canvas = new QWidget(&window);
        if (ownCursor)
            canvas->setCursor(Qt::CrossCursor);
        const QString before = Describe(*canvas);
        cAniCursor cursor;
        for (int tool : {0, 1, 2, 0}) {
            SetToolCursor(cursor, canvas, tool, false);
            QCOMPARE(Describe(*canvas), Tabled(CursorOfTool(tool)));
        }
        SetToolCursor(cursor, canvas, 0, true); // busy: the usual pointer
        QCOMPARE(Describe(*canvas), before);
        QVERIFY(!cursor.hCursor());

        SetToolCursor(cursor, canvas, 1, false);
        cursor.Destroy();
        QCOMPARE(Describe(*canvas), before);
    }

    void aCursorThatCannotBeLoadedInstallsNothing()
    {
        QWidget canvas;
        canvas.setCursor(Qt::CrossCursor);
        cAniCursor cursor;
        QVERIFY(!cursor.LoadFromResource(103)); // no such cursor
        QVERIFY(!cursor.hCursor());
        cursor.SetAsDefaultCursor(&canvas, true);
        QCOMPARE(canvas.cursor().shape(), Qt::CrossCursor);

        SetToolCursor(cursor, &canvas, 2, false);
        SetToolCursor(cursor, &canvas, 7, false); // a tool without a cursor of its own
        QCOMPARE(canvas.cursor().shape(), Qt::CrossCursor); // never a blank pointer
        cursor.Destroy();
        QCOMPARE(canvas.cursor().shape(), Qt::CrossCursor);
    }

    void givingBackOneWidgetLeavesTheOthers()
    {
        QWidget window;
        QWidget *first = new QWidget(&window);
        QWidget *second = new QWidget(&window);
        second->setCursor(Qt::IBeamCursor);
        cAniCursor cursor;
        QVERIFY(cursor.LoadFromResource(CursorTable::Hand));
        cursor.SetAsDefaultCursor(first, true);
        cursor.SetAsDefaultCursor(second, true);
        cursor.SetAsDefaultCursor(second, false);
        QCOMPARE(Describe(*second), QStringLiteral("shape %1").arg(int(Qt::IBeamCursor)));
        QCOMPARE(Describe(*first), Tabled(CursorTable::Hand));
        cursor.Destroy();
        QCOMPARE(Describe(*first), QStringLiteral("unset"));
    }

    void aWidgetGoneBeforeDestroyIsSkipped()
    {
        cAniCursor cursor;
        QVERIFY(cursor.LoadFromResource(CursorTable::Crayon));
        auto *canvas = new QWidget;
        cursor.SetAsDefaultCursor(canvas, true);
        delete canvas;
        cursor.Destroy(); // must not touch the deleted widget
        QVERIFY(!cursor.hCursor());
    }
};

QTEST_MAIN(TestAniCursor)
#include "test_ani_cursor.moc"
