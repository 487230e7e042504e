#include "windows/manage/window_look.h"

#include <QPainter>
#include <QWidget>

#include "controls/program_fonts.h"
#include "controls/window_edge.h"

void PaintManagementWindow(QWidget &window, int margin)
{
    QPainter painter(&window);
    painter.fillRect(window.rect(), Qt::white);
    painter.setFont(ParentFont(16, true));
    painter.setPen(QColor(0x1F, 0x3A, 0x93));
    painter.drawText(QRect(margin, margin - 8, window.width() - 2 * margin, 36), Qt::AlignLeft | Qt::AlignVCenter,
                     window.windowTitle());
    DrawWindowEdge(painter, window);
}
