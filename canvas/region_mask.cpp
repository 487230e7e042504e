#include "canvas/region_mask.h"

#include "core/rounding.h"

RegionMaskResult BuildRegionMask(const QImage &lineArt, QPointF press, cNDib &mask)
{
    RegionMaskResult result;
    if (!mask.Make_From_Picture(lineArt))
        return result;
    const QPoint start(int(RoundHalfEven(press.x())), int(RoundHalfEven(press.y())));
    // The mask owns its pixels, so flooding them in place leaves the line art bare.
    result.flood = FloodFillWhite(mask, start);
    result.workOnColour = mask.Get_Pixel_Long(start.x(), start.y());
    return result;
}
