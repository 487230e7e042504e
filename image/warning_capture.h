#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the warnings Qt emits on the current thread while it lives, instead
// of printing them. Image decoders report a file that ends too early only as a
// warning (the jpeg plugin's "Premature end of JPEG file", after filling the
// rest with grey), so a reader wraps its decode in one of these to learn that
// the picture is incomplete. Warnings of other threads, and debug output, pass
// on to whatever handler was installed before ours (ours is installed on first
// use and stays; a handler installed later must pass messages on as usual).
class WarningCapture {
public:
    WarningCapture();
    ~WarningCapture();
    WarningCapture(const WarningCapture &) = delete;
    WarningCapture &operator=(const WarningCapture &) = delete;

    const QStringList &warnings() const { return m_warnings; }

private:
    static void Handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QStringList m_warnings;
    WarningCapture *m_outer = nullptr; // a capture further out on this thread, restored afterwards
};
