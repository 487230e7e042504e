#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>

// The page of the colouring kill test: a grid of cells, each its own white
// area, so that every stroke stays in the cell it was made in.
inline constexpr char kColouringPage[] = "/books/kill/grid.bmp";
inline constexpr int kCellSize = 50;
inline constexpr int kColumns = 8, kRows = 6;
inline constexpr int kCellCount = kColumns * kRows;
inline constexpr qint32 kStrokeColour = 255; // red, as a colour value

inline QImage ColouringPage()
{
    QImage page(kColumns * kCellSize, kRows * kCellSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (x % kCellSize == 0 || y % kCellSize == 0)
                page.setPixel(x, y, qRgb(0, 0, 0));
    return page;
}

inline QPointF CellCentre(int cell)
{
    return QPointF((cell % kColumns) * kCellSize + kCellSize / 2, (cell / kColumns) * kCellSize + kCellSize / 2);
}
