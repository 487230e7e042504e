#include "platform/qt_system_session.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include "platform/keyboard_filter.h"

QtSystemSession::QtSystemSession(bool grabKeyboard, QObject *parent) : QObject(parent), m_grabKeyboard(grabKeyboard)
{
}

QtSystemSession::~QtSystemSession()
{
    RemoveKeyboardFilter();
}

DisplayMetrics QtSystemSession::Display() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
    return {pixels.width(), pixels.height(), screen->depth()};
}

void QtSystemSession::InstallKeyboardFilter()
{
    if (m_installed)
        return;
    m_installed = true;
    qApp->installEventFilter(this);
    if (m_grabKeyboard) {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &QtSystemSession::MoveGrabTo);
        MoveGrabTo(QGuiApplication::focusWindow());
    }
}

void QtSystemSession::RemoveKeyboardFilter()
{
    if (!m_installed)
        return;
    m_installed = false;
    qApp->removeEventFilter(this);
    disconnect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &QtSystemSession::MoveGrabTo);
    MoveGrabTo(nullptr);
}

void QtSystemSession::MoveGrabTo(QWindow *window)
{
    if (m_grabbed && m_grabbed != window)
        m_grabbed->setKeyboardGrabEnabled(false);
    m_grabbed = window;
    if (window)
        window->setKeyboardGrabEnabled(true);
}

bool QtSystemSession::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (ShouldSwallowQtKey(key->key(), key->modifiers()))
            return true;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
