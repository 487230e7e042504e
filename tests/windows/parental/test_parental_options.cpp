#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/hyperlink.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/frm_parental_options.h"
#include "tests/support/file_faults.h"
#include "tests/support/modal.h"

namespace {

enum Link { Cancel = 0, Continue = 1, ManageColoredPages = 2, ManageBooks = 3 };

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QString MessageText(frmParentMessage *window)
{
    return window->findChild<QLabel *>()->text();
}

// Answers the next grown-ups' message with Continue and keeps its text in `seen`.
void NoteNextMessage(QStringList &seen)
{
    WhenModal<frmParentMessage>([&seen](frmParentMessage *window) {
        seen << MessageText(window);
        Click(window->ContinueLink());
    });
}

const QByteArray kReadable = " 1 \r\n 0 \r\n 0 \r\n 1 \r\n 10 \r\nsecret\r\nour cat\r\n";

} // namespace

class TestParentalOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_root.reset(new QTemporaryDir);
        QVERIFY(m_root->isValid());
        m_settings = m_root->filePath("Settings.ini");
    }
    void cleanup() { CancelPendingModalAnswers(); }

    void firstRunExplainsThenRefusesAnEmptyPasswordThenSaves()
    {
        QStringList messages;
        NoteNextMessage(messages); // the explanation, before the window shows
        WhenModal<frmParentalOptions>([&messages](frmParentalOptions *window) {
            QVERIFY(window->PlaySounds()->isChecked());
            QVERIFY(window->UseParentalPassword()->isChecked());
            QVERIFY(window->SpeedButton(1)->isChecked());
            QVERIFY(window->CancelQuits());

            NoteNextMessage(messages);
            Click(window->Link(Continue));
            QVERIFY(window->isVisible());

            Click(window->UseParentalPassword());
            QVERIFY(!window->PasswordBox()->isEnabled());
            QVERIFY(!window->QuitWithoutPermission()->isEnabled());
            QCOMPARE(window->HintBox()->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
            Click(window->Link(Continue));
        });
        frmParentalOptions window(m_root->path());
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(window.Saved());
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith("There was an error when trying to open the settings file."));
        QCOMPARE(messages[1], QStringLiteral("You must enter a password in order to continue."));
        QCOMPARE(ContentsOf(m_settings), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n"));
    }

    void cancelEndsTheProgramOnlyWhenTheSettingsWereUnreadable()
    {
        WhenModal<frmParentMessage>([](frmParentMessage *w) { Click(w->ContinueLink()); });
        WhenModal<frmParentalOptions>([](frmParentalOptions *w) { Click(w->Link(Cancel)); });
        frmParentalOptions firstRun(m_root->path());
        firstRun.exec();
        QVERIFY(firstRun.QuitRequested());
        QVERIFY(!firstRun.Saved());

        QVERIFY(WriteFile(m_settings, kReadable));
        WhenModal<frmParentalOptions>([](frmParentalOptions *w) { Click(w->Link(Cancel)); });
        frmParentalOptions fromSettings(m_root->path());
        fromSettings.exec();
        QVERIFY(!fromSettings.QuitRequested());
        QVERIFY(!fromSettings.Saved());
        QCOMPARE(ContentsOf(m_settings), kReadable);
    }

    void showsTheFileAndKeepsDisabledValues()
    {
        QVERIFY(WriteFile(m_settings, " 0 \r\n 1 \r\n 2 \r\n 1 \r\n 10 \r\nsecret\r\nour cat\r\n"));
        frmParentalOptions window(m_root->path());
        window.show();
        QVERIFY(!window.PlaySounds()->isChecked());
        QCOMPARE(window.AutoHide()->checkState(), Qt::PartiallyChecked);
        QVERIFY(window.SpeedButton(2)->isChecked());
        QCOMPARE(window.PasswordBox()->text(), QStringLiteral("secret"));
        QCOMPARE(window.HintBox()->text(), QStringLiteral("our cat"));
        QCOMPARE(window.PasswordBox()->echoMode(), QLineEdit::Password);

        // Unticking the password disables "allow quitting", whose value is still saved.
        Click(window.UseParentalPassword());
        QVERIFY(!window.QuitWithoutPermission()->isEnabled());
        Click(window.Link(Continue));
        QVERIFY(window.Saved());
        QCOMPARE(ContentsOf(m_settings), QByteArray(" 0 \r\n 1 \r\n 2 \r\n 0 \r\n 10 \r\nsecret\r\nour cat\r\n"));
    }

    void autoHideIsExplainedOnlyWhenSwitchedOn()
    {
        QVERIFY(WriteFile(m_settings, kReadable));
        QStringList messages;
        {
            frmParentalOptions window(m_root->path());
            window.show();
            Click(window.AutoHide());
            NoteNextMessage(messages);
            Click(window.Link(Continue));
            QVERIFY(window.Saved());
        }
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith("You have chosen to auto-hide the parental buttons"));

        frmParentalOptions again(m_root->path());
        again.show();
        QVERIFY(again.AutoHide()->isChecked());
        Click(again.Link(Continue));
        QVERIFY(again.Saved());
        QTest::qWait(50);
        QCOMPARE(messages.size(), 1);
    }

    void aFailedSaveKeepsTheWindowOpen()
    {
        QVERIFY(WriteFile(m_settings, kReadable));
        frmParentalOptions window(m_root->path());
        window.show();
        window.SpeedButton(0)->setChecked(true);
        QStringList messages;
        {
            ImmutableGuard locked(m_root->path());
            if (!locked.active())
                QSKIP("chattr +i is not available here");
            NoteNextMessage(messages);
            Click(window.Link(Continue));
        }
        QVERIFY(!window.Saved());
        QVERIFY(window.isVisible());
        QCOMPARE(messages, QStringList{"There was an error while trying to save the settings.\n\nMake sure the disk is "
                                       "not write protected and there is enough space."});
        QCOMPARE(ContentsOf(m_settings), kReadable);
    }

    // The file keeps Windows-1252 text; anything else would come back as "?"
    // and lock the grown-up out with their own password.
    void refusesAPasswordTheFileCannotKeep_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("refused"); // what the message lists; empty: saved
        QTest::newRow("Cyrillic") << QString::fromUtf8("пароль") << "ours" << QString::fromUtf8("п, а, р, о, л, ь");
        QTest::newRow("Greek, a letter once") << QString::fromUtf8("αβα1") << "ours" << QString::fromUtf8("α, β");
        QTest::newRow("Polish beside kept letters") << QString::fromUtf8("Łódź") << "ours" << QString::fromUtf8("Ł, ź");
        QTest::newRow("emoji") << QString::fromUtf8("cat\U0001F431") << "ours" << QString::fromUtf8("\U0001F431");
        QTest::newRow("in the hint") << "secret" << QString::fromUtf8("наш кот") << QString::fromUtf8("н, а, ш, к, о, т");
        QTest::newRow("Western European and the euro") << QString::fromUtf8("Café€") << QString::fromUtf8("Größe ½")
                                                       << QString();
    }
    void refusesAPasswordTheFileCannotKeep()
    {
        QFETCH(QString, password);
        QFETCH(QString, hint);
        QFETCH(QString, refused);
        QVERIFY(WriteFile(m_settings, kReadable));
        frmParentalOptions window(m_root->path());
        window.show();
        window.PasswordBox()->setText(password);
        window.HintBox()->setText(hint);
        QStringList messages;
        NoteNextMessage(messages);
        Click(window.Link(Continue));
        if (refused.isEmpty()) {
            QVERIFY(window.Saved());
            OptionsValues read;
            QVERIFY(ReadOptionsValues(m_settings, read));
            QCOMPARE(read.password, password);
            QCOMPARE(read.hint, hint);
            return;
        }
        QCOMPARE(messages.size(), 1);
        const QString field = hint.isEmpty() || hint == "ours" ? "password" : "password hint";
        QCOMPARE(messages[0], QStringLiteral("The %1 contains characters that Velmora cannot keep:\n%2\n\nPlease choose "
                                             "one without them. Letters of Western European languages, numbers and "
                                             "the usual signs can be kept.")
                                  .arg(field, refused));
        QVERIFY(!window.Saved());
        QVERIFY(window.isVisible());
        QCOMPARE(ContentsOf(m_settings), kReadable);
    }

    void managementLinksCheckTheirFolders()
    {
        QVERIFY(WriteFile(m_settings, kReadable));
        frmParentalOptions window(m_root->path());
        int coloredOpened = 0, booksOpened = 0;
        window.openColoredPictures = [&] { ++coloredOpened; };
        window.openManagePictures = [&] { ++booksOpened; };
        window.show();

        QStringList messages;
        NoteNextMessage(messages);
        Click(window.Link(ManageColoredPages));
        NoteNextMessage(messages);
        Click(window.Link(ManageBooks));
        QCOMPARE(messages, QStringList({"There are currently no colored pictures to browse. You can only access this "
                                        "window after at least one picture has been colored.",
                                        "Could not find the books path. Please reinstall Velmora!"}));

        QVERIFY(QDir(m_root->path()).mkdir("Colored Pictures"));
        QVERIFY(QDir(m_root->path()).mkdir("books"));
        Click(window.Link(ManageColoredPages));
        Click(window.Link(ManageBooks));
        QCOMPARE(coloredOpened, 1);
        QCOMPARE(booksOpened, 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_settings;
};

QTEST_MAIN(TestParentalOptions)
#include "test_parental_options.moc"
