#pragma once

#include <array>
#include <span>

// Every button face the program hands to its picture buttons, grouped by the
// button that shows them. The face renderer draws from this table and the
// contact sheet lays the faces out by it.
namespace FaceTable {

enum class Plate {
    Tile, // a rounded tile around the picture
    Bare, // the picture alone on white (the scroll ball)
};

struct FaceSet {
    const char *button;       // the button, as a grown-up would name it
    int rest;                 // face numbers, in the order the button takes them
    int down;
    int latched;              // 0 when the button never latches
    int width;
    int height;
    const char *glyph;        // picture in src/glyphs/, without ".svg"
    const char *latchedGlyph; // picture for the latched face; nullptr: the same
    Plate plate;
    // A face of its own while the button cannot be used, named in faces/;
    // nullptr: the button greys its resting face itself.
    const char *disabled;
};

struct NamedPicture {
    const char *file;  // output name in resources/<folder>/
    const char *svg;   // source in src/, without ".svg"
    int width;
    int height;
};

std::span<const FaceSet> FaceSets();

// The grown-ups' buttons in the top-left corner: one face each.
std::span<const NamedPicture> FunctionFaces();

// Window backgrounds, stretched over their windows.
std::span<const NamedPicture> Backgrounds();

} // namespace FaceTable
