#pragma once

class QWindow;

// GNOME's compositor lets an XWayland window grab the keyboard (and so keep
// Alt+Tab and the Super key from the desktop) only after the window has asked
// with the _XWAYLAND_MAY_GRAB_KEYBOARD client message. Sent before each grab;
// a plain X server has no one listening and ignores it. Does nothing off X11.
void AskXWaylandToAllowKeyboardGrab(QWindow *window);
