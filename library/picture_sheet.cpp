#include "library/picture_sheet.h"

#include <algorithm>

using namespace SheetGeometry;

void SheetLayout::BeginBook()
{
    m_height = std::max(m_height, m_y + kBookGap);
    m_y += kBookGap;
    m_column = -1;
}

PictureCell SheetLayout::Place(const QString &fileName, const QString &folder)
{
    // A cell joins the row while its right edge plus the gap still fits.
    if ((m_column + 2) * kPitch + kRowStart <= m_width) {
        ++m_column;
    } else {
        m_column = 0;
        m_y += kPitch;
    }
    PictureCell cell{m_column * kPitch + kRowStart, m_y, fileName, folder};
    if (m_height < cell.Top + kCell)
        m_height = cell.Top + kPitch;
    return cell;
}

void SheetLayout::EndBook()
{
    m_y += kCell;
}

int CellAt(const QVector<PictureCell> &cells, int x, int y)
{
    for (qsizetype i = 1; i < cells.size(); ++i) {
        const PictureCell &cell = cells[i];
        if (x > cell.Left && x < cell.Left + kCell && y > cell.Top && y < cell.Top + kCell)
            return int(i);
    }
    return -1;
}
