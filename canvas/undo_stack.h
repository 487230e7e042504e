#pragma once

#include <QImage>

#include <array>

#include "core/limits.h"
#include "image/pixel_image.h"

// The last three states before a stroke: each a pair of the canvas and the
// bare line art. The canvas is copied into buffers kept from press to press
// (a fresh multi-megabyte allocation per press would cost more than the copy);
// the line art is shared, not copied, since nothing writes into it in place
// and QImage copies on the first write should anyone ever do.
class UndoStack {
public:
    static constexpr int kDepth = kUndoDepth;

    // Takes a snapshot; when all three slots are full the oldest is dropped.
    void Push(const cNDib &canvas, const QImage &lineArt);
    // Hands back the newest snapshot: its pixels are swapped into `canvas` (the
    // pixels `canvas` had are dropped) and its line art is shared into `lineArt`.
    // False, changing nothing, when there is none.
    bool Pop(cNDib &canvas, QImage &lineArt);
    // Forgets every snapshot (for a newly opened or cleared picture).
    void Clear();

    bool CanUndo() const { return UndoTop >= 0; }
    // The newest snapshot's slot, -1 when there is none.
    int Top() const { return UndoTop; }

private:
    std::array<cNDib, kDepth> UndoCanvas;
    std::array<QImage, kDepth> UndoLineArt;
    int UndoTop = -1;
};
