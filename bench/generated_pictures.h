#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

// Pictures drawn in code so that every run, on every machine, measures the same
// pixels, and no picture files need to ship with the benchmarks.

// A colouring page: a house, a tree, a sun, clouds and flowers in black outlines
// on white (Format_RGB32). Drawn without antialiasing, so every pixel is exactly
// black or exactly white, as the flood expects. The sky is the largest white
// area, 60 % of the picture; the rest is split into seventy-odd smaller ones.
QImage MakeLineArt(QSize size);

// A point in the sky of MakeLineArt(size).
QPoint SkyPoint(QSize size);
// A point in the house's wall, an area of its own.
QPoint WallPoint(QSize size);

// The same page coloured in: smooth colour fields with a crayon-like grain under
// the outlines, so the JPEG encoder meets detail as in a finished page rather
// than flat fills (which would compress unrealistically fast).
QImage MakeColouredPage(QSize size);
