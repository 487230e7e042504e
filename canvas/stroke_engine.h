#pragma once

#include <QImage>
#include <QRect>

#include "canvas/colour_jitter.h"
#include "canvas/colouring_tools.h"
#include "canvas/region_mask.h"
#include "canvas/stamp_texture.h"
#include "canvas/undo_stack.h"
#include "image/pixel_image.h"

// What one operation did, for whoever shows the canvas.
struct StrokeChange {
    QRect dirty;                // canvas pixels that may have changed; empty when none did
    bool strokeStarted = false; // a stroke began (the palette animation stops meanwhile)
    bool strokeEnded = false;   // the stroke is over
};

// The colouring state of one picture and the strokes on it: the canvas pixels,
// the bare line art, the region mask of the current stroke, the tool with its
// texture, the colour and its random variation, the pen position and the undo
// snapshots. Coordinates are canvas pixels, x to the right, y downwards.
//
// A stroke is one P_MouseDown, any number of P_MouseMove and one P_MouseUp.
// Every pixel a stroke changes lies in the region the press was in: the white
// area around it in the line art (RegionMask colour Workon_color). A press on a
// black line waits, drawing nothing, until the pointer reaches a pixel that is
// not black, and starts the stroke there.
class StrokeEngine {
public:
    StrokeEngine();

    // A picture to colour: its bare line art, and the colours so far (a null
    // image: none yet, the canvas starts as the line art). Any size; both are
    // kept in Format_RGB32. Ends any stroke and forgets the undo snapshots.
    // False, changing nothing, when the line art is null.
    bool LoadPicture(const QImage &lineArt, const QImage &coloured = QImage());
    // The canvas back to the bare line art; the undo snapshots are forgotten.
    StrokeChange ClearColours();

    const cNDib &CanvasPixels() const { return m_canvasPixels; }
    const QImage &CanvasImage() const { return m_canvasPixels.image(); }
    const QImage &LineArt() const { return m_lineArt; }
    const cNDib &RegionMask() const { return m_regionMask.Pixels(); }

    // One of kColouringTools, with its texture; false for any other number.
    bool SetTool(int tool);
    int Tool() const { return m_tool; }
    const cNDib &BrushTexture() const { return m_brushTexture; }
    // Parts outside 0..255 are held to that range.
    void SetCurrentColour(ColourParts colour);
    ColourParts CurrentColour() const { return m_currentColour; }
    // Half the width of the random colour variation: 10, or 120 for crazy
    // colours (held to 0..255).
    void SetColourJitter(int jitter);
    int ColourJitter() const { return m_colourJitter; }
    // Where the variation's random numbers come from (a null source: the default one).
    void SetRandomSource(RandomSource random);

    // Press, drag and release. A press off the canvas (the edges count as on
    // it), or while a stroke is going on, does nothing; so do drags and releases
    // outside a stroke.
    StrokeChange P_MouseDown(float X, float Y);
    StrokeChange P_MouseMove(float X, float Y);
    StrokeChange P_MouseUp(float X, float Y);
    // Ends a stroke in progress, as a release does.
    StrokeChange EndStroke();

    bool IsStroking() const { return m_stroking; }
    // The RegionMask colour of the stroke's region: -1 before the first stroke,
    // 0 while a stroke pressed on a black line waits.
    qint32 Workon_color() const { return m_workOnColour; }
    float CurrentX() const { return m_currentX; }
    float CurrentY() const { return m_currentY; }

    bool CanUndo() const { return m_undo.CanUndo(); }
    int UndoTop() const { return m_undo.Top(); }
    // The canvas, line art and region mask as they were before the last stroke
    // (up to three strokes back). Ends any stroke first.
    StrokeChange Undo();

private:
    bool OnCanvas(float X, float Y) const;
    void Press(float X, float Y, StrokeChange &change);
    void Drag(float X, float Y, StrokeChange &change);
    void StampSegment(float X, float Y, StrokeChange &change);
    void PencilSegment(float X, float Y, StrokeChange &change);
    bool DrawsLines() const { return kColouringTools[std::size_t(m_tool)].style == StrokeStyle::Line; }

    cNDib m_canvasPixels;
    QImage m_lineArt;
    PressRegionMask m_regionMask;
    cNDib m_brushTexture;
    BrushFootprint m_footprint;
    UndoStack m_undo;
    RandomSource m_random;
    ColourParts m_currentColour;
    int m_tool = kCrayon;
    int m_colourJitter = 10;
    qint32 m_workOnColour = -1;
    float m_currentX = 0;
    float m_currentY = 0;
    bool m_stroking = false;
};
