#include "platform/wayland_shortcuts_inhibitor.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <cstring>

#include <wayland-client.h>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

namespace {

// Slow enough to cost nothing, quick enough that a withdrawal is noticed soon.
constexpr int kReadIntervalMs = 250;

} // namespace

const wl_registry_listener WaylandShortcutsInhibitor::s_registryListener = {
    &WaylandShortcutsInhibitor::OnGlobal,
    &WaylandShortcutsInhibitor::OnGlobalRemove,
};

const zwp_keyboard_shortcuts_inhibitor_v1_listener WaylandShortcutsInhibitor::s_inhibitorListener = {
    &WaylandShortcutsInhibitor::OnActive,
    &WaylandShortcutsInhibitor::OnInactive,
};

std::unique_ptr<WaylandShortcutsInhibitor> WaylandShortcutsInhibitor::Create()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *display = native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
    if (!display)
        return nullptr;
    wl_event_queue *queue = wl_display_create_queue(display);
    if (!queue)
        return nullptr;
    std::unique_ptr<WaylandShortcutsInhibitor> inhibitor(new WaylandShortcutsInhibitor(display, queue));
    if (!inhibitor->BindGlobals()) {
        qInfo("velmora: this desktop cannot pass its keyboard shortcuts to a program; they stay with it");
        return nullptr;
    }
    return inhibitor;
}

WaylandShortcutsInhibitor::WaylandShortcutsInhibitor(wl_display *display, wl_event_queue *queue)
    : m_display(display), m_queue(queue)
{
    m_reader.setInterval(kReadIntervalMs);
    connect(&m_reader, &QTimer::timeout, this, &WaylandShortcutsInhibitor::ReadEvents);
}

WaylandShortcutsInhibitor::~WaylandShortcutsInhibitor()
{
    Release();
    if (m_manager)
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(m_manager);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_displayOnQueue)
        wl_proxy_wrapper_destroy(m_displayOnQueue);
    wl_display_flush(m_display);
    wl_event_queue_destroy(m_queue);
}

bool WaylandShortcutsInhibitor::BindGlobals()
{
    m_displayOnQueue = static_cast<wl_display *>(wl_proxy_create_wrapper(m_display));
    if (!m_displayOnQueue)
        return false;
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(m_displayOnQueue), m_queue);
    m_registry = wl_display_get_registry(m_displayOnQueue);
    wl_registry_add_listener(m_registry, &s_registryListener, this);
    // Only our queue is dispatched here, so Qt's events are left to Qt.
    if (wl_display_roundtrip_queue(m_display, m_queue) < 0)
        return false;
    return m_seat && m_manager;
}

void WaylandShortcutsInhibitor::OnGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface,
                                         uint32_t)
{
    auto *self = static_cast<WaylandShortcutsInhibitor *>(data);
    if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        self->m_seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (!self->m_manager &&
             std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0)
        self->m_manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
}

void WaylandShortcutsInhibitor::OnGlobalRemove(void *, wl_registry *, uint32_t)
{
}

void WaylandShortcutsInhibitor::InhibitFor(QWindow *window)
{
    ReadEvents();
    // Still held, or not answered yet: nothing to renew.
    if (window == m_window && m_inhibitor && (m_active || !m_answered))
        return;
    Release();
    m_window = window;
    if (!window || !window->handle())
        return;
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *surface = static_cast<wl_surface *>(native->nativeResourceForWindow("surface", window));
    if (!surface)
        return;
    m_inhibitor = zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(m_manager, surface, m_seat);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(m_inhibitor, &s_inhibitorListener, this);
    m_answered = false;
    wl_display_flush(m_display);
    m_reader.start();
}

void WaylandShortcutsInhibitor::Release()
{
    if (!m_inhibitor)
        return;
    zwp_keyboard_shortcuts_inhibitor_v1_destroy(m_inhibitor);
    m_inhibitor = nullptr;
    m_reader.stop();
    wl_display_flush(m_display);
    m_active = false; // moved or ended by us: nothing to tell
    m_answered = false;
}

void WaylandShortcutsInhibitor::ReadEvents()
{
    wl_display_dispatch_queue_pending(m_display, m_queue);
}

void WaylandShortcutsInhibitor::OnActive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *)
{
    auto *self = static_cast<WaylandShortcutsInhibitor *>(data);
    self->m_answered = true;
    self->SetActive(true);
}

void WaylandShortcutsInhibitor::OnInactive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *)
{
    auto *self = static_cast<WaylandShortcutsInhibitor *>(data);
    self->m_answered = true;
    self->SetActive(false);
}

void WaylandShortcutsInhibitor::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    // Told on the terminal, so that a grown-up (and the session test) can see
    // whether the desktop's shortcuts are held.
    if (active)
        qInfo("velmora: the desktop's keyboard shortcuts are held for Velmora");
    else
        qInfo("velmora: the desktop's keyboard shortcuts are back with the desktop");
    Q_EMIT ActiveChanged(active);
}
