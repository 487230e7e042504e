#pragma once

// The keyboard filter's rule on its own, free of Qt, so that the Windows
// keyboard hook and the Qt event filter share it.

// Virtual-key codes of the keys the filter knows by name.
namespace VirtualKey {
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Alt = 0x12;
inline constexpr int LeftWindows = 0x5B;
inline constexpr int RightWindows = 0x5C;
inline constexpr int Apps = 0x5D;
} // namespace VirtualKey

// The decision for one key event: swallowed when Alt is flagged, when Control is
// held, or when the key itself is Alt, Control, Shift, a Windows key or Apps.
bool ShouldSwallowKey(int virtualKey, bool altFlag, bool controlDown);
