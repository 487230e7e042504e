#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "app/start_up.h"

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsFullScreenInTheGivenProgramFolder()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString root = work.filePath("velmora data");
        StartOptions options;
        options.root = root;
        QString error;
        const std::unique_ptr<FrmMain> window = OpenMainWindow(options, error);
        QVERIFY2(window, qPrintable(error));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(window->isFullScreen());
        QCOMPARE(window->geometry(), window->screen()->geometry());
        QCOMPARE(window->programFolder(), root);
        QVERIFY(QDir(root).exists()); // made when missing
    }

    void windowedRunsInAnOrdinaryWindow()
    {
        QTemporaryDir work;
        StartOptions options;
        options.root = work.path();
        options.windowed = true;
        QString error;
        const std::unique_ptr<FrmMain> window = OpenMainWindow(options, error);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(!window->isFullScreen());
        QVERIFY(window->isVisible());
    }

    void anImpossibleProgramFolderIsReported()
    {
        QTemporaryDir work;
        QFile blocker(work.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        StartOptions options;
        options.root = work.filePath("file/inside");
        QString error;
        QVERIFY(!OpenMainWindow(options, error));
        QVERIFY(error.contains("could not be made"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
