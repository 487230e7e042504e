#include "windows/colouring/colour_frame_view.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include "canvas/colour_frame.h"
#include "image/pixel_image.h"

ColourFrameView::ColourFrameView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PB"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourFrameView::SetCanvas(QWidget *canvas)
{
    if (m_canvas)
        m_canvas->removeEventFilter(this);
    m_canvas = canvas;
    if (m_canvas)
        m_canvas->installEventFilter(this);
    Render();
}

void ColourFrameView::SetColour(qint32 colour)
{
    m_colour = colour & 0xFFFFFF;
    Render();
}

void ColourFrameView::Render()
{
    const bool canvasShown = m_canvas && m_canvas->parentWidget() == this && m_canvas->isVisibleTo(this);
    m_image = ColourFrame::Render(size(), canvasShown ? m_canvas->geometry() : QRect(), canvasShown, m_colour);
    update();
}

void ColourFrameView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_image.size() == size())
        painter.drawImage(event->rect(), m_image, event->rect());
    else
        painter.fillRect(event->rect(), QColor(PixelOfColourValue(m_colour)));
}

void ColourFrameView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Render();
}

bool ColourFrameView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent: Render(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
