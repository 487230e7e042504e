#include "platform/qt_system_session.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include "platform/keyboard_filter.h"
#include "platform/x11_keyboard_grab_hint.h"

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
#if VELMORA_HAVE_WAYLAND
        m_inhibitor = WaylandShortcutsInhibitor::Create();
#endif
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
#if VELMORA_HAVE_WAYLAND
    m_inhibitor.reset();
#endif
}

void QtSystemSession::MoveGrabTo(QWindow *window)
{
    if (m_grabbed && m_grabbed != window)
        m_grabbed->setKeyboardGrabEnabled(false);
    m_grabbed = window;
    if (!window)
        return;
#if VELMORA_HAVE_WAYLAND
    // Kept on the last of our windows while none has the focus: the compositor
    // honours it only while that window has the focus anyway, and a new
    // keyboard (a virtual one, a plugged one) makes the focus leave and come
    // back, when asking again would leave a gap.
    if (m_inhibitor)
        m_inhibitor->InhibitFor(window);
#endif
    AskXWaylandToAllowKeyboardGrab(window);
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
