#pragma once

#include <QImage>

// The colour picker's bubbles: 18 pictures drawn in red (":/shades/0.png" ..
// "17.png"), re-coloured for the colour on offer. 0 .. 9 are tints from the
// full colour to nearly white, 10 .. 16 shades from nearly black to the full
// colour, 17 is white.
namespace ColourPickerShades {

inline constexpr int kCount = 18;
inline constexpr int kLastTint = 9;
// The picker's bubbles rise at (-Rnd - 0.5) / 2 pixels per tick.
inline constexpr float kRiseDivisor = 2;

// Gives every pixel of shade picture `index` the hue and saturation of
// `colour`, keeping the pixel's own lightness. Greys of a tint keep their own
// (they are its outline and rim); a grey colour makes greys of the shades.
// The black background stays black, and nothing else turns black, so the
// bubble's mask still fits.
void Recolour(QImage &shade, int index, qint32 colour);

} // namespace ColourPickerShades
