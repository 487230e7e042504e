#pragma once

#include <QImage>
#include <QRect>

// The frame round the canvas in the current colour: the colour everywhere, a
// shadow band of kBandWidth pixels fading from black at the canvas edge to the
// colour (rounded at the corners), and a gradient from black along the top.
namespace ColourFrame {

inline constexpr int kBandWidth = 10;
inline constexpr int kGradientHeight = 10;
// The band's corners turn round a point this far inside each canvas corner.
inline constexpr int kCornerInset = 2;

// `canvas` is the canvas rectangle in frame pixels; without a visible canvas
// there is no band. colour is a colour value (red + 256 x green + 65536 x blue).
QImage Render(QSize size, QRect canvas, bool canvasVisible, qint32 colour);

// The colour darkened for a pixel `distance` pixels out from the canvas edge:
// each part times distance / kBandWidth, rounded.
QRgb BandShade(qint32 colour, double distance);

} // namespace ColourFrame
