#pragma once

#include <QPoint>
#include <QWidget>

#include "library/book_loader.h"

// The browser's sheet (`Pmb`): every thumbnail of the library on one tall
// white page, seen through the viewport. Only the cells in view are drawn, from
// the small thumbnails, so a library of thousands needs no huge picture.
// It says which cell was chosen and asks to be scrolled by the wheel or a drag.
class SheetView : public QWidget {
    Q_OBJECT

public:
    explicit SheetView(QWidget *parent = nullptr);

    void SetSheet(LoadedSheet sheet);
    const LoadedSheet &Sheet() const { return m_sheet; }
    // Replaces the face of cell `index` (a refreshed thumbnail).
    void SetFace(int index, const QImage &face);

    // The sheet's top inside the viewport: 0 or negative.
    int SheetTop() const { return m_top; }
    void SetSheetTop(int top);

Q_SIGNALS:
    // A mouse button (any) was released over cell `index`.
    void CellChosen(int index);
    // The wheel or a finger/mouse drag asks to move the sheet by `dy` pixels.
    void ScrollRequested(int dy);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int CellUnder(QPointF position) const;
    void DrawCell(QPainter &painter, int index) const;

    LoadedSheet m_sheet;
    int m_top = 0;
    // A press that moves further than a tap becomes a drag of the sheet, and
    // its release chooses nothing.
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressAt;
    int m_lastDragY = 0;
    int m_wheelRemainder = 0;
};
