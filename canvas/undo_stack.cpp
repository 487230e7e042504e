#include "canvas/undo_stack.h"

#include <algorithm>
#include <cstring>

void UndoStack::Push(const cNDib &canvas, const QImage &lineArt, QRect area)
{
    if (UndoTop == kDepth - 1) {
        // Slot 0 <- 1, 1 <- 2; the dropped slot's buffer goes round to the top for reuse.
        std::rotate(UndoSlots.begin(), UndoSlots.begin() + 1, UndoSlots.end());
    } else {
        ++UndoTop;
    }
    Snapshot &slot = UndoSlots[size_t(UndoTop)];
    slot.area = area & canvas.image().rect();
    slot.lineArt = lineArt;
    const size_t width = size_t(std::max(slot.area.width(), 0));
    // A slot that must grow takes room for the whole canvas at once, so that
    // memory settles after the first few strokes instead of creeping up with
    // each larger area; it never shrinks.
    if (slot.pixels.size() < width * size_t(std::max(slot.area.height(), 0)))
        slot.pixels.resize(size_t(canvas.Width()) * size_t(canvas.Height()));
    QRgb *to = slot.pixels.data();
    for (int y = slot.area.top(); y <= slot.area.bottom(); ++y, to += width)
        std::memcpy(to, canvas.constScanLine(y) + slot.area.left(), width * sizeof(QRgb));
}

bool UndoStack::Pop(cNDib &canvas, QImage &lineArt)
{
    if (UndoTop < 0)
        return false;
    const Snapshot &slot = UndoSlots[size_t(UndoTop)];
    QImage &image = canvas.image();
    const size_t width = size_t(std::max(slot.area.width(), 0));
    if (image.rect().contains(slot.area)) {
        const QRgb *from = slot.pixels.data();
        for (int y = slot.area.top(); y <= slot.area.bottom(); ++y, from += width)
            std::memcpy(reinterpret_cast<QRgb *>(image.scanLine(y)) + slot.area.left(), from, width * sizeof(QRgb));
    }
    lineArt = slot.lineArt;
    --UndoTop;
    return true;
}

void UndoStack::Clear()
{
    UndoTop = -1;
    for (Snapshot &slot : UndoSlots)
        slot.lineArt = QImage(); // lets an old picture go; the buffers stay for reuse
}
