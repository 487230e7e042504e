#include "platform/session_end_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGHUP, SIGINT};
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[kEndSignals.size()];

void OnEndSignal(int number)
{
    const int saved = errno; // the interrupted code may be reading errno
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SessionEndSignals::SessionEndSignals(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEndSignals::ReadPipe);
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
        struct sigaction action = {};
        action.sa_handler = OnEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(kEndSignals[i], &action, &g_previous[i]);
    }
    m_installed = true;
}

SessionEndSignals::~SessionEndSignals()
{
    if (!m_installed)
        return;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i)
        sigaction(kEndSignals[i], &g_previous[i], nullptr);
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SessionEndSignals::ReadPipe()
{
    unsigned char byte = 0;
    int last = 0;
    while (read(g_pipe[0], &byte, 1) == 1)
        last = byte;
    if (last)
        Q_EMIT EndRequested(last);
}
