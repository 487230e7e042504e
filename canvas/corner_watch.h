#pragma once

#include <QPoint>

// Auto-hidden grown-ups' buttons: they appear only after the pointer has rested
// in the top-left corner over them, and go as soon as it leaves. The window's
// timer runs the check once per palette bubble, so a tick counts 23; at 16 ms a
// tick, the 1500 counts of a rest last about a second.
class CornerWatch {
public:
    static constexpr int kRestCount = 1500;
    static constexpr int kChecksPerTick = 23;

    // The corner: up to the right edge of the buttons' row and the first button's height.
    static bool InCorner(QPoint pointer, int cornerWidth, int buttonHeight)
    {
        return pointer.x() <= cornerWidth && pointer.y() <= buttonHeight;
    }

    // One check. Returns whether the buttons should be visible afterwards.
    bool Check(bool inCorner, bool buttonsVisible);
    // A tick's checks with the pointer where it is.
    bool Tick(bool inCorner, bool buttonsVisible, int checks = kChecksPerTick);

    int Counter() const { return m_counter; }

private:
    int m_counter = 0;
};
