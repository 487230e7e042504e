#pragma once

#include "platform/system_session.h"

// A system session whose display is whatever the test says and which records
// what the program changes.
class FakeSystemSession : public SystemSession {
public:
    explicit FakeSystemSession(DisplayMetrics display = {1024, 768, 32}, bool smoothingOn = false)
        : display(display), fontSmoothing(smoothingOn)
    {
    }

    DisplayMetrics Display() const override { return display; }
    bool GetFontSmoothing() const override { return fontSmoothing; }
    void EnableClearType(int type) override
    {
        fontSmoothing = true;
        clearTypeType = type;
        ++smoothingChanges;
    }
    void DisableFontSmoothing() override
    {
        fontSmoothing = false;
        ++smoothingChanges;
    }
    void InstallKeyboardFilter() override
    {
        if (!filterInstalled)
            ++filterInstalls;
        filterInstalled = true;
    }
    void RemoveKeyboardFilter() override { filterInstalled = false; }
    bool KeyboardFilterInstalled() const override { return filterInstalled; }

    DisplayMetrics display;
    bool fontSmoothing;
    int clearTypeType = 0;
    int smoothingChanges = 0;
    bool filterInstalled = false;
    int filterInstalls = 0;
};
