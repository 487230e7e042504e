#pragma once

// Sets Qt's scale of every screen, now and as screens come, so that its device
// pixel ratio is ChildScaleFor its size in device pixels: the desktop's own
// scale (QT_SCALE_FACTOR, a HiDPI screen's ratio) is replaced, not multiplied,
// so a layout is the same physical size however the desktop is set. To be
// called once the application exists and before any window is made.
void ScaleScreensForChildren();
