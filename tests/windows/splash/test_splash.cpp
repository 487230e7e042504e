#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "controls/hyperlink.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/splash/frm_splash.h"
#include "windows/splash/open_page.h"
#include "tests/support/modal.h"

namespace {

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Every page the window asked for, with what it looked like at that moment.
struct OpenedPage {
    QUrl url;
    bool windowShown;
    bool timerRunning;
};

enum class Unload { CloseLink, EscapeKey, CloseCall, Destroy };
enum class Link { Close, Help, Website, Licence };

} // namespace

Q_DECLARE_METATYPE(Unload)
Q_DECLARE_METATYPE(Link)

class TestSplash : public QObject {
    Q_OBJECT

private:
    // A running colouring-window timer and a splash over it, in a program folder
    // whose name needs care in a URL.
    void Load(int style, bool timerRunning = true)
    {
        m_root.reset(new QTemporaryDir);
        QVERIFY(m_root->isValid());
        m_folder = m_root->filePath("my #1 folder");
        m_timer.reset(new QTimer);
        m_timer->setInterval(16);
        if (timerRunning)
            m_timer->start();
        m_window.reset(new frmSplash(m_timer.get(), m_folder));
        m_window->setForm_style(style);
        m_window->setPageOpener([this](const QUrl &url) {
            m_opened.append({url, m_window->isVisible(), m_timer->isActive()});
            return m_openerSucceeds;
        });
        m_window->show();
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder;
    std::unique_ptr<QTimer> m_timer;
    std::unique_ptr<frmSplash> m_window;
    QList<OpenedPage> m_opened;
    bool m_openerSucceeds = true;

private Q_SLOTS:
    void cleanup()
    {
        CancelPendingModalAnswers();
        m_window.reset();
        m_timer.reset();
        m_opened.clear();
        m_openerSucceeds = true;
    }

    void modesShowTheirControls_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("loading");
        QTest::newRow("loading") << 1 << true;
        QTest::newRow("any non-zero loads") << -3 << true;
        QTest::newRow("about") << 0 << false;
    }
    void modesShowTheirControls()
    {
        QFETCH(int, style);
        QFETCH(bool, loading);
        Load(loading ? 0 : 1); // switching from the other mode while shown
        m_window->setForm_style(style);
        m_window->show();
        QCOMPARE(m_window->Form_style(), style);
        QVERIFY(m_window->lTitle->isVisible());
        QVERIFY(m_window->lLicense->isVisible());
        QVERIFY(m_window->HyperLink1->isVisible());
        QCOMPARE(m_window->lProgress->isVisible(), loading);
        for (HyperLink *command : {m_window->Command1, m_window->Command2, m_window->Command3})
            QCOMPARE(command->isVisible(), !loading);
        QCOMPARE(m_window->HyperLink1->toolTip(),
                 loading ? QString()
                         : QStringLiteral("Open Velmora help file to view the license agreement in more detail."));
        QCOMPARE(bool(m_window->windowFlags() & Qt::WindowStaysOnTopHint), loading);
        QCOMPARE(m_window->geometry().center(), m_window->screen()->geometry().center());
    }

    void textsOfTheWindow()
    {
        Load(1);
        QCOMPARE(m_window->lTitle->text(),
                 QStringLiteral("Version %1.%2").arg(VELMORA_VERSION_MAJOR).arg(VELMORA_VERSION_MINOR));
        QCOMPARE(m_window->lProgress->text(), QStringLiteral("Please wait while Velmora loads..."));
        m_window->setProgressText("Loading(50%)... Animals.");
        QCOMPARE(m_window->lProgress->text(), QStringLiteral("Loading(50%)... Animals."));
        QCOMPARE(m_window->HyperLink1->Caption(), QStringLiteral("Velmora license agreement"));
        QCOMPARE(m_window->Command1->Caption(), QStringLiteral("Close"));
        QCOMPARE(m_window->Command2->Caption(), QStringLiteral("Help"));
        QCOMPARE(m_window->Command3->Caption(), QStringLiteral("Visit Website"));
        QVERIFY(!m_window->lLicense->text().isEmpty());
    }

    void loadingIgnoresTheLicenceLinkAndEscape()
    {
        Load(1);
        Click(m_window->HyperLink1);
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(m_opened.isEmpty());
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_timer->isActive());
    }

    void timerPausedForTheWindowsLifetime_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<Unload>("unload");
        for (bool running : {true, false}) {
            const char *state = running ? "running" : "stopped";
            QTest::addRow("%s, Close", state) << running << Unload::CloseLink;
            QTest::addRow("%s, Escape", state) << running << Unload::EscapeKey;
            QTest::addRow("%s, close()", state) << running << Unload::CloseCall;
            QTest::addRow("%s, destroyed", state) << running << Unload::Destroy;
        }
    }
    void timerPausedForTheWindowsLifetime()
    {
        QFETCH(bool, running);
        QFETCH(Unload, unload);
        Load(0, running);
        QVERIFY(!m_timer->isActive());
        switch (unload) {
        case Unload::CloseLink: Click(m_window->Command1); break;
        case Unload::EscapeKey: QTest::keyClick(m_window.get(), Qt::Key_Escape); break;
        case Unload::CloseCall: m_window->close(); break;
        case Unload::Destroy: m_window.reset(); break;
        }
        QVERIFY(!m_window || !m_window->isVisible());
        QCOMPARE(m_timer->isActive(), running);

        // Put back once only: what the colouring window does afterwards stands.
        running ? m_timer->stop() : m_timer->start();
        m_window.reset();
        QCOMPARE(m_timer->isActive(), !running);
    }

    // The colouring window, and its timer, may be gone before the splash: the
    // splash then has nothing to resume and must not reach for it.
    void timerMayGoFirst()
    {
        Load(0);
        QVERIFY(!m_timer->isActive()); // paused by the window
        m_timer.reset();
        QTest::failOnWarning(QRegularExpression(".*"));
        Click(m_window->Command1);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        m_window.reset();
    }

    void aboutLinks_data()
    {
        QTest::addColumn<Link>("link");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("page"); // a file under the program folder, or the web address
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<bool>("present"); // the help pages are on disk
        const QString website = QString::fromLatin1(frmSplash::kWebSite);
        QTest::newRow("close") << Link::Close << true << QString() << QString() << false << true;
        QTest::newRow("help") << Link::Help << true << "/help/help.htm" << QString() << false << true;
        QTest::newRow("help fails") << Link::Help << false << "/help/help.htm"
                                    << "Unable to start the help file '%1/help/help.htm' Please make sure that it "
                                       "exists."
                                    << true << true;
        QTest::newRow("website") << Link::Website << true << website << QString() << false << true;
        QTest::newRow("website fails")
            << Link::Website << false << website
            << "Could not load Velmora webpage. Please make sure that your internet browser is working!" << false << true;
        QTest::newRow("licence") << Link::Licence << true << "/help/license_agreement.htm" << QString() << false << true;
        QTest::newRow("licence fails") << Link::Licence << false << "/help/license_agreement.htm"
                                       << "Unable to show license agreement '%1/help/license_agreement.htm' Please "
                                          "make sure that it exists."
                                       << false << true;
        // Missing pages are told as such, whether or not a launcher would start.
        QTest::newRow("help missing") << Link::Help << true << QString()
                                      << "Unable to start the help file '%1/help/help.htm' Please make sure that it "
                                         "exists."
                                      << true << false;
        QTest::newRow("licence missing") << Link::Licence << true << QString()
                                         << "Unable to show license agreement '%1/help/license_agreement.htm' Please "
                                            "make sure that it exists."
                                         << false << false;
    }
    void aboutLinks()
    {
        QFETCH(Link, link);
        QFETCH(bool, opens);
        QFETCH(QString, page);
        QFETCH(QString, message);
        QFETCH(bool, staysOpen);
        QFETCH(bool, present);
        Load(0);
        if (present) {
            QVERIFY(QDir().mkpath(m_folder + "/help"));
            for (const char *page : {"/help/help.htm", "/help/license_agreement.htm"}) {
                QFile file(m_folder + page);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("<html></html>");
            }
        }
        m_openerSucceeds = opens;
        QStringList messages;
        WhenModal<frmParentMessage>([&messages](frmParentMessage *window) {
            messages << window->findChild<QLabel *>()->text();
            Click(window->ContinueLink());
        });
        HyperLink *const links[] = {m_window->Command1, m_window->Command2, m_window->Command3, m_window->HyperLink1};
        Click(links[int(link)]);

        QCOMPARE(m_window->isVisible(), staysOpen);
        QCOMPARE(m_timer->isActive(), !staysOpen);
        QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{QString(message).replace("%1", m_folder)});
        if (page.isEmpty()) {
            QVERIFY(m_opened.isEmpty());
            return;
        }
        QCOMPARE(m_opened.size(), 1);
        if (link == Link::Website) {
            QCOMPARE(m_opened[0].url, QUrl(page));
            QVERIFY(!m_opened[0].windowShown); // out of the way before the browser comes
            QVERIFY(m_opened[0].timerRunning);
        } else {
            QCOMPARE(m_opened[0].url.toLocalFile(), m_folder + page);
            QVERIFY(m_opened[0].windowShown);
        }
    }

    void pageTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("local page") << "file:///opt/velmora/help/help.htm"
                                    << QUrl::fromLocalFile("/opt/velmora/help/help.htm");
        QTest::newRow("folder needing escapes") << "file:///home/sam/my #1 100% folder/help/help.htm"
                                                << QUrl::fromLocalFile("/home/sam/my #1 100% folder/help/help.htm");
        QTest::newRow("web site") << "https://velmora.example/" << QUrl("https://velmora.example/");
    }
    void pageTargets()
    {
        QFETCH(QString, target);
        QFETCH(QUrl, url);
        QCOMPARE(PageUrl(target), url);
        if (url.isLocalFile())
            QCOMPARE(PageUrl(target).toLocalFile(), target.mid(7));
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
