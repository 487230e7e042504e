#include "canvas/region_mask.h"

#include <algorithm>
#include <cstring>

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

void PressRegionMask::Reset(const QImage &lineArt)
{
    m_mask.Make_From_Picture(lineArt);
    MadeFrom(lineArt);
    m_last = RegionMaskResult();
}

void PressRegionMask::MadeFrom(const QImage &lineArt)
{
    if (lineArt.cacheKey() == m_lineArtKey)
        return;
    m_lineArtKey = lineArt.cacheKey();
    m_lineArtHoldsFloodColour = false;
    for (int y = 0; y < m_mask.Height() && !m_lineArtHoldsFloodColour; ++y) {
        const QRgb *row = m_mask.constScanLine(y);
        m_lineArtHoldsFloodColour = std::any_of(row, row + m_mask.Width(), [](QRgb pixel) {
            return ColourValueOf(pixel) == kMaskFlooded;
        });
    }
}

QRect PressRegionMask::StrokeBounds() const
{
    if (m_last.workOnColour == kMaskFlooded && m_last.flood.filled && !m_lineArtHoldsFloodColour)
        return m_last.flood.bounds;
    return m_mask.image().rect();
}

RegionMaskResult PressRegionMask::Build(const QImage &lineArt, QPointF press)
{
    const bool sameLineArt = !lineArt.isNull() && lineArt.format() == QImage::Format_RGB32 &&
                             lineArt.cacheKey() == m_lineArtKey && m_mask.image().size() == lineArt.size();
    if (!sameLineArt) {
        m_mask.Make_From_Picture(lineArt);
        MadeFrom(lineArt);
        m_last = RegionMaskResult();
        return Flood(press);
    }
    const QPoint start(int(RoundHalfEven(press.x())), int(RoundHalfEven(press.y())));
    // A pixel white in the line art and flooded in the mask was flooded last time.
    const QRect flooded = m_last.flood.bounds;
    if (m_last.flood.filled && flooded.contains(start) &&
        lineArt.pixel(start) == qRgb(255, 255, 255) && m_mask.Get_Pixel_Long(start.x(), start.y()) == kMaskFlooded)
        return m_last;
    // Put back the last flood's rectangle; everywhere else the mask is the line art.
    QImage &mask = m_mask.image();
    const qsizetype rowBytes = qsizetype(flooded.width()) * qsizetype(sizeof(QRgb));
    for (int y = flooded.top(); y <= flooded.bottom() && !flooded.isEmpty(); ++y) {
        std::memcpy(mask.scanLine(y) + flooded.left() * qsizetype(sizeof(QRgb)),
                    lineArt.constScanLine(y) + flooded.left() * qsizetype(sizeof(QRgb)), size_t(rowBytes));
    }
    return Flood(press);
}

RegionMaskResult PressRegionMask::Flood(QPointF press)
{
    const QPoint start(int(RoundHalfEven(press.x())), int(RoundHalfEven(press.y())));
    m_last = RegionMaskResult();
    m_last.flood = FloodFillWhite(m_mask, start);
    m_last.workOnColour = m_mask.Get_Pixel_Long(start.x(), start.y());
    return m_last;
}
