#pragma once

// Small helpers the control tests share: plain pictures and a count of paints.

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QWidget>

inline QImage Solid(const QColor &colour, QSize size = QSize(40, 30))
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// What the widget shows, as it would be painted now.
inline QImage Shown(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};
