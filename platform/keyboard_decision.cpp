#include "platform/keyboard_decision.h"

bool ShouldSwallowKey(int virtualKey, bool altFlag, bool controlDown)
{
    if (altFlag || controlDown)
        return true;
    switch (virtualKey) {
    case VirtualKey::Apps:
    case VirtualKey::RightWindows:
    case VirtualKey::LeftWindows:
    case VirtualKey::Alt:
    case VirtualKey::Control:
    case VirtualKey::Shift:
        return true;
    default:
        return false;
    }
}
