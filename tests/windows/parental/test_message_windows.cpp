#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "controls/twips.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"
#include "tests/support/fake_sound.h"
#include "tests/support/modal.h"

namespace {

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

struct Gate {
    explicit Gate(bool passwordRequired, ParentalPassword parental = {"secret", "our cat"})
        : window(&recorded.sounds, parental)
    {
        window.SetExtendedInformation("There was an attempt to quit Velmora.");
        window.SetMessage("Are you sure?");
        window.SetShowCancel(true);
        window.SetPasswordVisible(passwordRequired);
        window.show();
    }
    int HeightTwips() const { return int(PixelsToTwipsY(window.height()) + 0.5); }

    RecordedSounds recorded;
    frmMessage window;
};

} // namespace

class TestMessageWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void parentMessageContinueAndCancel()
    {
        WhenModal<frmParentMessage>([](frmParentMessage *w) { Click(w->ContinueLink()); });
        QVERIFY(!ShowParentMessage(nullptr, "Saved.\r\nAll is well.", true));

        WhenModal<frmParentMessage>([](frmParentMessage *w) { Click(w->CancelLink()); });
        QVERIFY(ShowParentMessage(nullptr, "Continue anyway?", true));

        WhenModal<frmParentMessage>([](frmParentMessage *window) {
            QVERIFY(window->CancelLink()->isHidden());
            QCOMPARE(window->windowTitle(), QStringLiteral("Message"));
            QVERIFY(window->findChild<QLabel *>()->text().contains("Saved.\nAll"));
            QTest::keyClick(window, Qt::Key_Escape); // no Cancel link: Escape goes on as Continue
        });
        QVERIFY(!ShowParentMessage(nullptr, "Saved.\r\nAll is well."));

        WhenModal<frmParentMessage>([](frmParentMessage *w) { QTest::keyClick(w, Qt::Key_Return); });
        QVERIFY(!ShowParentMessage(nullptr, "Enter continues", true));
    }

    // A close from outside (a window manager's close button, Alt+F4) never
    // answers a question with yes.
    void aCloseFromOutsideIsCancelWhereCancelShows()
    {
        for (const bool cancelVisible : {true, false}) {
            WhenModal<frmParentMessage>([](frmParentMessage *w) { w->close(); });
            QCOMPARE(ShowParentMessage(nullptr, "Delete the pictures?", cancelVisible), cancelVisible);
            WhenModal<frmParentMessage>([](frmParentMessage *w) { w->reject(); });
            QCOMPARE(ShowParentMessage(nullptr, "Delete the pictures?", cancelVisible), cancelVisible);
        }
    }

    void withoutPasswordOneOkCloses()
    {
        Gate gate(false);
        QCOMPARE(gate.window.ButtonPressed(), QStringLiteral("Cancel"));
        QCOMPARE(gate.recorded.output->log, QStringList{"play MESSAGE0"});
        Click(gate.window.OkButton());
        QCOMPARE(gate.window.ButtonPressed(), QStringLiteral("Ok"));
        QVERIFY(!gate.window.isVisible());
        QCOMPARE(gate.recorded.output->log.last(), QStringLiteral("play OK"));
        QCOMPARE(gate.recorded.clock->waits.size(), 1); // OK waits for its sound to end
    }

    void passwordUnfoldsThenShowsTheHintThenAccepts()
    {
        Gate gate(true);
        QCOMPARE(gate.HeightTwips(), frmMessage::kFoldedTwips);
        Click(gate.window.OkButton());
        QVERIFY(gate.window.isVisible());
        QCOMPARE(gate.HeightTwips(), frmMessage::kPasswordTwips);
        QVERIFY(gate.window.UnfoldButton()->Pressed());

        QTest::keyClicks(gate.window.PasswordBox(), "Secret");
        Click(gate.window.OkButton());
        QVERIFY(gate.window.isVisible());
        QCOMPARE(gate.window.ParentText(),
                 QStringLiteral("The password you entered is incorrect. Your password hint is: 'our cat'."));
        QCOMPARE(gate.window.PasswordBox()->text(), QStringLiteral("Secret")); // kept as typed

        gate.window.PasswordBox()->clear();
        QTest::keyClicks(gate.window.PasswordBox(), "secret");
        QTest::keyClick(gate.window.PasswordBox(), Qt::Key_Return);
        QVERIFY(!gate.window.isVisible());
        QCOMPARE(gate.window.ButtonPressed(), QStringLiteral("Ok"));
    }

    void wrongPasswordWithoutHint()
    {
        Gate gate(true, {"secret", ""});
        Click(gate.window.OkButton());
        QTest::keyClicks(gate.window.PasswordBox(), "guess");
        QTest::keyClick(gate.window.PasswordBox(), Qt::Key_Enter);
        QCOMPARE(gate.window.ParentText(), QStringLiteral("The password you entered is incorrect. Please enter the "
                                                          "password again or press nevermind to close this window."));
        QCOMPARE(gate.window.ButtonPressed(), QStringLiteral("Cancel"));
    }

    void matchingEmptyPasswordPassesAtOnce()
    {
        Gate gate(true, {"", ""});
        Click(gate.window.OkButton());
        QCOMPARE(gate.window.ButtonPressed(), QStringLiteral("Ok"));
    }

    void unfoldHeightsAndTheHiddenUnfoldButton()
    {
        Gate plain(false);
        QVERIFY(plain.window.UnfoldButton()->isVisible());
        Click(plain.window.UnfoldButton());
        QCOMPARE(plain.HeightTwips(), frmMessage::kUnfoldedTwips);
        Click(plain.window.UnfoldButton());
        QCOMPARE(plain.HeightTwips(), frmMessage::kFoldedTwips);

        Gate guarded(true);
        Click(guarded.window.UnfoldButton());
        QCOMPARE(guarded.HeightTwips(), frmMessage::kPasswordTwips);

        frmMessage bare(nullptr, {});
        bare.SetExtendedInformation("");
        bare.show();
        QVERIFY(bare.UnfoldButton()->isHidden());
    }

    void cancelAndEscape()
    {
        Gate gate(true);
        QTest::keyClick(&gate.window, Qt::Key_Escape);
        QVERIFY(!gate.window.isVisible());
        QCOMPARE(gate.window.ButtonPressed(), QStringLiteral("Cancel"));
        QCOMPARE(gate.recorded.output->log.last(), QStringLiteral("play CANCEL0"));

        Gate noCancel(false);
        noCancel.window.SetShowCancel(false);
        QTest::keyClick(&noCancel.window, Qt::Key_Escape);
        QVERIFY(noCancel.window.isVisible()); // no way round the gate but OK
    }

    void silentWhenSoundIsOff()
    {
        RecordedSounds recorded;
        recorded.sounds.SetPlay_Sound(false);
        frmMessage window(&recorded.sounds, {});
        window.show();
        Click(window.OkButton());
        QCOMPARE(window.ButtonPressed(), QStringLiteral("Ok"));
        QVERIFY(recorded.output->log.filter("play").isEmpty());
    }
};

QTEST_MAIN(TestMessageWindows)
#include "test_message_windows.moc"
