#include <QtTest>

#include "controls/hyperlink.h"
#include "controls/twips.h"
#include "controls_test_support.h"

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(0, 0, 0);
const QColor kHover(0, 0, 255);

// A link on a window, shown, with the pointer away from it.
struct LinkOnWindow {
    QWidget window;
    HyperLink *link = new HyperLink(&window);

    explicit LinkOnWindow(bool hoverEffects = true)
    {
        window.resize(300, 120);
        link->move(40, 40);
        link->SetFont(QFont(QStringLiteral("Sans"), 16));
        link->SetBackColor(kPaper);
        link->SetForeColor(kInk);
        link->SetHoverForeColor(kHover);
        link->SetUseHoverForeColor(hoverEffects);
        link->SetUnderlineOnHover(hoverEffects);
        link->SetCaption(QStringLiteral("Add a book"));
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    QPoint middle() const { return link->rect().center(); }
    // A place on the window beside the link.
    void moveAway() { QTest::mouseMove(&window, QPoint(5, 5)); }
};

int PixelsOf(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// The longest run of one colour along any row: an underline spans the caption.
int LongestRun(const QImage &image, const QColor &colour)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = image.pixelColor(x, y) == colour ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

} // namespace

class TestHyperLink : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clickedByALeftOrMiddleRelease_data()
    {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<bool>("releasedOver");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << Qt::LeftButton << true << 1;
        QTest::newRow("middle") << Qt::MiddleButton << true << 1;
        QTest::newRow("left, let go outside") << Qt::LeftButton << false << 0;
        QTest::newRow("right") << Qt::RightButton << true << 0;
    }

    void clickedByALeftOrMiddleRelease()
    {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(bool, releasedOver);
        QFETCH(int, clicks);
        LinkOnWindow shown;
        QVERIFY(shown.exposed());
        QSignalSpy click(shown.link, &HyperLink::Click);
        QTest::mousePress(shown.link, mouseButton, {}, shown.middle());
        QCOMPARE(click.count(), 0); // not on the press
        const QPoint release = releasedOver ? shown.middle() : QPoint(-20, -20);
        QTest::mouseMove(shown.link, release);
        QTest::mouseRelease(shown.link, mouseButton, {}, release);
        QCOMPARE(click.count(), clicks);
        if (mouseButton != Qt::RightButton)
            QVERIFY(!shown.link->IsHovered()); // until the pointer moves again
    }

    void rightClickCarriesTheShiftState()
    {
        LinkOnWindow shown;
        QVERIFY(shown.exposed());
        QSignalSpy right(shown.link, &HyperLink::RightClick);
        QSignalSpy click(shown.link, &HyperLink::Click);
        QTest::mouseMove(shown.link, shown.middle());
        QVERIFY(shown.link->IsHovered());
        QTest::mousePress(shown.link, Qt::RightButton, Qt::ShiftModifier, shown.middle());
        QCOMPARE(right.count(), 1);
        QCOMPARE(right.at(0).at(0).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
        QVERIFY(!shown.link->IsHovered());
        QTest::mouseRelease(shown.link, Qt::RightButton, Qt::ShiftModifier, shown.middle());
        QCOMPARE(click.count(), 0);
    }

    void keysRaiseClick_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("character");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 1 << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1 << 13;
        QTest::newRow("Space") << int(Qt::Key_Space) << 1 << 32;
        QTest::newRow("a letter") << int(Qt::Key_A) << 0 << int('a');
    }

    void keysRaiseClick()
    {
        QFETCH(int, key);
        QFETCH(int, clicks);
        QFETCH(int, character);
        LinkOnWindow shown;
        QVERIFY(shown.exposed());
        shown.link->setFocus(Qt::TabFocusReason);
        QSignalSpy click(shown.link, &HyperLink::Click);
        QSignalSpy typed(shown.link, &HyperLink::KeyPress);
        QTest::keyClick(shown.link, Qt::Key(key));
        QCOMPARE(click.count(), clicks);
        QCOMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toInt(), character);
    }

    void hoverTakesTheHoverColourAndUnderline()
    {
        LinkOnWindow shown;
        QVERIFY(shown.exposed());
        QSignalSpy hover(shown.link, &HyperLink::MouseHover);
        QSignalSpy leave(shown.link, &HyperLink::MouseLeave);
        const QImage normal = Shown(*shown.link);
        QVERIFY(PixelsOf(normal, kInk) > 0);
        QCOMPARE(PixelsOf(normal, kHover), 0);

        QTest::mouseMove(shown.link, shown.middle());
        QTest::mouseMove(shown.link, shown.middle() + QPoint(1, 0)); // moving on inside changes nothing
        QCOMPARE(hover.count(), 1);
        const QImage hovered = Shown(*shown.link);
        QCOMPARE(PixelsOf(hovered, kInk), 0);
        QVERIFY(PixelsOf(hovered, kHover) > 0);
        const int captionWidth = QFontMetrics(shown.link->Font()).horizontalAdvance(shown.link->Caption());
        QVERIFY(LongestRun(hovered, kHover) >= captionWidth * 9 / 10);  // the underline
        QVERIFY(LongestRun(normal, kInk) < captionWidth / 2);

        shown.moveAway();
        QCOMPARE(leave.count(), 1);
        QVERIFY(!shown.link->IsHovered());
        QCOMPARE(Shown(*shown.link), normal);
    }

    void withoutHoverEffectsAMoveDoesNotRedraw()
    {
        LinkOnWindow shown(false);
        QVERIFY(shown.exposed());
        QTest::qWait(20);
        PaintCounter paints(shown.link);
        QSignalSpy hover(shown.link, &HyperLink::MouseHover);
        QTest::mouseMove(shown.link, shown.middle());
        QTest::qWait(50);
        QCOMPARE(hover.count(), 1);
        QCOMPARE(paints.count, 0);
    }

    void autoSizeLeavesRoomAroundTheCaption()
    {
        HyperLink link;
        link.SetFont(QFont(QStringLiteral("Sans"), 12));
        link.SetCaption(QStringLiteral("Delete this picture"));
        const QFontMetrics metrics(link.Font());
        const QSize expected(TwipsToPixelsX(PixelsToTwipsX(metrics.horizontalAdvance(link.Caption())) + 120),
                             TwipsToPixelsY(PixelsToTwipsY(metrics.height()) + 60));
        QCOMPARE(link.size(), expected);
        link.SetCaption(QStringLiteral("Close"));
        QVERIFY(link.width() < expected.width()); // follows the caption

        link.SetAutoSize(false);
        link.resize(300, 50);
        link.SetCaption(QStringLiteral("Delete this picture"));
        QCOMPARE(link.size(), QSize(300, 50));
    }

    void propertiesRoundTrip()
    {
        HyperLink first;
        first.SetCaption(QStringLiteral("Make a picture pack"));
        first.SetTarget(QStringLiteral("packs"));
        first.SetLinkAvailable(false);
        first.SetFont(QFont(QStringLiteral("Serif"), 14, QFont::Bold));
        first.SetBackColor(QColor(250, 240, 200));
        first.SetForeColor(QColor(120, 0, 0));
        first.SetHoverForeColor(QColor(0, 120, 0));
        first.SetUseHoverForeColor(true);
        first.SetUnderlineOnHover(false);
        first.SetAutoSize(false);
        const QVariantMap bag = first.SaveProperties();
        QCOMPARE(bag.size(), 10);

        HyperLink second;
        second.ReadProperties(bag);
        QCOMPARE(second.SaveProperties(), bag);
        QCOMPARE(second.Caption(), QStringLiteral("Make a picture pack"));
        QVERIFY(!second.AutoSize());
        QCOMPARE(second.HoverForeColor(), QColor(0, 120, 0));
        QVERIFY(!second.UnderlineOnHover());
    }

    void nothingSavedTakesTheOldDefaults()
    {
        QWidget window;
        window.setFont(QFont(QStringLiteral("Sans"), 13));
        HyperLink link(&window);
        link.setObjectName(QStringLiteral("cFunc"));
        QVERIFY(!link.UseHoverForeColor()); // a new link
        link.ReadProperties({});
        QCOMPARE(link.Caption(), QStringLiteral("cFunc"));
        QCOMPARE(link.Font(), window.font());
        QVERIFY(link.UseHoverForeColor());
        QVERIFY(link.UnderlineOnHover());
        QCOMPARE(link.HoverForeColor(), QColor(0, 0, 255));
    }

    void openTargetDoesNothing()
    {
        HyperLink link;
        link.SetTarget(QStringLiteral("https://example.invalid/"));
        QCOMPARE(link.OpenTarget(), 0);
    }
};

QTEST_MAIN(TestHyperLink)
#include "test_hyperlink.moc"
