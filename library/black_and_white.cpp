#include "library/black_and_white.h"

#include <cstdint>

namespace {

// A row holds a colour other than black or white. Written without a branch in
// the loop so that the compiler can scan several pixels at a time.
bool RowHasColour(const uint32_t *pixels, int width)
{
    uint32_t coloured = 0;
    for (int x = 0; x < width; ++x) {
        // 0 -> 0xFFFFFFFF and 0xFFFFFF -> 0xFFFFFE both stay at or above 0xFFFFFE.
        const uint32_t shifted = (pixels[x] & 0xFFFFFFu) - 1u;
        coloured |= static_cast<uint32_t>(shifted < 0xFFFFFEu);
    }
    return coloured != 0;
}

} // namespace

bool IsBlackAndWhite(const QImage &picture)
{
    if (picture.isNull())
        return false;
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        if (RowHasColour(reinterpret_cast<const uint32_t *>(rgb.constScanLine(y)), rgb.width()))
            return false;
    }
    return true;
}
