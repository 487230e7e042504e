// The grown-ups' buttons: each gate's texts and password rule, saving the
// picture as a JPEG file, printing copies, and the about window.
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include "windows/colouring/canvas_view.h"
#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/splash/frm_splash.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";

struct Gate {
    QString parent, child;
    bool password = false;
};

// Answers the next gate with Cancel or OK and tells what it showed.
std::shared_ptr<Gate> AnswerGate(bool ok)
{
    auto seen = std::make_shared<Gate>();
    WhenModal<frmMessage>([seen, ok](frmMessage *gate) {
        seen->parent = gate->ParentText();
        seen->child = gate->ChildText();
        seen->password = gate->PasswordVisible();
        (ok ? gate->OkButton() : gate->CancelButton())->Click();
    });
    return seen;
}

QImage Page()
{
    QImage page(300, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int x = 0; x < 300; ++x)
        page.setPixel(x, 100, qRgb(0, 0, 0));
    return page;
}

struct Opened : Rig {
    explicit Opened(ExportDialogs dialogs = {}) : Rig({1024, 768, 16}, false, dialogs)
    {
        Settle(kSettings);
        window.Form_Load();
        Page().save(root.filePath("page.bmp"), "bmp");
        window.OpenPictureFile(root.filePath("page.bmp"));
    }
};

} // namespace

class TestFunctionButtons : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void eachGateSaysWhatIsAsked_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("quitNeedsPermission");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("child");
        QTest::addColumn<bool>("password");
        QTest::newRow("quit needing permission") << 0 << true
            << "There was an attempt to quit Velmora. If you wish to allow this, please press OK to continue."
            << "Oh no!, something has happened when you tried to close me. Call someone who can help you!" << true;
        QTest::newRow("quit allowed: never a password") << 0 << false
            << "There was an attempt to quit Velmora. If you wish to allow this, press OK."
            << "Are you sure you want to close this coloring book? Why don't you stay for a while?" << false;
        QTest::newRow("save") << 1 << true
            << "There was an attempt to save the current picture. If you wish to allow this, please press OK to continue."
            << "Oh no!, something happened when you tried to save your picture. Call someone who can help you!" << true;
        QTest::newRow("print") << 2 << true
            << "There was an attempt to print the current picture. If you wish to allow this, please press OK to continue."
            << "Oh no!, something happened when you tried to print your picture. Call someone who can help you!" << true;
        QTest::newRow("about") << 3 << true
            << "There was an attempt to view the About box. If you wish to allow this, please press OK."
            << "Oh no!, something has happened. Call someone who can help you!" << true;
        QTest::newRow("settings") << 4 << true
            << "There was an attempt to open the options screen. If you wish to allow this, please press OK to continue."
            << "Oh no!, something has happened. Call someone who can help you!" << true;
    }
    void eachGateSaysWhatIsAsked()
    {
        QFETCH(int, index);
        QFETCH(bool, quitNeedsPermission);
        QFETCH(QString, parent);
        QFETCH(QString, child);
        QFETCH(bool, password);
        Opened rig;
        rig.window.Settings.Use_Parental_password = true;
        rig.window.Settings.Parental_Password = "secret";
        rig.window.Settings.QuitNeedsPermission = quitNeedsPermission;
        const std::shared_ptr<Gate> seen = AnswerGate(false);
        rig.window.pFunc_Click(index);
        QTRY_COMPARE(seen->parent, parent);
        QCOMPARE(seen->child, child);
        QCOMPARE(seen->password, password);
        QVERIFY(rig.window.Timer1.isActive()); // back on every way out but a confirmed quit
        QVERIFY(rig.window.isVisible());
    }

    // A close from outside (window manager, compositor, taskbar) is the quit
    // button's question: Cancel keeps everything, OK with the password ends
    // the run with the colouring kept.
    void closeRequestsGoToTheQuitGate()
    {
        Opened rig;
        rig.window.Settings.Use_Parental_password = true;
        rig.window.Settings.Parental_Password = "secret";
        rig.window.Settings.QuitNeedsPermission = true;
        rig.window.Document().Press(40, 40);
        rig.window.Document().Release(40, 40);
        const QString coloured = rig.window.Document().Files().coloured;
        QVERIFY(!QFile::exists(coloured));

        const std::shared_ptr<Gate> seen = AnswerGate(false);
        QVERIFY(!rig.window.close());
        QTRY_COMPARE(seen->parent,
                     "There was an attempt to quit Velmora. If you wish to allow this, please press OK to continue.");
        QVERIFY(seen->password);
        QTRY_VERIFY(rig.window.Timer1.isActive());
        QVERIFY(rig.window.isVisible());
        QVERIFY(rig.session.filterInstalled);
        QVERIFY(rig.window.Document().NeedsSaving());

        // Requests arriving while the gate shows open no second one.
        bool answered = false;
        WhenModal<frmMessage>([&answered, &rig](frmMessage *gate) {
            QVERIFY(!rig.window.close());
            QTest::keyClicks(gate->PasswordBox(), "secret");
            gate->OkButton()->Click();
            answered = true;
        });
        QVERIFY(!rig.window.close());
        QTRY_VERIFY(answered);
        QTRY_VERIFY(!rig.window.isVisible());
        QVERIFY(!rig.session.filterInstalled);
        QVERIFY(QImage(coloured).size() == QSize(300, 200));
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The session ends (a logout, a signal) while the quit gate is showing:
    // the colouring is kept and the system put back without an answer.
    void theSessionsEndKeepsTheColouringAndAsksNoOne()
    {
        Opened rig;
        rig.window.Document().Press(40, 40);
        rig.window.Document().Release(40, 40);
        const QString coloured = rig.window.Document().Files().coloured;
        WhenModal<frmMessage>([&rig](frmMessage *) { rig.window.EndSession(); });
        rig.window.pFunc_Click(0);
        QVERIFY(rig.window.Ended());
        QVERIFY(!rig.window.isVisible());
        QVERIFY(!rig.session.filterInstalled);
        QCOMPARE(QImage(coloured).size(), QSize(300, 200));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void savingAsJpegAddsTheExtension()
    {
        QTemporaryDir out;
        QString answer = out.filePath("my cat");
        Opened rig({[&answer](QWidget *) { return answer; }, nullptr});
        AnswerGate(true);
        rig.window.pFunc_Click(1);
        const QImage written(out.filePath("my cat.jpg"));
        QCOMPARE(written.size(), QSize(300, 200));
        QVERIFY(qRed(written.pixel(10, 100)) < 60); // the line came out
        QVERIFY(rig.window.Timer1.isActive());
        QVERIFY(rig.window.isEnabled());

        answer.clear(); // the dialog cancelled: nothing written, nothing said
        AnswerGate(true);
        rig.window.pFunc_Click(1);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList({"my cat.jpg"}));

        answer = out.filePath("no such folder/cat.jpg");
        QString told;
        AnswerGate(true);
        WhenModal<frmParentMessage>([&told](frmParentMessage *message) {
            for (const QLabel *label : message->findChildren<QLabel *>())
                told += label->text();
            message->accept();
        });
        rig.window.pFunc_Click(1);
        QVERIFY2(told.contains("the picture could not be saved"), qPrintable(told));
        QVERIFY(rig.window.isEnabled());
    }

    void printingThreeCopiesMakesThreePages()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath("page.pdf");
        Opened rig({nullptr, [&pdf](QPrinter &printer, QWidget *) {
                        printer.setOutputFormat(QPrinter::PdfFormat);
                        printer.setOutputFileName(pdf);
                        printer.setCopyCount(3);
                        return true;
                    }});
        AnswerGate(true);
        rig.window.pFunc_Click(2);
        QVERIFY(QFile::exists(pdf));
        QProcess info;
        info.start("pdfinfo", {pdf});
        if (!info.waitForFinished() || info.exitCode() != 0)
            QSKIP("pdfinfo (poppler-utils) is not installed");
        QVERIFY2(info.readAllStandardOutput().contains("Pages:           3"), "one page per copy");
        QVERIFY(rig.window.Timer1.isActive());
    }

    void cancellingThePrintDialogIsSilent()
    {
        Opened rig({nullptr, [](QPrinter &, QWidget *) { return false; }});
        AnswerGate(true);
        rig.window.pFunc_Click(2);
        QVERIFY(rig.window.Timer1.isActive());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A printer that cannot take the page: the grown-ups hear of it once, with
    // the notice's own texts, and the palette moves again afterwards.
    void aFailedPrintIsTold()
    {
        QTemporaryDir out;
        const QString unwritable = out.filePath("no such folder/page.pdf");
        Opened rig({nullptr, [&unwritable](QPrinter &printer, QWidget *) {
                        printer.setOutputFormat(QPrinter::PdfFormat);
                        printer.setOutputFileName(unwritable);
                        return true;
                    }});
        QStringList parents, children;
        bool okOnly = false, timerStopped = false;
        WhenModal<frmMessage>([&](frmMessage *gate) {
            WhenModal<frmMessage>([&](frmMessage *notice) {
                parents << notice->ParentText();
                children << notice->ChildText();
                okOnly = notice->CancelButton()->isHidden() && !notice->PasswordVisible();
                timerStopped = !rig.window.Timer1.isActive();
                notice->OkButton()->Click();
            });
            gate->OkButton()->Click();
        });
        rig.window.pFunc_Click(2);
        QCOMPARE(children, QStringList{"Oh no! Your picture could not be printed. Call someone for help!"});
        QCOMPARE(parents, QStringList{"Before printing, a temporary file has to be created in the application "
                                      "directory. This was not possible. Please make sure there is enough space in "
                                      "the disk and that the disk is not write protected."});
        QVERIFY(okOnly);
        QVERIFY(timerStopped);
        QVERIFY(rig.window.Timer1.isActive());
        QVERIFY(!QFile::exists(unwritable));
    }

    void aboutShowsTheAboutWindowAndPausesTheTimer()
    {
        Opened rig;
        bool aboutMode = false, timerPaused = false;
        AnswerGate(true);
        WhenModal<frmSplash>([&](frmSplash *about) {
            aboutMode = about->Form_style() == 0 && about->Command1->isVisibleTo(about);
            timerPaused = !rig.window.Timer1.isActive();
            about->done(0);
        });
        rig.window.pFunc_Click(3);
        QVERIFY(aboutMode);
        QVERIFY(timerPaused);
        QVERIFY(rig.window.Timer1.isActive());
    }
};

QTEST_MAIN(TestFunctionButtons)
#include "test_function_buttons.moc"
