#include "tools/faces/face_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace FacePainter {

namespace {

struct PlateLook {
    QColor top, bottom, border;
};

PlateLook LookFor(State state)
{
    switch (state) {
    case State::Down:
        return {QColor(0xB9, 0xD2, 0xEC), QColor(0xE4, 0xEE, 0xF8), QColor(0x35, 0x72, 0xB0)};
    case State::Latched:
        return {QColor(0xFF, 0xF7, 0xB0), QColor(0xFF, 0xC4, 0x30), QColor(0xE8, 0x72, 0x00)};
    case State::Disabled:
        return {QColor(0xF4, 0xF4, 0xF4), QColor(0xE8, 0xE8, 0xE8), QColor(0xD0, 0xD0, 0xD0)};
    case State::Rest:
        break;
    }
    return {QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xEA, 0xFF), QColor(0x4F, 0x93, 0xD6)};
}

// The largest rectangle of the picture's own proportions centred in bounds.
QRectF FitInto(QSizeF picture, const QRectF &bounds)
{
    QSizeF fitted = picture.scaled(bounds.size(), Qt::KeepAspectRatio);
    return QRectF(bounds.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
}

// A painter on `image` that draws in plain-screen pixels. The plain size is
// left untransformed, so that it renders exactly as it always has.
void BeginScaled(QPainter &painter, QImage &image, int times)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (times != 1)
        painter.scale(times, times);
}

// The glyph alone on a transparent layer, so the held face can darken its
// colours, and the disabled one grey and fade them, without touching the
// plate behind them.
QImage GlyphLayer(QSvgRenderer &glyph, QSize size, const QRectF &bounds, State state, int times)
{
    QImage layer(size * times, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter;
    BeginScaled(painter, layer, times);
    glyph.render(&painter, FitInto(glyph.viewBoxF().size(), bounds));
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    const QRect whole(QPoint(0, 0), size);
    if (state == State::Down)
        painter.fillRect(whole, QColor(0x10, 0x18, 0x40, 56));
    if (state == State::Disabled)
        painter.fillRect(whole, QColor(0xB8, 0xBD, 0xC4, 190));
    painter.end();
    if (state == State::Disabled) { // all grey, however the tint fell
        for (int y = 0; y < layer.height(); ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(layer.scanLine(y));
            for (int x = 0; x < layer.width(); ++x) {
                const int grey = qGray(row[x]);
                row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
            }
        }
    }
    return layer;
}

void DrawPlate(QPainter &painter, const QRectF &plate, qreal radius, State state)
{
    const PlateLook look = LookFor(state);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    painter.setPen(QPen(look.border, 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, radius, radius);
    if (state == State::Latched) {
        // A light rim inside the border makes the latched face glow.
        painter.setPen(QPen(QColor(255, 255, 255, 190), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), radius - 2.5, radius - 2.5);
    }
}

} // namespace

QImage PaintFace(QSvgRenderer &glyph, QSize size, State state, FaceTable::Plate plate, int times)
{
    QImage face(size * times, QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter;
    BeginScaled(painter, face, times);

    // The plate stands 2 pixels above its shadow; held or latched, it sinks;
    // disabled, it lies flat with no shadow at all.
    const qreal sink = state == State::Down || state == State::Latched ? 2 : 0;
    const qreal shortSide = qMin(size.width(), size.height());
    QRectF glyphBounds;
    if (plate == FaceTable::Plate::Tile) {
        const QRectF standing(1, 1, size.width() - 2, size.height() - 4);
        const qreal radius = shortSide * 0.22;
        painter.setPen(Qt::NoPen);
        if (state != State::Disabled) {
            painter.setBrush(QColor(0xB4, 0xC6, 0xDA));
            painter.drawRoundedRect(standing.translated(0, 2), radius, radius);
        }
        const QRectF shown = standing.translated(0, sink);
        DrawPlate(painter, shown, radius, state);
        const qreal margin = shortSide * 0.09;
        glyphBounds = shown.adjusted(margin, margin, -margin, -margin);
    } else {
        glyphBounds = QRectF(1, 1, size.width() - 3, size.height() - 3).translated(sink / 2, sink / 2);
    }
    // The layer is already drawn at the full size: laid on pixel for pixel.
    painter.resetTransform();
    painter.drawImage(0, 0, GlyphLayer(glyph, size, glyphBounds, state, times));
    return face;
}

QImage PaintPicture(QSvgRenderer &svg, QSize size, bool keepTransparency, int times)
{
    QImage picture(size * times, keepTransparency ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    picture.fill(keepTransparency ? QColor(Qt::transparent) : QColor(Qt::white));
    QPainter painter;
    BeginScaled(painter, picture, times);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

} // namespace FacePainter
