#include "image/warning_capture.h"

#include <atomic>
#include <mutex>

namespace {

thread_local WarningCapture *tCapture = nullptr;
std::atomic<QtMessageHandler> gPrevious{nullptr};

} // namespace

void WarningCapture::Handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (tCapture && (type == QtWarningMsg || type == QtCriticalMsg)) {
        tCapture->m_warnings.append(message);
        return;
    }
    if (const QtMessageHandler previous = gPrevious.load())
        previous(type, context, message);
}

WarningCapture::WarningCapture() : m_outer(tCapture)
{
    static std::once_flag installed;
    std::call_once(installed, [] { gPrevious.store(qInstallMessageHandler(&WarningCapture::Handle)); });
    tCapture = this;
}

WarningCapture::~WarningCapture()
{
    tCapture = m_outer;
}
