#pragma once

#include <QApplication>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <functional>

// Answers modal windows from a timer, as a person would: waits for the next
// modal window of type T that has not been answered yet and hands it to
// `action`. Gives up after `timeoutMs`, so a window that never comes shows up
// as the test's own failing assertion, not as a hang.
namespace modal_detail {
inline QSet<QObject *> &Answered()
{
    static QSet<QObject *> answered;
    return answered;
}
inline QList<QPointer<QTimer>> &Pending()
{
    static QList<QPointer<QTimer>> pending;
    return pending;
}
} // namespace modal_detail

template <class T>
void WhenModal(std::function<void(T *)> action, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    modal_detail::Pending() << timer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action, timeoutMs] {
        *waited += timer->interval();
        T *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (window && window->isVisible() && !modal_detail::Answered().contains(window)) {
            modal_detail::Answered().insert(window);
            QObject::connect(window, &QObject::destroyed, [window] { modal_detail::Answered().remove(window); });
            timer->stop();
            timer->deleteLater();
            action(window);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

// Drops answers still waiting, so that one test's answer never reaches the next
// test's windows. Call from cleanup().
inline void CancelPendingModalAnswers()
{
    for (const QPointer<QTimer> &timer : modal_detail::Pending()) {
        if (timer)
            timer->deleteLater(), timer->stop();
    }
    modal_detail::Pending().clear();
}
