#pragma once

#include <QString>

#include <array>

#include "resources/cursor_table.h"

// How a tool lays colour along a stroke.
enum class StrokeStyle {
    Stamps, // its texture stamped along the way, blended in
    Line,   // an anti-aliased line one pixel wide
};

// What makes one colouring tool. The tools are numbered as the tool strip's
// buttons (`pTool(i)` is tool i, `Tool` holds the number). Adding a tool is a
// row of kColouringTools plus its resources: the brush texture
// :/brushes/<number>.png, the button faces and the cursor.
struct ColouringTool {
    const char *name;
    StrokeStyle style;
    int restFace, downFace, latchedFace; // button faces, in the order the button takes them
    CursorTable::Number cursor;
    const char *toolTip;
};

inline constexpr std::array<ColouringTool, 3> kColouringTools{{
    {"crayon", StrokeStyle::Stamps, 108, 106, 107, CursorTable::Crayon, "Color using a magic crayon"},
    {"paintbrush", StrokeStyle::Stamps, 105, 103, 104, CursorTable::Paintbrush, "Paint using a magic paintbrush"},
    {"pencil", StrokeStyle::Line, 119, 117, 118, CursorTable::Pencil, "Draw using a magic coloring pencil"},
}};
inline constexpr int kToolCount = int(kColouringTools.size());

inline constexpr int kCrayon = 0; // the tool every picture and settings change starts with
inline constexpr int kPaintbrush = 1;
inline constexpr int kPencil = 2;

inline constexpr bool IsColouringTool(int tool)
{
    return tool >= 0 && tool < kToolCount;
}

// The texture a tool stamps (a Line tool's too: it sets nothing but is kept alike).
inline QString BrushTexturePath(int tool)
{
    return QStringLiteral(":/brushes/%1.png").arg(tool);
}

// The cursor shown over the canvas for a tool; 0 for a number that is no tool.
inline constexpr int CursorOfTool(int tool)
{
    return IsColouringTool(tool) ? int(kColouringTools[std::size_t(tool)].cursor) : 0;
}

// Tool 3 would bring colours of its own, so the palette hides for it; no tool
// of the strip has that number yet.
inline constexpr int kToolWithoutPalette = 3;
inline constexpr bool PaletteShownWith(int tool)
{
    return tool != kToolWithoutPalette;
}
