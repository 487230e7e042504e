#pragma once

#include <array>

// The cursors compiled in under ":/cursors/<number>.png": the size each picture
// is drawn at and the pixel that is the tool's tip. A cursor shown with another
// hot spot would paint beside the point the child aims at.
namespace CursorTable {

enum Number : int {
    Hand = 101,       // clickable things: buttons, thumbnails, the colour picker
    Pencil = 102,     // the magic colouring pencil
    Paintbrush = 104, // the magic paintbrush
    Marker = 105,     // a marker pen no tool uses yet
    Crayon = 106,     // the magic crayon
};

struct Entry {
    int number;
    int width;
    int height;
    int hotX;
    int hotY;
};

inline constexpr std::array<Entry, 5> Entries{{
    {Hand, 32, 32, 8, 1},
    {Pencil, 65, 56, 0, 51},
    {Paintbrush, 67, 73, 1, 69},
    {Marker, 64, 87, 2, 82},
    {Crayon, 69, 58, 3, 52},
}};

// The entry for a cursor number, or nullptr when there is no such cursor.
const Entry *Find(int number);

} // namespace CursorTable
