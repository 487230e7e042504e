#include "platform/windows_session_api.h"

#include <windows.h>

#include "platform/keyboard_decision.h"

namespace WindowsSession {
namespace {

// The hook procedure gets no context of its own, so its handle lives here.
HHOOK keyboardHook = nullptr;

bool IsKeyMessage(WPARAM message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP || message == WM_SYSKEYUP;
}

// Called by the system on the user-interface thread while it pumps messages:
// it must decide quickly and show nothing.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && IsKeyMessage(message)) {
        const auto *event = reinterpret_cast<const KBDLLHOOKSTRUCT *>(data);
        const bool altFlag = (event->flags & LLKHF_ALTDOWN) != 0;
        const bool controlDown = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        if (ShouldSwallowKey(static_cast<int>(event->vkCode), altFlag, controlDown))
            return -1; // swallowed: no other hook or program sees it
    }
    return CallNextHookEx(nullptr, code, message, data);
}

} // namespace

ScreenSize ReadScreen()
{
    HDC screen = GetWindowDC(nullptr);
    if (!screen)
        return {};
    const ScreenSize size{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES),
                          GetDeviceCaps(screen, BITSPIXEL)};
    ReleaseDC(nullptr, screen);
    return size;
}

bool GetFontSmoothing()
{
    BOOL value = 0;
    // Unknown counts as on: the end of the run then leaves the user's setting alone.
    if (!SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &value, 0))
        return true;
    return static_cast<short>(value & 0xFFFF) > 0;
}

void EnableClearType(int type)
{
    // On for this run only; the type goes to the profile and is broadcast.
    SystemParametersInfoW(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
    SystemParametersInfoW(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(type)),
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

void DisableFontSmoothing()
{
    BOOL off = FALSE;
    SystemParametersInfoW(SPI_SETFONTSMOOTHING, FALSE, &off, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

void InstallKeyboardHook()
{
    if (keyboardHook)
        return;
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleW(nullptr), 0);
}

void RemoveKeyboardHook()
{
    if (!keyboardHook)
        return;
    UnhookWindowsHookEx(keyboardHook);
    keyboardHook = nullptr;
}

bool KeyboardHookInstalled()
{
    return keyboardHook != nullptr;
}

} // namespace WindowsSession
