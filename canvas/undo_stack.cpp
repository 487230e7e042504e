#include "canvas/undo_stack.h"

#include <algorithm>
#include <utility>

void UndoStack::Push(const cNDib &canvas, const QImage &lineArt)
{
    if (UndoTop == kDepth - 1) {
        // Slot 0 <- 1, 1 <- 2; the dropped canvas buffer goes round to the top for reuse.
        std::rotate(UndoCanvas.begin(), UndoCanvas.begin() + 1, UndoCanvas.end());
        std::rotate(UndoLineArt.begin(), UndoLineArt.begin() + 1, UndoLineArt.end());
    } else {
        ++UndoTop;
    }
    UndoCanvas[size_t(UndoTop)].Make_From_Picture(canvas.image()); // reuses the slot's buffer when it fits
    UndoLineArt[size_t(UndoTop)] = lineArt;
}

bool UndoStack::Pop(cNDib &canvas, QImage &lineArt)
{
    if (UndoTop < 0)
        return false;
    // The slot keeps the canvas's old buffer, to be written over by a later push.
    std::swap(canvas.image(), UndoCanvas[size_t(UndoTop)].image());
    lineArt = UndoLineArt[size_t(UndoTop)];
    --UndoTop;
    return true;
}

void UndoStack::Clear()
{
    UndoTop = -1;
    UndoLineArt.fill(QImage()); // lets an old picture go; the canvas buffers stay for reuse
}
