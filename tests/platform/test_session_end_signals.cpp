// The session's end told by a signal reaches the main thread as an event, and
// the handlers that were there before come back afterwards.
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

#include "platform/session_end_signals.h"

namespace {
volatile std::sig_atomic_t g_earlierHandlerRan = 0;
void EarlierHandler(int) { g_earlierHandlerRan = 1; }
} // namespace

class TestSessionEndSignals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachEndSignalBecomesOneEvent_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void eachEndSignalBecomesOneEvent()
    {
        QFETCH(int, number);
        SessionEndSignals watch;
        QVERIFY(watch.Installed());
        QSignalSpy ended(&watch, &SessionEndSignals::EndRequested);
        QCOMPARE(std::raise(number), 0); // the process lives on: the handler only notes it
        QCOMPARE(ended.count(), 0);      // nothing runs inside the handler
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(ended.first().first().toInt(), number);
    }

    void theEarlierHandlersComeBack()
    {
        std::signal(SIGHUP, EarlierHandler);
        {
            SessionEndSignals watch;
            QSignalSpy ended(&watch, &SessionEndSignals::EndRequested);
            std::raise(SIGHUP);
            QTRY_COMPARE(ended.count(), 1);
            QCOMPARE(int(g_earlierHandlerRan), 0);
        }
        std::raise(SIGHUP);
        QCOMPARE(int(g_earlierHandlerRan), 1);
        std::signal(SIGHUP, SIG_DFL);

        SessionEndSignals again; // and a new one installs afresh
        QVERIFY(again.Installed());
    }
};

QTEST_GUILESS_MAIN(TestSessionEndSignals)
#include "test_session_end_signals.moc"
