#include "tools/contact_sheet/tiles.h"

#include <QPainter>

#include <cmath>

namespace Tiles {

QImage SideBySide(const std::vector<QImage> &pictures)
{
    constexpr int Gap = 6;
    int width = 0;
    int height = 0;
    for (const QImage &picture : pictures) {
        width += picture.width() + Gap;
        height = qMax(height, picture.height());
    }
    QImage row(qMax(1, width - Gap), qMax(1, height), QImage::Format_ARGB32);
    row.fill(Qt::transparent);
    QPainter painter(&row);
    int x = 0;
    for (const QImage &picture : pictures) {
        painter.drawImage(x, 0, picture);
        x += picture.width() + Gap;
    }
    return row;
}

QImage GreyLikeButton(const QImage &face)
{
    QImage grey = face.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = line[x];
            if ((pixel & 0xFFFFFF) == 0xFFFFFF)
                continue;
            const double level = qRed(pixel) * 0.255 + qGreen(pixel) * 0.587 + qBlue(pixel) * 0.114;
            const int g = qMin(255, int(std::nearbyint(level)));
            line[x] = qRgb(g, g, g);
        }
    }
    return grey;
}

QImage OnChecker(const QImage &picture, int scale)
{
    const QSize size = picture.size() * scale;
    QImage tile(size, QImage::Format_RGB32);
    QPainter painter(&tile);
    constexpr int Square = 6;
    for (int y = 0; y < size.height(); y += Square) {
        for (int x = 0; x < size.width(); x += Square) {
            const bool light = ((x / Square) + (y / Square)) % 2 == 0;
            painter.fillRect(x, y, Square, Square, light ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xD8, 0xD8, 0xD8));
        }
    }
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return tile;
}

QImage CursorTile(const QImage &cursor, QPoint hotSpot)
{
    constexpr int Scale = 3;
    QImage big = OnChecker(cursor, Scale);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0xFF, 0x00, 0x60), 1.5));
        const QPointF centre = (QPointF(hotSpot) + QPointF(0.5, 0.5)) * Scale;
        painter.drawEllipse(centre, Scale * 2.5, Scale * 2.5);
    }
    QImage onWhite(cursor.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QImage onDark(cursor.size(), QImage::Format_RGB32);
    onDark.fill(QColor(0x30, 0x30, 0x40));
    QPainter(&onWhite).drawImage(0, 0, cursor);
    QPainter(&onDark).drawImage(0, 0, cursor);
    return SideBySide({big, onWhite, onDark});
}

QImage Missing(QSize size)
{
    QImage box(size.expandedTo(QSize(24, 24)), QImage::Format_RGB32);
    box.fill(QColor(0xFF, 0xE0, 0xE0));
    QPainter painter(&box);
    painter.setPen(QPen(QColor(0xD0, 0x00, 0x00), 2));
    painter.drawRect(box.rect().adjusted(1, 1, -1, -1));
    painter.drawLine(box.rect().topLeft(), box.rect().bottomRight());
    painter.drawLine(box.rect().topRight(), box.rect().bottomLeft());
    return box;
}

} // namespace Tiles
