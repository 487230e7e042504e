#pragma once

#include <Qt>

// Keeps a child inside the program: the keys and chords that would switch to
// another program, open a system menu or close the window are swallowed.

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

// The virtual-key code of a Qt key, for the keys the decision names (0 for others).
int VirtualKeyOf(int qtKey);

// The same decision for a Qt key event. A key pressed with Meta held counts as
// a Windows-key chord and is swallowed too.
bool ShouldSwallowQtKey(int qtKey, Qt::KeyboardModifiers modifiers);
