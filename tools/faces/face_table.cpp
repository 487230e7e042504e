#include "tools/faces/face_table.h"

namespace FaceTable {

namespace {

// The tool strip's seven buttons share one size so the row reads as one bar.
constexpr int StripW = 80;
constexpr int StripH = 72;

constexpr std::array<FaceSet, 15> Sets{{
    {"open a picture", 102, 101, 0, StripW, StripH, "open-book", nullptr, Plate::Tile, nullptr},
    {"clear all colours", 146, 147, 0, StripW, StripH, "broom", nullptr, Plate::Tile, nullptr},
    {"undo", 110, 109, 0, StripW, StripH, "undo", nullptr, Plate::Tile, nullptr},
    {"crazy colours", 130, 131, 132, StripW, StripH, "swirl", nullptr, Plate::Tile, nullptr},
    {"magic crayon", 108, 106, 107, StripW, StripH, "crayon", nullptr, Plate::Tile, nullptr},
    {"magic paintbrush", 105, 103, 104, StripW, StripH, "paintbrush", nullptr, Plate::Tile, nullptr},
    {"magic pencil", 119, 117, 118, StripW, StripH, "pencil", nullptr, Plate::Tile, nullptr},
    // The browser's scroll column: the ball sits 2 pixels in from the
    // arrows' left edge, so it is 4 pixels narrower to stay centred. Their
    // greyed resting faces still look pressable, so they have faded ones.
    {"scroll up", 138, 139, 0, 44, 44, "arrow-up", nullptr, Plate::Tile, "scroll-up-disabled"},
    {"scroll down", 136, 135, 0, 44, 44, "arrow-down", nullptr, Plate::Tile, "scroll-down-disabled"},
    {"scroll ball", 137, 140, 0, 40, 40, "ball", nullptr, Plate::Bare, "scroll-ball-disabled"},
    // Close and Cancel share faces. The message window raises Cancel 3
    // pixels above OK and the browser raises the new-page button 6 above
    // Close, so each is taller by twice that and sits centred on its row.
    {"close / cancel", 114, 113, 0, 64, 64, "cross", nullptr, Plate::Tile, nullptr},
    {"ok", 115, 116, 0, 76, 58, "tick", nullptr, Plate::Tile, nullptr},
    {"new blank page", 148, 149, 0, 76, 76, "new-page", nullptr, Plate::Tile, nullptr},
    {"more pictures", 141, 142, 0, 112, 64, "more-pictures", nullptr, Plate::Tile, nullptr},
    {"grown-ups' note", 127, 128, 129, 36, 36, "unfold-more", "unfold-less", Plate::Tile, nullptr},
}};

constexpr std::array<NamedPicture, 5> Functions{{
    {"func-quit", "func-quit", 40, 40},
    {"func-save", "func-save", 40, 40},
    {"func-print", "func-print", 40, 40},
    {"func-about", "func-about", 40, 40},
    {"func-settings", "func-settings", 40, 40},
}};

constexpr std::array<NamedPicture, 2> Windows{{
    {"options", "background-options", 560, 440},
    {"splash", "background-splash", 520, 340},
}};

} // namespace

std::span<const FaceSet> FaceSets()
{
    return Sets;
}

std::span<const NamedPicture> FunctionFaces()
{
    return Functions;
}

std::span<const NamedPicture> Backgrounds()
{
    return Windows;
}

} // namespace FaceTable
