#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "platform/system_session.h"
#if VELMORA_HAVE_WAYLAND
#include "platform/wayland_shortcuts_inhibitor.h"
#endif

class QWindow;

// The system session on Qt: the primary screen's size and depth, font smoothing
// recorded (Qt draws its own smoothed text, so nothing in the system changes),
// and a keyboard filter made of an application-wide event filter plus, when
// asked for, a hold on the desktop's own shortcuts (Alt+Tab and the like) for
// the focused window: a keyboard grab on X11 (with the hint GNOME needs under
// XWayland), the shortcuts-inhibit protocol on a Wayland session.
class QtSystemSession : public QObject, public SystemSession {
    Q_OBJECT

public:
    explicit QtSystemSession(bool grabKeyboard, QObject *parent = nullptr);
    ~QtSystemSession() override;

    DisplayMetrics Display() const override;
    bool GetFontSmoothing() const override { return m_fontSmoothing; }
    void EnableClearType(int) override { m_fontSmoothing = true; }
    void DisableFontSmoothing() override { m_fontSmoothing = false; }
    void InstallKeyboardFilter() override;
    void RemoveKeyboardFilter() override;
    bool KeyboardFilterInstalled() const override { return m_installed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A grab sends every key to the grabbing window, so it moves with the
    // active window: a modal window's password box must still get its keys.
    void MoveGrabTo(QWindow *window);

    bool m_grabKeyboard;
    bool m_installed = false;
    bool m_fontSmoothing = true;
    QPointer<QWindow> m_grabbed;
#if VELMORA_HAVE_WAYLAND
    std::unique_ptr<WaylandShortcutsInhibitor> m_inhibitor; // on a Wayland session only
#endif
};
