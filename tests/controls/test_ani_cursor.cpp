#include <QtTest>

#include "canvas/colouring_tools.h"
#include "controls/ani_cursor.h"
#include "resources/cursor_table.h"

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
