#pragma once

#include "platform/display_check.h"

// What the program asks of, and changes in, the system it runs on: the display,
// font smoothing and the keyboard filter. One real implementation; tests use a fake.
class SystemSession {
public:
    virtual ~SystemSession() = default;

    virtual DisplayMetrics Display() const = 0;

    // Font smoothing is switched on for the run and restored at the end only when
    // it was off before.
    virtual bool GetFontSmoothing() const = 0;
    virtual void EnableClearType(int type) = 0;
    virtual void DisableFontSmoothing() = 0;

    // The keyboard filter that keeps a child inside the program. Installing
    // twice installs one filter.
    virtual void InstallKeyboardFilter() = 0;
    virtual void RemoveKeyboardFilter() = 0;
    virtual bool KeyboardFilterInstalled() const = 0;
};

inline constexpr int kClearTypeSmoothing = 2;
