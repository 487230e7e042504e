#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "windows/main/frm_main.h"
#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/frm_parental_options.h"
#include "tests/support/fake_sound.h"
#include "tests/support/fake_system_session.h"
#include "tests/support/file_faults.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

// Sounds on, quitting needs permission, auto-hide off, no password, medium speed.
const QByteArray kSettings = " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";
const QByteArray kAutoHide = " 0 \r\n 1 \r\n 1 \r\n 1 \r\n 10 \r\nsecret\r\nour cat\r\n";

// Answers the next grown-ups' message, keeping its text.
void AnswerMessage(QStringList &seen, bool cancel = false)
{
    WhenModal<frmParentMessage>([&seen, cancel](frmParentMessage *window) {
        seen << window->findChild<QLabel *>()->text();
        (cancel ? window->CancelLink() : window->ContinueLink())->Click();
    });
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void displaySizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("refused");
        QTest::newRow("1024x768x16 starts without a question") << 1024 << 768 << 16 << false << false;
        QTest::newRow("800x600x32 asks") << 800 << 600 << 32 << true << false;
        QTest::newRow("800x599x32 is refused") << 800 << 599 << 32 << false << true;
        QTest::newRow("1280x1024x8 is refused") << 1280 << 1024 << 8 << false << true;
    }
    void displaySizes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        QFETCH(bool, asked);
        QFETCH(bool, refused);
        Rig rig({width, height, bits});
        QVERIFY(rig.Settle(kSettings));
        QStringList messages;
        if (asked || refused)
            AnswerMessage(messages);
        QCOMPARE(rig.window.Form_Load(), !refused);
        QCOMPARE(messages.size(), int(asked || refused));
        if (asked)
            QVERIFY(messages[0].endsWith("Would you like to continue anyway?"));
        if (refused) {
            QVERIFY(messages[0].startsWith("This program can not run under the current screen resolution."));
            QCOMPARE(rig.session.smoothingChanges, 0); // nothing changed yet
            QVERIFY(!rig.window.Loaded);
        }
    }

    void decliningTheQuestionEndsBeforeAnythingChanges()
    {
        Rig rig({800, 600, 32});
        QVERIFY(rig.Settle(kSettings));
        QStringList messages;
        AnswerMessage(messages, /*cancel=*/true);
        QVERIFY(!rig.window.Form_Load());
        QCOMPARE(rig.session.smoothingChanges, 0);
        QVERIFY(!rig.session.filterInstalled);
        QVERIFY(!QDir(rig.root.path()).exists("colored pictures"));
    }

    void firstPassReadsSettingsAndSetsUpTheWindow()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.Loaded);
        QVERIFY(rig.window.isVisible());
        QVERIFY(rig.recorded.sounds.Play_Sound());
        QVERIFY(rig.window.Settings.QuitNeedsPermission);
        QCOMPARE(rig.window.Settings.BubbleSpeed, 4.0f);
        QCOMPARE(rig.window.Document().Engine().Workon_color(), -1);
        QVERIFY(QDir(rig.root.path()).exists("colored pictures"));
        QVERIFY(rig.session.filterInstalled);
        QCOMPARE(rig.session.clearTypeType, 2);

        const FrmMain &w = rig.window;
        const QStringList tips = {"Open a picture to paint", "Clear out all colors!", "Undo",
                                  "Choose between crazy colors and normal colors!", "Color using a magic crayon",
                                  "Paint using a magic paintbrush", "Draw using a magic coloring pencil"};
        const QList<pButton *> strip = {w.c[0], w.c[1], w.c[2], w.c[3], w.pTool[0], w.pTool[1], w.pTool[2]};
        for (int i = 0; i < strip.size(); ++i)
            QCOMPARE(strip[i]->ToolText(), tips[i]);
        QVERIFY(w.c[0]->Enabled());
        QVERIFY(!w.c[1]->Enabled() && !w.c[2]->Enabled() && !w.c[3]->Enabled());
        QVERIFY(!w.c[3]->Pressed());
        QVERIFY(w.pTool[0]->Pressed() && !w.pTool[0]->Enabled());
        QVERIFY(w.pTool[1]->Enabled() && w.pTool[2]->Enabled());

        // One row along the strip, each button where the last one ended.
        for (int i = 1; i < strip.size(); ++i)
            QCOMPARE(strip[i]->x(), strip[i - 1]->x() + strip[i - 1]->width());
        QCOMPARE(w.pFunc[0]->pos(), QPoint(0, 0));
        for (int i = 1; i < 5; ++i)
            QCOMPARE(w.pFunc[i]->pos(), QPoint(w.pFunc[i - 1]->x() + w.pFunc[i - 1]->width(), 0));
        QCOMPARE(w.CornerWidth, w.pFunc[4]->x() + w.pFunc[4]->width());
        QCOMPARE(w.pFunc[0]->ToolText(), QStringLiteral("Click here to quit Velmora"));
        QVERIFY(w.pFunc[0]->isVisible());
    }

    void hiddenButtonsTakeNoRoomInTheStrip()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        rig.window.c[2]->hide();
        rig.window.resize(rig.window.size() + QSize(1, 0)); // lays the window out again
        QCOMPARE(rig.window.c[3]->x(), rig.window.c[1]->x() + rig.window.c[1]->width());
    }

    void laterPassRereadsWithoutAskingOrGrabbingAgain()
    {
        Rig rig({800, 600, 32});
        QVERIFY(rig.Settle(kSettings));
        QStringList messages;
        AnswerMessage(messages);
        QVERIFY(rig.window.Form_Load());
        QCOMPARE(messages.size(), 1);

        QVERIFY(rig.Settle(kAutoHide));
        QVERIFY(rig.window.Form_Load());
        QCOMPARE(messages.size(), 1); // no second question
        QCOMPARE(rig.session.smoothingChanges, 1);
        QCOMPARE(rig.session.filterInstalls, 1);
        QVERIFY(!rig.recorded.sounds.Play_Sound());
        QVERIFY(rig.window.Settings.AutoHideButtons);
        QVERIFY(rig.window.Settings.Use_Parental_password);
        QCOMPARE(rig.window.Settings.Parental_Password, QStringLiteral("secret"));
        for (pButton *button : rig.window.pFunc)
            QVERIFY(button->isHidden());
    }

    void smoothingIsRestoredOnlyWhenItWasOff()
    {
        {
            Rig rig({1024, 768, 32}, /*smoothingOn=*/false);
            QVERIFY(rig.Settle(kSettings));
            QVERIFY(rig.window.Form_Load());
            QVERIFY(rig.session.fontSmoothing);
            rig.window.Form_Unload();
            QVERIFY(!rig.session.fontSmoothing);
            QVERIFY(!rig.session.filterInstalled);
            QVERIFY(!rig.window.isVisible());
        }
        Rig rig({1024, 768, 32}, /*smoothingOn=*/true);
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        rig.window.Form_Unload();
        QVERIFY(rig.session.fontSmoothing);
        QCOMPARE(rig.session.smoothingChanges, 1); // switched on, never off
    }

    void firstRunWritesSettingsThroughTheOptionsWindow()
    {
        Rig rig;
        QVERIFY(rig.Settle("x\r\n")); // as good as no file
        QStringList messages;
        AnswerMessage(messages); // the options window's explanation
        WhenModal<frmParentalOptions>([&messages](frmParentalOptions *options) {
            AnswerMessage(messages);
            options->Link(1)->Click(); // Continue with the password ticked but empty: refused
            QTest::mouseClick(options->UseParentalPassword(), Qt::LeftButton);
            options->Link(1)->Click();
        });
        QVERIFY(rig.window.Form_Load());
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1], QStringLiteral("You must enter a password in order to continue."));
        QCOMPARE(ContentsOf(rig.root.filePath("Settings.ini")), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n"));
        QVERIFY(rig.window.Loaded);
        QVERIFY(!rig.window.Settings.Use_Parental_password);
    }

    // The options window wrote a file that still cannot be read (no speed was
    // chosen, so line 5 is empty): the run ends, saying why.
    void aSecondFailedReadEndsTheRun()
    {
        Rig rig;
        QStringList messages;
        AnswerMessage(messages); // the options window's explanation
        WhenModal<frmParentalOptions>([&messages](frmParentalOptions *options) {
            QTest::mouseClick(options->UseParentalPassword(), Qt::LeftButton);
            options->SpeedButton(0)->group()->setExclusive(false);
            for (int i = 0; i < 3; ++i)
                options->SpeedButton(i)->setChecked(false);
            AnswerMessage(messages);
            options->Link(1)->Click();
        });
        QVERIFY(!rig.window.Form_Load());
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1], QStringLiteral("Velmora was unable to create a settings file. This is an serious error and "
                                             "program cannot continue. Make sure that the disk you are using is not "
                                             "write protected."));
        QCOMPARE(ContentsOf(rig.root.filePath("Settings.ini")), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n\r\n\r\n"));
        QVERIFY(!rig.session.filterInstalled);
        QVERIFY(!rig.session.fontSmoothing); // put back as it was
    }

    void cancellingTheFirstRunEndsAndRestores()
    {
        Rig rig;
        QStringList messages;
        AnswerMessage(messages);
        WhenModal<frmParentalOptions>([](frmParentalOptions *options) { options->Link(0)->Click(); });
        QVERIFY(!rig.window.Form_Load());
        QVERIFY(!rig.session.fontSmoothing); // switched on for the run, off again
        QVERIFY(!rig.session.filterInstalled);
        QVERIFY(!QFile::exists(rig.root.filePath("Settings.ini")));
    }

    void quittingAllowedNeverAsksForThePassword()
    {
        Rig rig;
        QVERIFY(rig.Settle(" 1 \r\n 1 \r\n 0 \r\n 1 \r\n 4 \r\nsecret\r\nour cat\r\n"));
        QVERIFY(rig.window.Form_Load());
        QString childText;
        WhenModal<frmMessage>([&childText](frmMessage *gate) {
            childText = gate->findChildren<QLabel *>().first()->text();
            gate->OkButton()->Click();
        });
        rig.window.pFunc_Click(0);
        QCOMPARE(childText, QStringLiteral("Are you sure you want to close this coloring book? Why don't you stay for a while?"));
        QVERIFY(!rig.window.isVisible());
        QVERIFY(!rig.session.filterInstalled);
    }

    void quittingNeedsThePasswordWhenSet()
    {
        Rig rig;
        QVERIFY(rig.Settle(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\nsecret\r\nour cat\r\n"));
        QVERIFY(rig.window.Form_Load());
        WhenModal<frmMessage>([](frmMessage *gate) {
            gate->OkButton()->Click(); // unfolds to the password row
            QVERIFY(gate->isVisible());
            QTest::keyClicks(gate->PasswordBox(), "secret");
            gate->OkButton()->Click();
        });
        rig.window.pFunc_Click(0);
        QVERIFY(!rig.window.isVisible());

        Rig kept;
        QVERIFY(kept.Settle(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\nsecret\r\nour cat\r\n"));
        QVERIFY(kept.window.Form_Load());
        WhenModal<frmMessage>([](frmMessage *gate) { gate->CancelButton()->Click(); });
        kept.window.pFunc_Click(0);
        QVERIFY(kept.window.isVisible());
        QVERIFY(kept.window.Timer1.isActive());
    }

    void confirmedSettingsTakeEffectAtOnce()
    {
        Rig rig;
        QVERIFY(rig.Settle(kSettings));
        QVERIFY(rig.window.Form_Load());
        QVERIFY(rig.window.pFunc[0]->isVisible());
        QStringList messages;
        WhenModal<frmMessage>([](frmMessage *gate) { gate->OkButton()->Click(); });
        WhenModal<frmParentalOptions>([&messages](frmParentalOptions *options) {
            QTest::mouseClick(options->AutoHide(), Qt::LeftButton);
            AnswerMessage(messages); // the auto-hide explanation
            options->Link(1)->Click();
        });
        rig.window.pFunc_Click(4);
        QCOMPARE(messages.size(), 1);
        QVERIFY(rig.window.Settings.AutoHideButtons);
        for (pButton *button : rig.window.pFunc)
            QVERIFY(button->isHidden());
        QCOMPARE(rig.session.filterInstalls, 1);
    }
};

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
