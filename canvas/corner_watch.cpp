#include "canvas/corner_watch.h"

bool CornerWatch::Check(bool inCorner, bool buttonsVisible)
{
    if (!inCorner) {
        m_counter = 0;
        return false;
    }
    // The rest is complete at exactly the count, which then starts again from 0.
    if (++m_counter == kRestCount) {
        m_counter = 0;
        return true;
    }
    return buttonsVisible;
}

bool CornerWatch::Tick(bool inCorner, bool buttonsVisible, int checks)
{
    for (int i = 0; i < checks; ++i)
        buttonsVisible = Check(inCorner, buttonsVisible);
    return buttonsVisible;
}
