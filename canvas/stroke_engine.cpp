#include "canvas/stroke_engine.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "canvas/region_mask.h"
#include "core/rounding.h"

StrokeEngine::StrokeEngine()
    : m_random(DefaultRandomSource())
{
    SetTool(kCrayon);
}

bool StrokeEngine::LoadPicture(const QImage &lineArt, const QImage &coloured)
{
    if (lineArt.isNull())
        return false;
    m_stroking = false;
    m_lineArt = lineArt.format() == QImage::Format_RGB32 ? lineArt : lineArt.convertToFormat(QImage::Format_RGB32);
    m_canvasPixels.Make_From_Picture(coloured.isNull() ? m_lineArt : coloured);
    m_regionMask.Reset(m_lineArt);
    m_undo.Clear();
    return true;
}

StrokeChange StrokeEngine::ClearColours()
{
    StrokeChange change = EndStroke();
    if (m_lineArt.isNull())
        return change;
    const QRect before = m_canvasPixels.image().rect();
    m_canvasPixels.Make_From_Picture(m_lineArt);
    m_regionMask.Reset(m_lineArt);
    m_undo.Clear();
    change.dirty = before | m_canvasPixels.image().rect();
    return change;
}

bool StrokeEngine::SetTool(int tool)
{
    if (!IsColouringTool(tool))
        return false;
    m_tool = tool;
    m_brushTexture.Make_From_Picture(QImage(BrushTexturePath(tool)));
    m_footprint = BrushFootprint(m_brushTexture);
    return true;
}

void StrokeEngine::SetCurrentColour(ColourParts colour)
{
    m_currentColour = SplitColour(RGBColour(colour.red, colour.green, colour.blue));
}

void StrokeEngine::SetColourJitter(int jitter)
{
    m_colourJitter = std::clamp(jitter, 0, 255);
}

void StrokeEngine::SetRandomSource(RandomSource random)
{
    m_random = random ? std::move(random) : DefaultRandomSource();
}

bool StrokeEngine::OnCanvas(float X, float Y) const
{
    // Written so that a NaN fails every comparison and lands outside.
    return !m_canvasPixels.image().isNull() && X >= 0 && Y >= 0 && X <= float(m_canvasPixels.Width()) &&
           Y <= float(m_canvasPixels.Height());
}

StrokeChange StrokeEngine::P_MouseDown(float X, float Y)
{
    StrokeChange change;
    if (m_stroking || !OnCanvas(X, Y))
        return change;
    m_stroking = true;
    change.strokeStarted = true;
    Press(X, Y, change);
    return change;
}

void StrokeEngine::Press(float X, float Y, StrokeChange &change)
{
    // A press on the far edge (X = width) floods the last column's region
    // rather than nothing: with nothing flooded, its white would match every
    // white area of the picture and the stroke would cross the lines.
    const QPointF floodAt(std::min(X, float(m_lineArt.width() - 1)), std::min(Y, float(m_lineArt.height() - 1)));
    m_workOnColour = m_regionMask.Build(m_lineArt, floodAt).workOnColour;
    // A press on a black line draws nothing until it starts again off the line,
    // so its snapshot is taken then: one stroke, one undo step.
    if (m_workOnColour != kMaskOutline) {
        // Beyond the line art's edge a larger canvas passes the region test
        // where the mask's last row or column does, so there only all of it is safe.
        const bool maskCoversCanvas = m_canvasPixels.image().size() == m_lineArt.size();
        m_undo.Push(m_canvasPixels, m_lineArt,
                    maskCoversCanvas ? m_regionMask.StrokeBounds() : m_canvasPixels.image().rect());
    }
    m_currentX = X;
    m_currentY = Y;
    Drag(X, Y, change); // so that a click without movement leaves its mark
    if (DrawsLines() && m_workOnColour != kMaskOutline) {
        // The pencil's first pixel, in the colour exactly as chosen.
        const int x = int(RoundHalfEven(X));
        const int y = int(RoundHalfEven(Y));
        if (m_canvasPixels.image().rect().contains(x, y)) {
            m_canvasPixels.Set_Pixel(x, y, quint8(m_currentColour.red), quint8(m_currentColour.green),
                                     quint8(m_currentColour.blue));
            change.dirty |= QRect(x, y, 1, 1);
        }
    }
}

StrokeChange StrokeEngine::P_MouseMove(float X, float Y)
{
    StrokeChange change;
    if (!m_stroking || std::isnan(X) || std::isnan(Y))
        return change;
    // The pencil's coordinates are 16-bit; a pointer dragged far off the canvas
    // is held there, which also bounds the number of stamps in one segment.
    X = std::clamp(X, -32768.0f, 32767.0f);
    Y = std::clamp(Y, -32768.0f, 32767.0f);
    Drag(X, Y, change);
    return change;
}

StrokeChange StrokeEngine::P_MouseUp(float, float)
{
    return EndStroke();
}

StrokeChange StrokeEngine::EndStroke()
{
    StrokeChange change;
    change.strokeEnded = m_stroking;
    m_stroking = false;
    return change;
}

StrokeChange StrokeEngine::Undo()
{
    StrokeChange change = EndStroke();
    if (!m_undo.Pop(m_canvasPixels, m_lineArt))
        return change;
    m_regionMask.Reset(m_lineArt);
    change.dirty = m_canvasPixels.image().rect();
    return change;
}
