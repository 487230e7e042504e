// A pointer for the Wayland session test: one virtual pointer that stays
// plugged in while it reads commands from its standard input, one a line:
//   at X Y       moves to (X, Y) of a WIDTH x HEIGHT screen
//   down / up    presses or releases the left button
//   wait MS      pauses
// A pointer made afresh for every event would come and go before a program
// has its pointer set up, and its first event would be lost.
//   test_pointer WIDTH HEIGHT < commands
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

#include <wayland-client.h>

#include "virtual-pointer-unstable-v1-client-protocol.h"

namespace {

constexpr unsigned kLeftButton = 0x110; // BTN_LEFT

wl_seat *g_seat = nullptr;
zwlr_virtual_pointer_manager_v1 *g_manager = nullptr;

void OnGlobal(void *, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    if (!g_seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        g_seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        g_manager = static_cast<zwlr_virtual_pointer_manager_v1 *>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void OnGlobalRemove(void *, wl_registry *, uint32_t) {}

uint32_t Now()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: test_pointer WIDTH HEIGHT < commands\n");
        return 2;
    }
    const unsigned width = unsigned(std::atoi(argv[1])), height = unsigned(std::atoi(argv[2]));
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "test_pointer: no Wayland display\n");
        return 1;
    }
    const wl_registry_listener listener = {OnGlobal, OnGlobalRemove};
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (!g_manager) {
        std::fprintf(stderr, "test_pointer: the compositor has no virtual pointers\n");
        return 1;
    }
    zwlr_virtual_pointer_v1 *pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g_manager, g_seat);
    wl_display_roundtrip(display);
    usleep(300 * 1000); // let clients bind the new pointer before it moves

    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        int ms = 0;
        if (std::sscanf(line, "at %u %u", &x, &y) == 2) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), x, y, width, height);
        } else if (std::strncmp(line, "down", 4) == 0 || std::strncmp(line, "up", 2) == 0) {
            zwlr_virtual_pointer_v1_button(pointer, Now(), kLeftButton, line[0] == 'd' ? 1 : 0);
        } else if (std::sscanf(line, "wait %d", &ms) == 1) {
            usleep(unsigned(ms) * 1000);
            continue;
        } else {
            continue;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
        usleep(20 * 1000);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
