#include "platform/windows_system_session.h"

#include "platform/platform_system_session.h"
#include "platform/qt_system_session.h"
#include "platform/windows_session_api.h"

WindowsSystemSession::~WindowsSystemSession()
{
    // The hook is the process's own and must not outlive the session.
    RemoveKeyboardFilter();
}

DisplayMetrics WindowsSystemSession::Display() const
{
    const WindowsSession::ScreenSize screen = WindowsSession::ReadScreen();
    return {screen.width, screen.height, screen.bitsPerPixel};
}

bool WindowsSystemSession::GetFontSmoothing() const
{
    return WindowsSession::GetFontSmoothing();
}

void WindowsSystemSession::EnableClearType(int type)
{
    WindowsSession::EnableClearType(type);
}

void WindowsSystemSession::DisableFontSmoothing()
{
    WindowsSession::DisableFontSmoothing();
}

void WindowsSystemSession::InstallKeyboardFilter()
{
    WindowsSession::InstallKeyboardHook();
}

void WindowsSystemSession::RemoveKeyboardFilter()
{
    WindowsSession::RemoveKeyboardHook();
}

bool WindowsSystemSession::KeyboardFilterInstalled() const
{
    return WindowsSession::KeyboardHookInstalled();
}

std::unique_ptr<SystemSession> MakeSystemSession(bool windowed)
{
    // A windowed run keeps its keys with Qt's filter: a system-wide hook and a
    // changed font smoothing would reach the other programs beside it.
    if (windowed)
        return std::make_unique<QtSystemSession>(/*grabKeyboard=*/false);
    return std::make_unique<WindowsSystemSession>();
}
