#pragma once

#include <QObject>

class QSocketNotifier;

// The end of the session as the system tells it: SIGTERM (logout, shutdown,
// systemctl), SIGHUP (the terminal or session went away) and SIGINT. The
// handler only writes the signal's number to a pipe; the main thread reads it
// and emits EndRequested, so all the work happens there. One instance at a
// time; the previous handlers are put back when it goes.
class SessionEndSignals : public QObject {
    Q_OBJECT

public:
    explicit SessionEndSignals(QObject *parent = nullptr);
    ~SessionEndSignals() override;

    bool Installed() const { return m_installed; }

Q_SIGNALS:
    void EndRequested(int signalNumber);

private:
    void ReadPipe();

    bool m_installed = false;
    QSocketNotifier *m_notifier = nullptr;
};
