#include "controls/window_edge.h"

#include <QPainter>
#include <QWidget>

namespace {

void DrawBevel(QPainter &painter, const QRect &r, const QColor &light, const QColor &dark)
{
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

void DrawWindowEdge(QPainter &painter, const QWidget &window)
{
    const QRect outer = window.rect();
    painter.save();
    DrawBevel(painter, outer, QColor(0xF0, 0xF0, 0xF0), QColor(0x40, 0x40, 0x40));
    DrawBevel(painter, outer.adjusted(1, 1, -1, -1), QColor(0xFF, 0xFF, 0xFF), QColor(0x80, 0x80, 0x80));
    painter.restore();
}
