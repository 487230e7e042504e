#pragma once

// The Windows calls behind the system session, in plain Win32 without Qt.
// They sit apart from the Qt adapter (windows_system_session.cpp) so that they
// can be compiled and checked with a cross compiler that has no Qt for Windows
// (tools/check-windows-session).
namespace WindowsSession {

struct ScreenSize {
    int width = 0; // device pixels
    int height = 0;
    int bitsPerPixel = 0;
};

// The desktop's size and colour depth.
ScreenSize ReadScreen();

// Font smoothing: switched on for the run only; the smoothing type is kept in
// the user's profile. Switching it off is kept in the profile too.
bool GetFontSmoothing();
void EnableClearType(int type);
void DisableFontSmoothing();

// The low-level keyboard hook, one per process; installing twice keeps one.
void InstallKeyboardHook();
void RemoveKeyboardHook();
bool KeyboardHookInstalled();

} // namespace WindowsSession
