#pragma once

#include "platform/system_session.h"

// The system session on Windows: the desktop's size and depth, the system's
// font smoothing and a low-level keyboard hook. The Win32 calls themselves are
// in windows_session_api.cpp; this class only adapts them to the session.
class WindowsSystemSession : public SystemSession {
public:
    WindowsSystemSession() = default;
    ~WindowsSystemSession() override;
    WindowsSystemSession(const WindowsSystemSession &) = delete;
    WindowsSystemSession &operator=(const WindowsSystemSession &) = delete;

    DisplayMetrics Display() const override;
    bool GetFontSmoothing() const override;
    void EnableClearType(int type) override;
    void DisableFontSmoothing() override;
    void InstallKeyboardFilter() override;
    void RemoveKeyboardFilter() override;
    bool KeyboardFilterInstalled() const override;
};
