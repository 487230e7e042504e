#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/platform_system_session.h"
#include "app/start_up.h"
#include "windows/browser/frm_open.h"
#include "windows/parental/frm_parent_message.h"
#include "controls/hyperlink.h"
#include "tests/support/file_faults.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";

// Keeps the keys that reach it.
class KeyRecorder : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

// The offscreen screen is 800 x 600, below the recommended size: say yes to going on.
void AgreeToSmallScreen()
{
    WhenModal<frmParentMessage>([](frmParentMessage *window) { window->ContinueLink()->Click(); });
}

// A book of one picture, so that start-up can end on the picture browser.
void AddBook(const QString &root)
{
    QDir().mkpath(root + "/books/animals");
    QImage page(40, 30, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.save(root + "/books/animals/cat.bmp", "bmp");
}

// Start-up ends on the picture browser; closes it and tells whether it came.
std::shared_ptr<bool> CloseTheBrowserWhenItComes()
{
    auto came = std::make_shared<bool>(false);
    WhenModal<frmOpen>([came](frmOpen *browser) {
        *came = browser->PictureCells().size() == 2;
        browser->cClose_Click();
    });
    return came;
}

} // namespace

// The real start-up path: program folder, system session, sounds and window.
class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void startsFullScreenInTheGivenProgramFolder()
    {
        QTemporaryDir work;
        const QString root = work.filePath("velmora data");
        QVERIFY(QDir().mkpath(root));
        QVERIFY(WriteFile(root + "/Settings.ini", kSettings));
        AddBook(root);
        StartOptions options;
        options.root = root;
        QString error;
        AgreeToSmallScreen();
        const std::shared_ptr<bool> browserCame = CloseTheBrowserWhenItComes();
        const std::unique_ptr<VelmoraRun> run = StartVelmora(options, error);
        QVERIFY2(run, qPrintable(error));
        FrmMain &window = run->window();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(*browserCame);
        QVERIFY(window.isFullScreen());
        QCOMPARE(window.geometry(), window.screen()->geometry());
        QCOMPARE(window.programFolder(), root);
        QVERIFY(QDir(root).exists("colored pictures"));
        QVERIFY(window.Loaded);
    }

    void windowedRunsInAnOrdinaryWindow()
    {
        QTemporaryDir work;
        QVERIFY(WriteFile(work.filePath("settings.ini"), kSettings)); // any case of the name
        AddBook(work.path());
        const std::shared_ptr<bool> browserCame = CloseTheBrowserWhenItComes();
        StartOptions options;
        options.root = work.path();
        options.windowed = true;
        QString error;
        AgreeToSmallScreen();
        const std::unique_ptr<VelmoraRun> run = StartVelmora(options, error);
        QVERIFY(run);
        QVERIFY(QTest::qWaitForWindowExposed(&run->window()));
        QVERIFY(!run->window().isFullScreen());
        QTRY_VERIFY(*browserCame);
    }

    void anImpossibleProgramFolderIsReported()
    {
        QTemporaryDir work;
        QVERIFY(WriteFile(work.filePath("file"), "not a folder"));
        StartOptions options;
        options.root = work.filePath("file/inside");
        QString error;
        QVERIFY(!StartVelmora(options, error));
        QVERIFY(error.contains("could not be made"));
    }

    void keyboardFilterSwallowsEscapeRoutesOnly()
    {
        KeyRecorder target;
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        // A windowed run's session, on every system: it keeps the program's own keys.
        const std::unique_ptr<SystemSession> session = MakeSystemSession(/*windowed=*/true);
        session->InstallKeyboardFilter();
        session->InstallKeyboardFilter(); // once is enough
        QTest::keyClick(&target, Qt::Key_Tab, Qt::AltModifier);
        QTest::keyClick(&target, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(&target, Qt::Key_Escape, Qt::ControlModifier);
        QTest::keyClick(&target, Qt::Key_D, Qt::MetaModifier);
        QTest::keyClick(&target, Qt::Key_Meta);
        QTest::keyClick(&target, Qt::Key_Menu);
        QTest::keyClick(&target, Qt::Key_A);
        QTest::keyClick(&target, Qt::Key_Escape);
        QCOMPARE(target.keys, QList<int>({Qt::Key_A, Qt::Key_Escape}));

        session->RemoveKeyboardFilter();
        QVERIFY(!session->KeyboardFilterInstalled());
        QTest::keyClick(&target, Qt::Key_Tab, Qt::AltModifier);
        QCOMPARE(target.keys.last(), int(Qt::Key_Tab));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
