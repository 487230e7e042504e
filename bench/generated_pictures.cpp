#include "bench/generated_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Every shape is laid out on a 2400 x 1800 page and scaled to the size asked for.
constexpr double kPageWidth = 2400;
constexpr double kPageHeight = 1800;

QPainterPath Cloud(double x, double y, double scale)
{
    QPainterPath cloud;
    cloud.addEllipse(QPointF(x, y), 130 * scale, 80 * scale);
    cloud.addEllipse(QPointF(x + 120 * scale, y - 40 * scale), 110 * scale, 90 * scale);
    cloud.addEllipse(QPointF(x + 230 * scale, y + 10 * scale), 120 * scale, 70 * scale);
    cloud.setFillRule(Qt::WindingFill);
    return cloud.simplified(); // one outline around the three puffs
}

void DrawFlower(QPainter &painter, double x, double y)
{
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = petal * 2 * std::numbers::pi / 5;
        painter.drawEllipse(QPointF(x + 34 * std::cos(angle), y + 34 * std::sin(angle)), 22, 22);
    }
    painter.drawEllipse(QPointF(x, y), 18, 18);
    painter.drawLine(QPointF(x, y + 56), QPointF(x, y + 130));
}

void DrawScene(QPainter &painter)
{
    // The frame: the thin strip outside it is a white area of its own.
    painter.drawRect(QRectF(20, 20, 2360, 1760));

    // The ground line runs from frame to frame and separates the sky from the meadow.
    QPainterPath ground(QPointF(10, 1480));
    ground.cubicTo(QPointF(600, 1360), QPointF(1100, 1580), QPointF(1600, 1460));
    ground.cubicTo(QPointF(1900, 1390), QPointF(2200, 1400), QPointF(2390, 1440));
    painter.drawPath(ground);

    // A hill behind the meadow: an arc whose ends lie below the ground line.
    painter.drawArc(QRectF(1550, 1330, 800, 400), 0, 180 * 16);

    // The house: walls, roof, two windows with crosses, a door.
    painter.drawRect(QRectF(300, 900, 500, 560));
    painter.drawPolygon(QPolygonF({QPointF(250, 900), QPointF(550, 640), QPointF(850, 900)}));
    for (double left : {370.0, 590.0}) {
        painter.drawRect(QRectF(left, 1000, 140, 140));
        painter.drawLine(QPointF(left + 70, 1000), QPointF(left + 70, 1140));
        painter.drawLine(QPointF(left, 1070), QPointF(left + 140, 1070));
    }
    painter.drawRect(QRectF(490, 1230, 120, 230));

    // The tree: trunk and crown.
    painter.drawRect(QRectF(1150, 1080, 90, 420));
    painter.drawEllipse(QPointF(1195, 980), 200, 170);

    // The sun and its rays (open strokes: they make the sky ragged without closing anything).
    const QPointF sun(2050, 280);
    painter.drawEllipse(sun, 130, 130);
    for (int ray = 0; ray < 12; ++ray) {
        const double angle = ray * 2 * std::numbers::pi / 12;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(sun + 165 * direction, sun + 250 * direction);
    }

    painter.drawPath(Cloud(420, 260, 1.0));
    painter.drawPath(Cloud(1250, 330, 0.8));
    painter.drawPath(Cloud(1500, 620, 0.6));

    // Birds: little open "v" strokes scattered over the sky.
    for (int bird = 0; bird < 9; ++bird) {
        const double x = 900 + 95 * bird;
        const double y = 130 + 60 * ((bird * 5) % 4);
        painter.drawPolyline(QPolygonF({QPointF(x, y), QPointF(x + 25, y + 18), QPointF(x + 50, y)}));
    }

    for (double x : {150.0, 1500.0, 1680.0, 1860.0, 2150.0})
        DrawFlower(painter, x, 1570);

    // Grass: a zigzag along the bottom of the meadow, closed off by the frame.
    QPolygonF grass;
    grass << QPointF(10, 1720);
    for (double x = 30; x < 2380; x += 40)
        grass << QPointF(x, int(x / 40) % 2 ? 1680 : 1730);
    grass << QPointF(2390, 1720);
    painter.drawPolyline(grass);
}

QImage DrawPage(QSize size, QImage picture)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size.width() / kPageWidth, size.height() / kPageHeight);
    QPen outline(Qt::black);
    outline.setWidthF(6);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    DrawScene(painter);
    painter.end();
    return picture;
}

// A fixed pseudo-random value per pixel, independent of the standard library's generators.
std::uint32_t Grain(int x, int y)
{
    std::uint32_t h = std::uint32_t(x) * 0x9E3779B1u ^ std::uint32_t(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

int ClampByte(double value)
{
    return value < 0 ? 0 : value > 255 ? 255 : int(value);
}

} // namespace

QImage MakeLineArt(QSize size)
{
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    return DrawPage(size, white);
}

QPoint SkyPoint(QSize size)
{
    return QPoint(int(size.width() * 1200 / kPageWidth), int(size.height() * 90 / kPageHeight));
}

QPoint WallPoint(QSize size)
{
    return QPoint(int(size.width() * 340 / kPageWidth), int(size.height() * 1300 / kPageHeight));
}

QImage MakeColouredPage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(page.scanLine(y));
        const double v = y * kPageHeight / size.height();
        for (int x = 0; x < size.width(); ++x) {
            const double u = x * kPageWidth / size.width();
            const std::uint32_t grain = Grain(x, y);
            // Crayon strokes leave a grain of lighter and darker flecks.
            const double fleck = double(grain & 0xF) - 8;
            const double red = 150 + 90 * std::sin(u / 310.0 + v / 520.0) + fleck;
            const double green = 140 + 100 * std::sin(u / 450.0 - v / 270.0 + 1.3) + fleck;
            const double blue = 130 + 110 * std::sin((u + v) / 380.0 + 2.1) + fleck + double((grain >> 8) & 0x3) - 2;
            row[x] = qRgb(ClampByte(red), ClampByte(green), ClampByte(blue));
        }
    }
    return DrawPage(size, page);
}
