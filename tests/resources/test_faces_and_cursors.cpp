// The compiled-in pictures every window asks for by number or name: each must
// be there, readable, and fit the button or pointer that shows it.

#include "image/ratio_picture.h"
#include "resources/cursor_table.h"
#include "resources/resource_names.h"

#include <QImage>
#include <QSvgRenderer>
#include <QtTest>

#include <array>

namespace {

// Every face the program hands to a picture button, in the order the button
// takes them (resting, held down, latched); 0 where a button has no latched face.
struct ButtonFaces {
    const char *button;
    std::array<int, 3> faces;
};

constexpr ButtonFaces Buttons[] = {
    {"open a picture", {102, 101, 0}},
    {"clear all colours", {146, 147, 0}},
    {"undo", {110, 109, 0}},
    {"crazy colours", {130, 131, 132}},
    {"crayon tool", {108, 106, 107}},
    {"paintbrush tool", {105, 103, 104}},
    {"pencil tool", {119, 117, 118}},
    {"browser scroll up", {138, 139, 0}},
    {"browser scroll down", {136, 135, 0}},
    {"browser scroll ball", {137, 140, 0}},
    {"browser close", {114, 113, 0}},
    {"browser new page", {148, 149, 0}},
    {"browser more pictures", {141, 142, 0}},
    {"message ok", {115, 116, 0}},
    {"message cancel", {114, 113, 0}},
    {"message unfold", {127, 128, 129}},
};

QImage Face(int number)
{
    return QImage(ResourceNames::Face(number));
}

} // namespace

class TestFacesAndCursors : public QObject {
    Q_OBJECT

private slots:
    void buttonFaces_data()
    {
        QTest::addColumn<int>("rest");
        QTest::addColumn<int>("down");
        QTest::addColumn<int>("latched");
        for (const ButtonFaces &button : Buttons)
            QTest::newRow(button.button) << button.faces[0] << button.faces[1] << button.faces[2];
    }

    void buttonFaces()
    {
        QFETCH(int, rest);
        QFETCH(int, down);
        QFETCH(int, latched);
        const QImage resting = Face(rest);
        QVERIFY2(!resting.isNull(), qPrintable(ResourceNames::Face(rest)));
        QVERIFY(resting.width() >= 24 && resting.height() >= 24);
        // The greyed disabled face keeps pure white, so the surround must be it.
        QCOMPARE(resting.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);

        const QImage held = Face(down);
        QVERIFY2(!held.isNull(), qPrintable(ResourceNames::Face(down)));
        QCOMPARE(held.size(), resting.size());
        QVERIFY2(held != resting, "the held face must look pushed in");

        if (latched != 0) {
            const QImage lit = Face(latched);
            QVERIFY2(!lit.isNull(), qPrintable(ResourceNames::Face(latched)));
            QCOMPARE(lit.size(), resting.size());
            QVERIFY2(lit != resting && lit != held, "the latched face must stand out");
        }
    }

    void functionFaces()
    {
        QSize size;
        for (const char *name : {"func-quit", "func-save", "func-print", "func-about", "func-settings"}) {
            const QImage face(ResourceNames::NamedFace(QString::fromLatin1(name)));
            QVERIFY2(!face.isNull(), name);
            if (size.isValid())
                QCOMPARE(face.size(), size); // one row of equal buttons in the corner
            size = face.size();
        }
    }

    void cursorTable()
    {
        QVERIFY(CursorTable::Find(103) == nullptr);
        QCOMPARE(CursorTable::Find(101)->hotX, 8);
        QCOMPARE(CursorTable::Find(101)->hotY, 1);
    }

    void cursors_data()
    {
        QTest::addColumn<int>("number");
        for (const CursorTable::Entry &entry : CursorTable::Entries)
            QTest::newRow(qPrintable(QString::number(entry.number))) << entry.number;
    }

    void cursors()
    {
        QFETCH(int, number);
        const CursorTable::Entry *entry = CursorTable::Find(number);
        QVERIFY(entry != nullptr);
        const QImage cursor(ResourceNames::Cursor(number));
        QVERIFY2(!cursor.isNull(), qPrintable(ResourceNames::Cursor(number)));
        QCOMPARE(cursor.size(), QSize(entry->width, entry->height));
        QVERIFY(cursor.hasAlphaChannel());
        // The tip is solid, and the corner away from it lets the page show through.
        QCOMPARE(qAlpha(cursor.pixel(entry->hotX, entry->hotY)), 255);
        QCOMPARE(qAlpha(cursor.pixel(0, 0)), 0);
    }

    // Drawn larger for sharper screens, the hot spot stays in plain pixels, so
    // the whole block its pixel became must be solid.
    void cursorsDrawnLarger_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("times");
        for (const CursorTable::Entry &entry : CursorTable::Entries)
            for (const int times : {2, 3})
                QTest::newRow(qPrintable(QStringLiteral("%1@%2x").arg(entry.number).arg(times)))
                    << entry.number << times;
    }

    void cursorsDrawnLarger()
    {
        QFETCH(int, number);
        QFETCH(int, times);
        const CursorTable::Entry *entry = CursorTable::Find(number);
        QVERIFY(entry != nullptr);
        const QString name = PictureNameAtRatio(ResourceNames::Cursor(number), times);
        const QImage cursor(name);
        QVERIFY2(!cursor.isNull(), qPrintable(name));
        QCOMPARE(cursor.size(), QSize(entry->width, entry->height) * times);
        QVERIFY(cursor.hasAlphaChannel());
        for (int y = 0; y < times; ++y)
            for (int x = 0; x < times; ++x)
                QCOMPARE(qAlpha(cursor.pixel(entry->hotX * times + x, entry->hotY * times + y)), 255);
        QCOMPARE(qAlpha(cursor.pixel(0, 0)), 0);
    }

    void iconAndBackgrounds()
    {
        const QImage icon(QStringLiteral(":/icons/velmora.png"));
        QCOMPARE(icon.size(), QSize(256, 256));
        QVERIFY(icon.hasAlphaChannel());
        QVERIFY(QSvgRenderer(QStringLiteral(":/icons/velmora.svg")).isValid());
        for (const char *name : {"options", "splash"}) {
            const QImage background(QStringLiteral(":/backgrounds/%1.png").arg(QLatin1String(name)));
            QVERIFY2(!background.isNull(), name);
            QVERIFY(background.width() >= 320 && background.height() >= 200);
        }
    }
};

QTEST_MAIN(TestFacesAndCursors)
#include "test_faces_and_cursors.moc"
