#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>

#include <functional>
#include <memory>

// Random numbers taken from a list in order; `fallback` once it runs out.
struct FixedNumbers {
    std::shared_ptr<QList<double>> numbers = std::make_shared<QList<double>>();
    double fallback = 0.5;

    std::function<double()> Source() const
    {
        return
            [numbers = numbers, fallback = fallback] { return numbers->isEmpty() ? fallback : numbers->takeFirst(); };
    }
    void Add(std::initializer_list<double> more) { *numbers << QList<double>(more); }
};

// A bubble picture: a filled disc of `colour` on pure black, the shape the palette draws.
inline QImage Disc(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1));
    return picture;
}

// The colour value of a colour: red + 256 x green + 65536 x blue.
inline qint32 ValueOf(QColor colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}
