#include "windows/browser/sheet_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QWheelEvent>

#include "controls/hand_cursor.h"
#include "library/picture_sheet.h"

namespace {

// Further than this and a press is a drag, not a tap; a small child's finger wobbles.
constexpr int kDragThreshold = 12;
// One notch of the wheel moves the sheet by one row.
constexpr int kWheelStep = SheetGeometry::kPitch;

const QColor kFrame(240, 240, 240);
const QColor kShadow(225, 225, 225);

} // namespace

SheetView::SheetView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetView::SetSheet(LoadedSheet sheet)
{
    m_sheet = std::move(sheet);
    m_top = 0;
    update();
}

void SheetView::SetFace(int index, const QImage &face)
{
    if (index <= 0 || index >= m_sheet.faces.size())
        return;
    m_sheet.faces[index] = face;
    const PictureCell &cell = m_sheet.cells[index];
    update(cell.Left + 1, cell.Top + 1 + m_top, kCellFaceSide, kCellFaceSide);
}

void SheetView::SetSheetTop(int top)
{
    if (top == m_top)
        return;
    m_top = top;
    update();
}

void SheetView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const QRect exposed = event->rect().translated(0, -m_top); // in sheet pixels
    for (int i = 1; i < m_sheet.cells.size(); ++i) {
        const PictureCell &cell = m_sheet.cells[i];
        if (cell.Top > exposed.bottom() + 1 || cell.Top + SheetGeometry::kPitch < exposed.top())
            continue;
        DrawCell(painter, i);
    }
}

void SheetView::DrawCell(QPainter &painter, int index) const
{
    const PictureCell &cell = m_sheet.cells[index];
    const int x = cell.Left;
    const int y = cell.Top + m_top;
    painter.drawImage(x + 1, y + 1, m_sheet.faces[index]);
    if (!m_sheet.framed[index])
        return;
    // The child's own pictures: a light frame with a soft shadow to the right and below.
    painter.setPen(kFrame);
    painter.drawRect(x, y, SheetGeometry::kCell, SheetGeometry::kCell);
    painter.setPen(kShadow);
    painter.drawLine(x + 100, y + 2, x + 100, y + 98);
    painter.drawLine(x + 2, y + 100, x + 98, y + 100);
}

int SheetView::CellUnder(QPointF position) const
{
    return CellAt(m_sheet.cells, int(position.x()), int(position.y()) - m_top);
}

void SheetView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    m_dragging = false;
    m_pressAt = event->position().toPoint();
    m_lastDragY = m_pressAt.y();
}

void SheetView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_pressed && !m_dragging && (at - m_pressAt).manhattanLength() > kDragThreshold)
        m_dragging = true;
    if (m_dragging) {
        const int dy = at.y() - m_lastDragY;
        m_lastDragY = at.y();
        if (dy != 0)
            Q_EMIT ScrollRequested(dy);
        return;
    }
    if (CellUnder(event->position()) > 0)
        setCursor(HandCursor());
    else
        unsetCursor();
}

void SheetView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasTap = m_pressed && !m_dragging;
    m_pressed = false;
    m_dragging = false;
    if (!wasTap)
        return;
    const int index = CellUnder(event->position());
    if (index > 0)
        Q_EMIT CellChosen(index);
}

void SheetView::wheelEvent(QWheelEvent *event)
{
    int dy = event->pixelDelta().y();
    if (dy == 0) {
        m_wheelRemainder += event->angleDelta().y();
        dy = m_wheelRemainder * kWheelStep / 120;
        m_wheelRemainder -= dy * 120 / kWheelStep;
    }
    if (dy != 0)
        Q_EMIT ScrollRequested(dy);
    event->accept();
}
