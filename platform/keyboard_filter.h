#pragma once

#include <Qt>

#include "platform/keyboard_decision.h"

// Keeps a child inside the program: the keys and chords that would switch to
// another program, open a system menu or close the window are swallowed.

// The virtual-key code of a Qt key, for the keys the decision names (0 for others).
int VirtualKeyOf(int qtKey);

// The same decision for a Qt key event. A key pressed with Meta held counts as
// a Windows-key chord and is swallowed too.
bool ShouldSwallowQtKey(int qtKey, Qt::KeyboardModifiers modifiers);
