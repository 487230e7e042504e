#pragma once

#include <QTransform>
#include <QWidget>

#include "canvas/colouring_document.h"

class QTouchEvent;

// The canvas on screen: shows a colouring document and turns mouse and touch
// input into strokes on it. The picture is shown as large as the widget
// allows, keeping its proportions, centred; one transform maps canvas pixels
// to the widget and back, and strokes stay in picture pixels. Outside the picture the widget paints nothing, so whatever
// is behind it shows.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    // Shows `document`, which must outlive the view.
    explicit CanvasView(ColouringDocument &document, QWidget *parent = nullptr);

    // After the document's picture was opened, cleared or undone (with what
    // that did): shows the picture anew and says whether undo is possible.
    void ShowNewPicture(const StrokeChange &change = {});

    // Canvas pixels to widget coordinates.
    const QTransform &ViewFromCanvas() const { return m_viewFromCanvas; }
    QPointF CanvasPoint(QPointF viewPoint) const { return m_canvasFromView.map(viewPoint); }
    // Where the picture shows, in widget coordinates.
    QRect PictureRect() const;
    QSize sizeHint() const override;

signals:
    void StrokeStarted();
    void StrokeFinished();
    void UndoAvailable(bool available);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Pointer { None, Mouse, Touch };

    void Press(Pointer pointer, QPointF viewPoint);
    void Move(Pointer pointer, QPointF viewPoint);
    void Release(Pointer pointer, QPointF viewPoint);
    bool TouchEvent(QTouchEvent *event);
    void Show(const StrokeChange &change);
    void UpdateTransform();
    const QImage &Picture() const { return m_document.Engine().CanvasImage(); }

    ColouringDocument &m_document;
    QTransform m_viewFromCanvas;
    QTransform m_canvasFromView;
    Pointer m_pointer = Pointer::None; // what drives the stroke in progress
    int m_touchId = -1;                // the finger that paints
    bool m_undoAvailable = false;
};
