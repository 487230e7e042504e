#include "windows/colouring/canvas_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>

#include <algorithm>
#include <cmath>

CanvasView::CanvasView(ColouringDocument &document, QWidget *parent) : QWidget(parent), m_document(document)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
}

QRect CanvasView::PictureRect() const
{
    return m_viewFromCanvas.mapRect(QRectF(Picture().rect())).toAlignedRect();
}

QSize CanvasView::sizeHint() const
{
    const QSize picture = Picture().size();
    return picture.isEmpty() ? QSize(640, 480) : picture;
}

void CanvasView::UpdateTransform()
{
    const QSize picture = Picture().size();
    m_viewFromCanvas = QTransform();
    if (!picture.isEmpty() && !size().isEmpty()) {
        // As large as fits, scaled down or up; offsets in whole pixels, so
        // that a picture shown at its own size lies on the screen's pixel grid.
        const double scale = std::min(double(width()) / picture.width(), double(height()) / picture.height());
        double scaleX = scale;
        double scaleY = scale;
        if (width() - picture.width() * scale < 1 && height() - picture.height() * scale < 1) {
            // The widget has the picture's shape to within a pixel (its size was
            // rounded): fill it exactly rather than leave a sliver of a pixel bare.
            scaleX = double(width()) / picture.width();
            scaleY = double(height()) / picture.height();
        }
        const double left = std::floor((width() - picture.width() * scaleX) / 2);
        const double top = std::floor((height() - picture.height() * scaleY) / 2);
        m_viewFromCanvas = QTransform(scaleX, 0, 0, scaleY, left, top);
    }
    m_canvasFromView = m_viewFromCanvas.inverted();
}

void CanvasView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateTransform();
}

void CanvasView::hideEvent(QHideEvent *event)
{
    // A release that can no longer arrive would leave the stroke going.
    if (m_document.Engine().IsStroking())
        Show(m_document.EndStroke());
    QWidget::hideEvent(event);
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    const QImage &picture = Picture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setTransform(m_viewFromCanvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_viewFromCanvas.isScaling());
    for (const QRect &exposed : event->region()) {
        // Only the canvas pixels under the exposed area, with a pixel more
        // round them for the smoothing of a scaled picture.
        const QRect source =
            m_canvasFromView.mapRect(QRectF(exposed)).toAlignedRect().adjusted(-1, -1, 1, 1) & picture.rect();
        if (!source.isEmpty())
            painter.drawImage(QRectF(source), picture, source);
    }
}

void CanvasView::Show(const StrokeChange &change)
{
    if (change.strokeStarted)
        emit StrokeStarted();
    if (!change.dirty.isEmpty())
        update(m_viewFromCanvas.mapRect(QRectF(change.dirty)).toAlignedRect().adjusted(-1, -1, 1, 1));
    if (change.strokeEnded) {
        m_pointer = Pointer::None;
        m_touchId = -1;
        emit StrokeFinished();
    }
    if (m_document.Engine().CanUndo() != m_undoAvailable) {
        m_undoAvailable = m_document.Engine().CanUndo();
        emit UndoAvailable(m_undoAvailable);
    }
}

void CanvasView::ShowNewPicture(const StrokeChange &change)
{
    UpdateTransform();
    update();
    updateGeometry();
    Show(change);
}
