#include "canvas/colour_picker_shades.h"

#include "canvas/hsl.h"
#include "image/pixel_image.h"

namespace ColourPickerShades {

void Recolour(QImage &shade, int index, qint32 colour)
{
    if (shade.isNull())
        return;
    if (shade.format() != QImage::Format_RGB32)
        shade = shade.convertToFormat(QImage::Format_RGB32);
    const Hsl given = modHSL::RgbToHsl(colour);
    const bool tint = index <= kLastTint;
    for (int y = 0; y < shade.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(shade.scanLine(y));
        for (int x = 0; x < shade.width(); ++x) {
            const qint32 old = ColourValueOf(row[x]);
            if (old == 0)
                continue;
            Hsl pixel = modHSL::RgbToHsl(old);
            const bool grey = qRed(row[x]) == qGreen(row[x]) && qGreen(row[x]) == qBlue(row[x]);
            if (!(tint && grey)) {
                // A shade of a grey colour is grey itself: hue 0 and saturation 0.
                pixel.Hue = given.Saturation != 0 ? given.Hue : 0;
                pixel.Saturation = given.Saturation;
            }
            const qint32 renewed = modHSL::HslToRgb(pixel);
            // The darkest pixels would round to the see-through black.
            row[x] = renewed == 0 ? qRgb(1, 1, 1) : PixelOfColourValue(renewed);
        }
    }
}

} // namespace ColourPickerShades
