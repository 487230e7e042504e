#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <vector>

#include "core/limits.h"
#include "image/pixel_image.h"

// The last three states before a stroke. A stroke changes only pixels of the
// area it was pressed in, so each snapshot keeps just the canvas rectangle the
// stroke may change, taken as the stroke starts, and the bare line art. The
// rectangles' buffers are kept from press to press (a fresh multi-megabyte
// allocation per press would cost more than the copy); the line art is shared,
// not copied, since nothing writes into it in place and QImage copies on the
// first write should anyone ever do.
class UndoStack {
public:
    static constexpr int kDepth = kUndoDepth;

    // Takes a snapshot of `area` of the canvas (held to the canvas): the coming
    // stroke changes no pixel outside it. When all three slots are full the oldest is dropped.
    void Push(const cNDib &canvas, const QImage &lineArt, QRect area);
    // Puts the newest snapshot's pixels back into `canvas`, which must be the
    // canvas it was taken from with only that stroke's changes since, and shares
    // its line art into `lineArt`. False, changing nothing, when there is none.
    bool Pop(cNDib &canvas, QImage &lineArt);
    // Forgets every snapshot (for a newly opened or cleared picture).
    void Clear();

    bool CanUndo() const { return UndoTop >= 0; }
    // The newest snapshot's slot, -1 when there is none.
    int Top() const { return UndoTop; }

private:
    struct Snapshot {
        QRect area;
        std::vector<QRgb> pixels; // the area's rows, one after another, from the front
        QImage lineArt;
    };
    std::array<Snapshot, kDepth> UndoSlots;
    int UndoTop = -1;
};
