#pragma once

#include <QString>
#include <QVector>

// One thumbnail on the picture browser's sheet: the 100 x 100 square at
// (Left, Top), in sheet pixels.
struct PictureCell {
    qint32 Left = 0;
    qint32 Top = 0;
    QString FileName; // as the book folder lists it
    QString Folder;   // the book folder, without a trailing '/'

    QString Path() const { return Folder + QLatin1Char('/') + FileName; }
};

namespace SheetGeometry {
inline constexpr int kCell = 100;      // a thumbnail's square
inline constexpr int kPitch = 105;     // cell plus the gap between cells and rows
inline constexpr int kRowStart = 6;    // x of the first cell of every row
inline constexpr int kBookGap = 40;    // empty band above each book's first row
inline constexpr int kFirstY = -39;    // so that the very first row lies at y = 1
} // namespace SheetGeometry

// Lays the books' cells out on a sheet `sheetWidth` pixels wide, book after
// book, and grows the sheet's height to hold them. A book without pictures
// takes no room.
class SheetLayout {
public:
    explicit SheetLayout(int sheetWidth) : m_width(sheetWidth) {}

    void BeginBook(); // call before a book's first picture
    // Places the next picture of the current book and returns its cell.
    PictureCell Place(const QString &fileName, const QString &folder);
    void EndBook(); // call after the book's last picture

    int SheetHeight() const { return m_height; }

private:
    int m_width;
    int m_height = 0;
    int m_y = SheetGeometry::kFirstY;
    int m_column = -1;
};

// The index into `cells` (index 0 holds no cell) of the cell under sheet point
// (x, y), or -1. A point on a cell's border line belongs to no cell.
int CellAt(const QVector<PictureCell> &cells, int x, int y);
