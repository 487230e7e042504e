// The drag of a stroke: one segment from the pen position to the pointer.

#include <algorithm>
#include <cmath>

#include "canvas/line_gp.h"
#include "canvas/region_mask.h"
#include "canvas/stroke_engine.h"
#include "core/rounding.h"

void StrokeEngine::Drag(float X, float Y, StrokeChange &change)
{
    if (m_workOnColour == kMaskOutline) {
        // Pressed on a black line: wait until the pointer leaves it.
        m_workOnColour = m_regionMask.Pixels().Get_Pixel_Long(int(RoundHalfEven(X)), int(RoundHalfEven(Y)));
        if (m_workOnColour == kMaskOutline)
            return;
        if (!OnCanvas(X, Y)) {
            // Off the canvas the mask is only read clamped, and no press can start
            // there; keep waiting rather than paint with an unflooded mask.
            m_workOnColour = kMaskOutline;
            return;
        }
        Press(X, Y, change); // starts the stroke here, and goes on below
    }
    if (DrawsLines())
        PencilSegment(X, Y, change);
    else
        StampSegment(X, Y, change);
    m_currentX = X;
    m_currentY = Y;
}

void StrokeEngine::StampSegment(float X, float Y, StrokeChange &change)
{
    if (m_footprint.isEmpty())
        return;
    const qint32 colour = JitteredColour(m_currentColour, m_colourJitter, m_random); // one per drag event
    // About four overlapping stamps per texture width (or height, for mostly vertical moves).
    const int spacingX = std::max(1, m_brushTexture.Width() / 4);
    const int spacingY = std::max(1, m_brushTexture.Height() / 4);
    const float moveX = X - m_currentX;
    const float moveY = Y - m_currentY;
    const double dx = std::fabs(moveX);
    const double dy = std::fabs(moveY);
    const long long n = RoundHalfEven(dy < dx ? dx / spacingX : dy / spacingY);
    const double stepX = n != 0 ? moveX / double(n) : 0.0;
    const double stepY = n != 0 ? moveY / double(n) : 0.0;
    for (long long i = 0; i <= n; ++i) {
        const int x = int(RoundHalfEven(m_currentX + double(i) * stepX));
        const int y = int(RoundHalfEven(m_currentY + double(i) * stepY));
        change.dirty |= StampTexture(m_canvasPixels, m_regionMask.Pixels(), m_footprint, x, y, m_workOnColour, colour);
    }
}

void StrokeEngine::PencilSegment(float X, float Y, StrokeChange &change)
{
    const qint32 colour = JitteredColour(m_currentColour, m_colourJitter, m_random);
    const auto coordinate = [](float value) { return qint16(RoundHalfEven(value)); };
    change.dirty |= LineGP(m_canvasPixels, m_regionMask.Pixels(), coordinate(m_currentX), coordinate(m_currentY),
                           coordinate(X), coordinate(Y), colour, m_workOnColour);
}
