#include "controls/combo_drop_button.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

ComboDropButton::ComboDropButton(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ComboDropButton::SetFaces(const QImage &up, const QImage &down)
{
    if (!up.isNull())
        m_up = up;
    if (!down.isNull())
        m_downFace = down;
    update();
}

QImage ComboDropButton::DrawnFace(QSize size, bool down)
{
    QImage face(size, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    if (size.isEmpty())
        return face;
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(face.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    // Pressed, the face darkens and its light moves to the bottom, as if pushed in.
    fill.setColorAt(0, down ? QColor(0x1E, 0x6F, 0xD9) : QColor(0x7F, 0xD3, 0xFF));
    fill.setColorAt(1, down ? QColor(0x5C, 0xB8, 0xFF) : QColor(0x1E, 0x88, 0xE5));
    const qreal radius = qMin(box.width(), box.height()) / 4;
    painter.setPen(QPen(QColor(0x0D, 0x47, 0xA1), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);

    const qreal side = qMin(box.width(), box.height()) * 0.72;
    const QPointF centre = box.center() + (down ? QPointF(0.5, 1) : QPointF(0, 0));
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-side / 2, -side / 4));
    arrow.lineTo(centre + QPointF(side / 2, -side / 4));
    arrow.lineTo(centre + QPointF(0, side / 3));
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return face;
}

void ComboDropButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &picture = m_down && !m_downFace.isNull() ? m_downFace : m_up;
    if (!picture.isNull())
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(0, 0, DrawnFace(size(), m_down));
}

void ComboDropButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_down = true;
    update();
}

void ComboDropButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_down)
        return;
    m_down = false;
    update();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT Clicked();
}
