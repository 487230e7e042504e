#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/combo.h"
#include "controls_test_support.h"

namespace {

// A combo on a shown window, with the focus in it.
struct ComboOnWindow {
    QWidget window;
    Combo *combo = new Combo(&window);

    explicit ComboOnWindow(const QStringList &items = {})
    {
        window.resize(320, 200);
        combo->setGeometry(20, 20, 240, combo->sizeHint().height());
        for (const QString &item : items)
            combo->AddItem(item);
        window.show();
        window.activateWindow();
        combo->Box()->setFocus();
    }
};

void Click(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// Reports whatever scroll-bar extent it is given.
class ExtentStyle : public QProxyStyle {
public:
    explicit ExtentStyle(int extent) : m_extent(extent) {}
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        return metric == PM_ScrollBarExtent ? m_extent : QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_extent;
};

} // namespace

class TestCombo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyListHasNoIndexAndAddingSelectsNothing()
    {
        Combo combo;
        QCOMPARE(combo.ListIndex(), QStringLiteral("-1"));
        QSignalSpy clicks(&combo, &Combo::Click);
        combo.AddItem(QStringLiteral("Animals"));
        combo.AddItem(QStringLiteral("Birds"));
        QCOMPARE(combo.ListIndex(), QStringLiteral("-1"));
        QCOMPARE(clicks.count(), 0);
    }

    void settingListIndexSelectsAndRaisesClickOnce_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("index");
        QTest::addColumn<int>("clicks");
        QTest::newRow("first") << QStringList{"0"} << "0" << 1;
        QTest::newRow("second") << QStringList{"1"} << "1" << 1;
        QTest::newRow("the selected one again") << QStringList{"0", "0"} << "0" << 2;
        QTest::newRow("beyond the list") << QStringList{"0", "3"} << "0" << 1;
        QTest::newRow("not a number") << QStringList{"1", "cat"} << "1" << 1;
    }
    void settingListIndexSelectsAndRaisesClickOnce()
    {
        QFETCH(QStringList, settings);
        Combo combo;
        for (const char *item : {"Animals", "Birds", "Cats"})
            combo.AddItem(QString::fromLatin1(item));
        QStringList seen;
        connect(&combo, &Combo::Click, &combo, [&] { seen << combo.Text(); });
        for (const QString &setting : settings)
            combo.SetListIndex(setting);
        QTEST(combo.ListIndex(), "index");
        QTEST(int(seen.size()), "clicks");
        QCOMPARE(seen.last(), combo.List(combo.ListIndex().toInt())); // Click comes with the new selection
    }

    void addItemAppendsOrInserts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("-1 appends") << -1 << QStringList{"Animals", "Birds", "New"};
        QTest::newRow("0 inserts at the top") << 0 << QStringList{"New", "Animals", "Birds"};
        QTest::newRow("1 inserts between") << 1 << QStringList{"Animals", "New", "Birds"};
    }
    void addItemAppendsOrInserts()
    {
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        Combo combo;
        combo.AddItem(QStringLiteral("Animals"));
        combo.AddItem(QStringLiteral("Birds"));
        combo.AddItem(QStringLiteral("New"), index);
        QStringList items;
        for (int i = 0; i < combo.ListCount(); ++i)
            items << combo.List(i);
        QCOMPARE(items, expected);
    }

    void listChangesKeepTheSelectionAndRaiseNoClick()
    {
        Combo combo;
        for (const char *item : {"Animals", "Birds", "Cats"})
            combo.AddItem(QString::fromLatin1(item));
        combo.SetListIndex(QStringLiteral("2"));
        QSignalSpy clicks(&combo, &Combo::Click);
        combo.RemoveItem(0);
        QCOMPARE(combo.List(combo.ListIndex().toInt()), QStringLiteral("Cats"));
        combo.AddItem(QStringLiteral("Ants"), 0);
        QCOMPARE(combo.List(combo.ListIndex().toInt()), QStringLiteral("Cats"));
        combo.RemoveItem(combo.ListIndex().toInt()); // the selected item: none is selected after it
        QCOMPARE(combo.ListIndex(), QStringLiteral("-1"));
        combo.Clear();
        QCOMPARE(combo.ListCount(), 0);
        QCOMPARE(clicks.count(), 0);
    }

    void dropButtonOpensOnlyAListWithItems()
    {
        ComboOnWindow shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        QWidget *button = shown.combo->DropButton();
        Click(button, button->rect().center());
        QVERIFY(!shown.combo->Box()->view()->isVisible());
        shown.combo->AddItem(QStringLiteral("Animals"));
        Click(button, button->rect().center());
        QTRY_VERIFY(shown.combo->Box()->view()->isVisible());
        shown.combo->Box()->hidePopup();
    }

    void aLockedTextOpensTheListWhenClicked()
    {
        ComboOnWindow shown({QStringLiteral("Animals")});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        QLineEdit *text = shown.combo->Box()->lineEdit();
        Click(text, text->rect().center());
        QVERIFY(!shown.combo->Box()->view()->isVisible()); // an open text takes the click itself
        shown.combo->SetTextLocked(true);
        QTest::keyClicks(shown.combo->Box(), QStringLiteral("Zoo"));
        QCOMPARE(shown.combo->Text(), QString());
        Click(text, text->rect().center());
        QTRY_VERIFY(shown.combo->Box()->view()->isVisible());
        shown.combo->Box()->hidePopup();
    }

    void choosingFromTheOpenListRaisesClickOncePerChoice()
    {
        ComboOnWindow shown({QStringLiteral("Animals"), QStringLiteral("Birds")});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        shown.combo->SetListIndex(QStringLiteral("0"));
        QSignalSpy clicks(shown.combo, &Combo::Click);
        QAbstractItemView *list = shown.combo->Box()->view();
        for (int choice : {1, 1}) { // a new item, then the same one again
            Click(shown.combo->DropButton(), shown.combo->DropButton()->rect().center());
            QTRY_VERIFY(list->isVisible());
            const QModelIndex item = list->model()->index(choice, 0);
            Click(list->viewport(), list->visualRect(item).center());
            QTRY_VERIFY(!list->isVisible());
        }
        QCOMPARE(shown.combo->ListIndex(), QStringLiteral("1"));
        QCOMPARE(clicks.count(), 2);
    }

    void dropButtonFacesFollowTheMouseAndPictures()
    {
        ComboOnWindow shown({QStringLiteral("Animals")});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        QWidget *button = shown.combo->DropButton();
        const QPoint middle = button->rect().center();
        const QImage drawnUp = Shown(*button);
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, middle);
        QVERIFY(Shown(*button) != drawnUp); // the drawn face shows it is held down
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, middle);
        shown.combo->Box()->hidePopup();
        QCOMPARE(Shown(*button), drawnUp);

        QTemporaryDir folder;
        const QString up = folder.filePath("up.png");
        const QString down = folder.filePath("down.png");
        QVERIFY(Solid(Qt::red).save(up));
        QVERIFY(Solid(Qt::green).save(down));
        shown.combo->SetPictures(folder.filePath("missing.png"));
        QCOMPARE(Shown(*button), drawnUp); // an unreadable picture leaves the face
        shown.combo->SetPictures(up, down);
        QCOMPARE(Shown(*button).pixelColor(middle), QColor(Qt::red));
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, middle);
        QCOMPARE(Shown(*button).pixelColor(middle), QColor(Qt::green));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, middle);
        shown.combo->Box()->hidePopup();
        QCOMPARE(Shown(*button).pixelColor(middle), QColor(Qt::red));
    }

    void dropButtonTakesTheScrollBarExtent_data()
    {
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("side");
        QTest::newRow("usual") << 22 << 22;
        QTest::newRow("large") << 30 << 30;
        QTest::newRow("none: a minimum to hit") << 0 << 16;
        QTest::newRow("negative") << -5 << 16;
    }
    void dropButtonTakesTheScrollBarExtent()
    {
        QFETCH(int, extent);
        QFETCH(int, side);
        ExtentStyle style(extent);
        Combo combo;
        combo.setStyle(&style);
        combo.resize(200, 30);
        combo.show();
        QWidget *button = combo.DropButton();
        QCOMPARE(button->width(), side);
        QVERIFY(button->height() >= 20);
        QVERIFY(combo.rect().contains(button->geometry()));
        QVERIFY(combo.width() - button->geometry().right() <= 4); // at the right end
        // The box and its text lie beside the button, not under it.
        const QRect box(combo.Box()->parentWidget()->mapTo(&combo, QPoint(0, 0)),
                        combo.Box()->parentWidget()->size());
        QVERIFY(box.right() < button->x());
    }

    void completionCompletesToTheFirstMatchingItem_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("A n i") << true << "Ani" << "Animals" << "mals";
        QTest::newRow("A n t") << true << "Ant" << "Ants" << "s";
        QTest::newRow("no item") << true << "Xy" << "Xy" << "";
        QTest::newRow("off") << false << "Ani" << "Ani" << "";
    }
    void completionCompletesToTheFirstMatchingItem()
    {
        QFETCH(bool, on);
        QFETCH(QString, typed);
        ComboOnWindow shown({QStringLiteral("Animals"), QStringLiteral("Ants")});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        shown.combo->AutoComplete(on);
        QTest::keyClicks(shown.combo->Box(), typed);
        QTEST(shown.combo->Text(), "text");
        QTEST(shown.combo->Box()->lineEdit()->selectedText(), "selected");
    }

    void enterAddsANewItemAndWidensTheList()
    {
        ComboOnWindow shown({QStringLiteral("Animals"), QStringLiteral("Ants")});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        shown.combo->AutoComplete(true);
        QSignalSpy keys(shown.combo, &Combo::KeyDown);
        const QString longName = QStringLiteral("Xylophones and other very long musical instruments");
        QTest::keyClicks(shown.combo->Box(), longName);
        QTest::keyClick(shown.combo->Box(), Qt::Key_Return);
        QCOMPARE(shown.combo->ListCount(), 3);
        QCOMPARE(shown.combo->List(2), longName);
        const int expected = QFontMetrics(shown.combo->Box()->view()->font()).horizontalAdvance(longName) + 25;
        QCOMPARE(shown.combo->DropDownWidth(), expected);
        QCOMPARE(shown.combo->Box()->view()->minimumWidth(), expected);
        QCOMPARE(keys.last().at(0).toInt(), int(Qt::Key_Return));

        // Enter on a text already in the list adds nothing.
        shown.combo->SetText(QStringLiteral("Ants"));
        QTest::keyClick(shown.combo->Box(), Qt::Key_Return);
        QCOMPARE(shown.combo->ListCount(), 3);
    }

    void enterAddsNothingWithoutCompletion()
    {
        ComboOnWindow shown({QStringLiteral("Animals")});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        QTest::keyClicks(shown.combo->Box(), QStringLiteral("Bears"));
        QTest::keyClick(shown.combo->Box(), Qt::Key_Return);
        QCOMPARE(shown.combo->ListCount(), 1);
        QCOMPARE(shown.combo->DropDownWidth(), 0);
    }

    void backColourAndFontReachTheBox()
    {
        Combo combo;
        combo.SetBackColor(QColor(0xFF, 0xF4, 0xC2));
        QCOMPARE(combo.BackColor(), QColor(0xFF, 0xF4, 0xC2));
        combo.SetFont(QStringLiteral("DejaVu Sans"), 20, true, false, true);
        const QFont font = combo.Box()->font();
        QCOMPARE(font.pointSize(), 20);
        QVERIFY(font.bold() && font.underline() && !font.italic() && !font.strikeOut());
        QVERIFY(combo.sizeHint().height() >= QFontMetrics(font).height());
    }
};

QTEST_MAIN(TestCombo)
#include "test_combo.moc"
