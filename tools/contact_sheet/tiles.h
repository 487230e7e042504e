#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <vector>

// Small compositions for the contact sheet.
namespace Tiles {

// Pictures side by side, top-aligned, a few pixels apart.
QImage SideBySide(const std::vector<QImage> &pictures);

// The disabled look the picture button makes from a resting face: pure white
// stays white, every other pixel becomes its grey level.
QImage GreyLikeButton(const QImage &face);

// A picture laid over a checkerboard, so its transparency shows.
QImage OnChecker(const QImage &picture, int scale = 1);

// A cursor magnified on a checkerboard with its hot spot ringed, then the
// cursor at its real size over white and over dark.
QImage CursorTile(const QImage &cursor, QPoint hotSpot);

// A red box standing in for a picture that is missing or unreadable.
QImage Missing(QSize size);

} // namespace Tiles
