#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QWindow;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;
struct wl_registry_listener;
struct zwp_keyboard_shortcuts_inhibitor_v1_listener;

// On a Wayland session the compositor, not the program, sees Alt+Tab, the
// Super key and the like first, and a keyboard grab does nothing. This asks
// the compositor to pass them to one of our windows instead (the
// keyboard-shortcuts-inhibit protocol), and follows its answer: it may refuse,
// or withdraw the inhibition later, when it is asked again.
//
// Our objects live on an event queue of their own, so Qt's queue is never
// dispatched from here; their events are read when asked and on a slow timer.
class WaylandShortcutsInhibitor : public QObject {
    Q_OBJECT

public:
    // Null unless the program runs on Qt's Wayland platform and the compositor
    // offers the protocol.
    static std::unique_ptr<WaylandShortcutsInhibitor> Create();
    ~WaylandShortcutsInhibitor() override;

    // Moves the inhibition to `window` (null: none). Asking again for the same
    // window renews an inhibition the compositor has withdrawn.
    void InhibitFor(QWindow *window);

    // The compositor's latest answer for the current window.
    bool Active() const { return m_active; }

Q_SIGNALS:
    void ActiveChanged(bool active);

private:
    WaylandShortcutsInhibitor(wl_display *display, wl_event_queue *queue);
    bool BindGlobals();
    void Release();
    void ReadEvents();

    static const wl_registry_listener s_registryListener;
    static const zwp_keyboard_shortcuts_inhibitor_v1_listener s_inhibitorListener;
    static void OnGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version);
    static void OnGlobalRemove(void *data, wl_registry *registry, uint32_t name);
    static void OnActive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *inhibitor);
    static void OnInactive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *inhibitor);
    void SetActive(bool active);

    wl_display *m_display;
    wl_event_queue *m_queue;
    wl_display *m_displayOnQueue = nullptr; // a wrapper of m_display whose objects use m_queue
    wl_registry *m_registry = nullptr;
    wl_seat *m_seat = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1 *m_manager = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1 *m_inhibitor = nullptr;
    QPointer<QWindow> m_window;
    bool m_active = false;
    bool m_answered = false; // the compositor has said active or inactive since the last request
    QTimer m_reader;
};
