// The canvas view's pointer input: the mouse, or one finger, drives a stroke.

#include <QMouseEvent>
#include <QTouchEvent>

#include "windows/colouring/canvas_view.h"

void CanvasView::Press(Pointer pointer, QPointF viewPoint)
{
    if (m_pointer != Pointer::None)
        return; // one stroke at a time, whichever pointer began it
    // Only over a pixel of the picture as it shows. The engine also takes a
    // press on the canvas's far border (X = width, a coordinate, not a pixel);
    // from a pointer that would be the band's first pixel past the picture.
    const QPointF at = CanvasPoint(viewPoint);
    const QSize picture = Picture().size();
    if (!(at.x() >= 0 && at.y() >= 0 && at.x() < picture.width() && at.y() < picture.height()))
        return;
    const StrokeChange change = m_document.Press(float(at.x()), float(at.y()));
    if (change.strokeStarted)
        m_pointer = pointer;
    Show(change);
}

void CanvasView::Move(Pointer pointer, QPointF viewPoint)
{
    if (pointer != m_pointer)
        return;
    const QPointF at = CanvasPoint(viewPoint);
    Show(m_document.Drag(float(at.x()), float(at.y())));
}

void CanvasView::Release(Pointer pointer, QPointF viewPoint)
{
    if (pointer != m_pointer)
        return;
    const QPointF at = CanvasPoint(viewPoint);
    Show(m_document.Release(float(at.x()), float(at.y())));
}

void CanvasView::mousePressEvent(QMouseEvent *event)
{
    // A press with no other button held while a mouse stroke goes on: its
    // release went elsewhere, so that stroke is over.
    if (m_pointer == Pointer::Mouse && event->buttons() == event->button())
        Show(m_document.EndStroke());
    Press(Pointer::Mouse, event->position());
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        Move(Pointer::Mouse, event->position());
}

void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    // The stroke lasts while any button is held.
    if (event->buttons() == Qt::NoButton)
        Release(Pointer::Mouse, event->position());
}

bool CanvasView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return TouchEvent(static_cast<QTouchEvent *>(event));
    default:
        return QWidget::event(event);
    }
}

bool CanvasView::TouchEvent(QTouchEvent *event)
{
    event->accept(); // taken as touch, so no mouse events are made up from it
    if (event->type() == QEvent::TouchCancel) {
        if (m_pointer == Pointer::Touch)
            Show(m_document.EndStroke());
        return true;
    }
    for (const QEventPoint &point : event->points()) {
        if (m_pointer == Pointer::None && point.state() == QEventPoint::Pressed && m_touchId < 0) {
            // The first finger down paints; the others are ignored.
            Press(Pointer::Touch, point.position());
            if (m_pointer == Pointer::Touch)
                m_touchId = point.id();
        } else if (m_pointer == Pointer::Touch && point.id() == m_touchId) {
            if (point.state() == QEventPoint::Released)
                Release(Pointer::Touch, point.position());
            else if (point.state() == QEventPoint::Updated)
                Move(Pointer::Touch, point.position());
        }
    }
    return true;
}
