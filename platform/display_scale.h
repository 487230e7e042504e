#pragma once

#include <QSize>

// The whole program is laid out as on a 1024 x 768 screen and scaled as one by
// this factor of a screen's size in device pixels: a bigger screen gets bigger
// buttons and a bigger picture, never more of them; a smaller one is not shrunk.
inline constexpr QSize kLayoutScreen(1024, 768);
double ChildScaleFor(QSize devicePixels);
