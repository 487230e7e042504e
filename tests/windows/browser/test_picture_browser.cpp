// The picture browser window, driven as a child would: choosing, closing, a new
// own picture, asking for more pictures, scrolling, and a library that fails.
#include <QLabel>
#include <QtTest>

#include "controls/picture_button.h"
#include "windows/browser/frm_open.h"
#include "windows/browser/sheet_view.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"
#include "tests/support/fake_sound.h"
#include "tests/support/file_faults.h"
#include "tests/support/library_fixture.h"
#include "tests/support/modal.h"

namespace {

void Click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

QPoint CentreOfCell(const frmOpen &browser, int index)
{
    const PictureCell &cell = browser.PictureCells().at(index);
    return {cell.Left + 50, cell.Top + 50 + browser.SheetTop()};
}

QStringList LabelTexts(QWidget *window)
{
    QStringList texts;
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

// Runs the browser modally, as the colouring window does, while `act` plays the child.
void RunModally(frmOpen &browser, std::function<void(frmOpen *)> act)
{
    browser.SelectedPicture.clear();
    modal_detail::Answered().remove(&browser); // the same window comes back each time: only hidden between uses
    WhenModal<frmOpen>(std::move(act));
    browser.exec();
}

struct Rig {
    LibraryFixture library;
    RecordedSounds sounds;
    QTimer colouringTimer;
    int manageCalls = 0;
    std::unique_ptr<frmOpen> browser;

    explicit Rig(int pictures = 3)
    {
        for (int i = 0; i < pictures; ++i)
            library.AddPicture(QStringLiteral("animals"), QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0')));
        colouringTimer.start(1000);
    }
    bool Load()
    {
        BrowserServices services;
        services.programFolder = library.root();
        services.sounds = &sounds.sounds;
        services.colouringTimer = &colouringTimer;
        services.managePictures = [this] { ++manageCalls; };
        browser = std::make_unique<frmOpen>(std::move(services));
        return browser->Form_Load();
    }
};

// A face that cannot be pressed is drawn in pale greys only: a greyed face
// with its dark outline still looks like a button to press.
bool LooksGrey(QWidget *button)
{
    const QImage face = button->grab().toImage();
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QRgb pixel = face.pixel(x, y);
            if (qAlpha(pixel) > 0 && (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel) || qRed(pixel) < 120))
                return false;
        }
    return true;
}

} // namespace

class TestPictureBrowser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void choosingWithAnyButtonHidesTheWindow()
    {
        Rig rig;
        QVERIFY(rig.Load());
        QVERIFY(rig.colouringTimer.isActive()); // the splash window gave the timer back
        QCOMPARE(rig.browser->PictureCells().size(), 4);
        for (pButton *control : {rig.browser->cScroll[0], rig.browser->cScroll[1], rig.browser->sBall}) {
            QVERIFY2(!control->isEnabled(), "everything fits: nothing to scroll");
            QVERIFY2(LooksGrey(control), "and it looks so");
        }

        RunModally(*rig.browser, [](frmOpen *browser) {
            QTest::mouseClick(browser->Pmb, Qt::RightButton, Qt::NoModifier, CentreOfCell(*browser, 2));
        });
        QCOMPARE(rig.browser->SelectedPicture, rig.library.path(QStringLiteral("books/animals/p001.bmp")));
        QCOMPARE(rig.browser->SelectedIndex, 2);
        QVERIFY(!rig.browser->isVisible());
        QVERIFY(!rig.browser->Unloaded());

        // A click in the gap between cells chooses nothing; closing leaves nothing chosen.
        RunModally(*rig.browser, [](frmOpen *browser) {
            QTest::mouseClick(browser->Pmb, Qt::LeftButton, Qt::NoModifier, QPoint(108, 50));
            QVERIFY(browser->isVisible());
            Click(browser->cClose);
        });
        QVERIFY(rig.browser->SelectedPicture.isEmpty());
        QCOMPARE(rig.sounds.output->log.last(), QStringLiteral("play CANCEL0"));
    }

    void aChosenPictureShowsItsColouredVersionNextTime()
    {
        Rig rig;
        QVERIFY(rig.Load());
        RunModally(*rig.browser, [](frmOpen *browser) { QTest::mouseClick(browser->Pmb, Qt::LeftButton, Qt::NoModifier, CentreOfCell(*browser, 1)); });
        rig.library.AddPictureAt(QStringLiteral("colored pictures/animals/p000.bmp.jpg"), QSize(60, 40), Qt::blue);
        RunModally(*rig.browser, [](frmOpen *browser) { Click(browser->cClose); });
        const QColor middle = rig.browser->Pmb->Sheet().faces[1].pixelColor(49, 49);
        QVERIFY2(middle.blue() > 200 && middle.red() < 60, "the refreshed thumbnail shows the colouring");
    }

    void aNewOwnPictureIsChosenAtOnce()
    {
        Rig rig;
        rig.library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp"));
        rig.library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_2.bmp"));
        QVERIFY(rig.Load());
        RunModally(*rig.browser, [](frmOpen *browser) { Click(browser->cPicadd); });
        const QString expected = rig.library.path(QStringLiteral("books/own pictures/own_1.bmp"));
        QCOMPARE(rig.browser->SelectedPicture, expected);
        QVERIFY(rig.browser->Unloaded());
        const QImage page(expected);
        QCOMPARE(page.size(), QSize(750, 480));
        QCOMPARE(page.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(page.pixelColor(749, 479), QColor(Qt::white));
    }

    void aNewOwnPictureThatCannotBeWrittenSaysSo()
    {
        Rig rig;
        rig.library.AddPicture(QStringLiteral("own pictures"), QStringLiteral("own_0.bmp"));
        QVERIFY(rig.Load());
        ImmutableGuard locked(rig.library.path(QStringLiteral("books/own pictures")));
        if (!locked.active())
            QSKIP("this file system cannot make a folder immutable");
        QStringList shown;
        bool stillOpen = false;
        RunModally(*rig.browser, [&](frmOpen *browser) {
            WhenModal<frmMessage>([&](frmMessage *message) {
                shown = LabelTexts(message);
                Click(message->OkButton());
            });
            Click(browser->cPicadd);
            stillOpen = browser->isVisible();
            Click(browser->cClose);
        });
        QVERIFY(shown.contains(QStringLiteral(
            "Help! A new picture could not be started! Call someone who can help you sort it out! Go!")));
        QVERIFY(stillOpen);
        QVERIFY(rig.browser->SelectedPicture.isEmpty());
        QVERIFY(!rig.browser->Unloaded());
    }

    void askingForMorePictures()
    {
        Rig rig;
        QVERIFY(rig.Load());
        RunModally(*rig.browser, [](frmOpen *browser) {
            WhenModal<frmMessage>([](frmMessage *gate) { Click(gate->CancelButton()); });
            Click(browser->pMorePics);
            QVERIFY(browser->isVisible()); // a grown-up said no
            Click(browser->cClose);
        });
        QCOMPARE(rig.manageCalls, 0);

        RunModally(*rig.browser, [](frmOpen *browser) {
            WhenModal<frmMessage>([](frmMessage *gate) { Click(gate->OkButton()); });
            Click(browser->pMorePics);
        });
        QVERIFY(rig.browser->Unloaded());
        QCOMPARE(rig.manageCalls, 1);
    }

    void moreBooksWithoutABooksFolder()
    {
        Rig rig;
        QVERIFY(rig.Load());
        QDir(rig.library.path(QStringLiteral("books"))).removeRecursively();
        QString told;
        RunModally(*rig.browser, [&](frmOpen *browser) {
            WhenModal<frmMessage>([](frmMessage *gate) { Click(gate->OkButton()); });
            WhenModal<frmParentMessage>([&](frmParentMessage *message) {
                told = LabelTexts(message).join(QLatin1Char('|'));
                message->accept();
            });
            Click(browser->pMorePics);
        });
        QVERIFY2(told.contains(QStringLiteral("Could not find the books path. Please reinstall Velmora!")), qPrintable(told));
        QCOMPARE(rig.manageCalls, 0);
    }

    void scrollingPassesEveryPositionAndKeepsTheBallInStep()
    {
        Rig rig(60);
        QVERIFY(rig.Load());
        frmOpen &browser = *rig.browser;
        browser.show();
        QVERIFY(browser.sBall->isEnabled());
        // At the top only the down arrow can move the sheet.
        QVERIFY(!browser.cScroll[0]->isEnabled() && LooksGrey(browser.cScroll[0]));
        QVERIFY(browser.cScroll[1]->isEnabled() && !LooksGrey(browser.cScroll[1]));
        QList<int> moves;
        connect(&browser, &frmOpen::SheetMoved, this, [&](int top) { moves << top; });

        // A finger drags the sheet up by 100 pixels, and it follows.
        QTest::mousePress(browser.Pmb, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
        QTest::mouseMove(browser.Pmb, QPoint(300, 200));
        QTest::mouseRelease(browser.Pmb, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
        QCOMPARE(browser.SheetTop(), -100);
        QVERIFY(browser.SelectedPicture.isEmpty()); // a drag chooses nothing

        moves.clear();
        browser.cScroll_Click(0);
        QTRY_VERIFY(!browser.Gliding());
        QCOMPARE(moves.size(), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(moves[i], -99 + i);
        QCOMPARE(browser.sBall->y(), browser.cScroll[0]->height());
        browser.cScroll_Click(0);
        QVERIFY(!browser.Gliding()); // already at the top

        // The wheel moves a row a notch, and the down arrow stops at the bottom.
        QWheelEvent wheel(QPointF(100, 100), browser.Pmb->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(browser.Pmb, &wheel);
        QCOMPARE(browser.SheetTop(), -105);
        const int lowest = browser.PB->height() - browser.Pmb->Sheet().height;
        for (int i = 0; i < 20 && browser.SheetTop() != lowest; ++i) {
            browser.cScroll_Click(1);
            QTRY_VERIFY(!browser.Gliding());
        }
        QCOMPARE(browser.SheetTop(), lowest);
        QCOMPARE(browser.sBall->y() + browser.sBall->height(), browser.cScroll[1]->y());
        QVERIFY(browser.cScroll[0]->isEnabled() && !browser.cScroll[1]->isEnabled());
        QVERIFY(LooksGrey(browser.cScroll[1]));

        // Dragging the ball back to the top brings the sheet with it.
        QTest::mousePress(browser.sBall, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseMove(browser.sBall, QPoint(10, -2000));
        QTest::mouseRelease(browser.sBall, Qt::LeftButton, Qt::NoModifier, QPoint(10, -2000));
        QCOMPARE(browser.SheetTop(), 0);
        QCOMPARE(browser.sBall->y(), browser.cScroll[0]->height());
        QVERIFY(!browser.cScroll[0]->isEnabled() && browser.cScroll[1]->isEnabled());
    }

    void aDamagedPictureEndsTheRunWithAMessage()
    {
        Rig rig;
        rig.library.WriteBytes(QStringLiteral("books/animals/p001.bmp"), QByteArray("BM") + QByteArray(100, '\0'));
        QStringList shown;
        WhenModal<frmMessage>([&](frmMessage *message) {
            shown = LabelTexts(message) << message->ParentText();
            QVERIFY(!message->CancelButton()->isVisible());
            Click(message->OkButton());
        });
        QVERIFY(!rig.Load());
        QVERIFY(shown.contains(QStringLiteral("Oh no! something strange has happened! Call someone who can help you!")));
        QVERIFY(shown.join(QLatin1Char('|')).contains(QStringLiteral("There was a problem loading the pictures.")));
        QVERIFY(!rig.colouringTimer.isActive());
    }
};

QTEST_MAIN(TestPictureBrowser)
#include "test_picture_browser.moc"
