#include "controls/hyperlink.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "controls/ani_cursor.h"
#include "controls/twips.h"
#include "resources/cursor_table.h"

HyperLink::HyperLink(QWidget *parent) : QWidget(parent)
{
    m_properties.Font = font();
    m_properties.BackColor = palette().color(QPalette::Window);
    m_properties.ForeColor = palette().color(QPalette::WindowText);
    setCursor(cAniCursor::Load(CursorTable::Hand).value_or(QCursor(Qt::PointingHandCursor)));
    setMouseTracking(true); // hover follows the pointer without a button held
    setFocusPolicy(Qt::StrongFocus);
    Refresh();
}

void HyperLink::SetCaption(const QString &caption)
{
    m_properties.Caption = caption;
    Refresh();
}

void HyperLink::SetAutoSize(bool autoSize)
{
    m_properties.AutoSize = autoSize;
    Refresh();
}

void HyperLink::SetFont(const QFont &font)
{
    m_properties.Font = font;
    Refresh();
}

void HyperLink::SetBackColor(const QColor &colour)
{
    m_properties.BackColor = colour;
    Refresh();
}

void HyperLink::SetForeColor(const QColor &colour)
{
    m_properties.ForeColor = colour;
    Refresh();
}

void HyperLink::ReadProperties(const QVariantMap &bag)
{
    m_properties = HyperLinkProperties::Unsaved(objectName(), m_properties.Font, m_properties.BackColor,
                                                m_properties.ForeColor);
    m_properties.Read(bag);
    Refresh();
}

QSize HyperLink::sizeHint() const
{
    return m_properties.AutoSize ? AutoSizePixels() : QWidget::sizeHint();
}

void HyperLink::Refresh()
{
    if (m_properties.AutoSize) {
        resize(AutoSizePixels());
        updateGeometry();
    }
    update();
}

int HyperLink::OpenTarget(QWidget *, int, const QString &)
{
    return 0;
}

void HyperLink::About()
{
    QMessageBox::about(this, tr("About HyperLink"),
                       tr("A text link: click it, or press Enter or Space on it, to follow it."));
}

QFont HyperLink::DrawingFont() const
{
    QFont font = m_properties.Font;
    font.setUnderline(font.underline() || (m_properties.UnderlineOnHover && m_hover));
    return font;
}

QSize HyperLink::AutoSizePixels() const
{
    const QFontMetrics metrics(DrawingFont());
    const QSizeF caption(PixelsToTwipsX(metrics.horizontalAdvance(m_properties.Caption)),
                         PixelsToTwipsY(metrics.height()));
    const QSizeF twips = HyperLinkAutoSizeTwips(caption);
    return {TwipsToPixelsX(twips.width()), TwipsToPixelsY(twips.height())};
}

void HyperLink::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.fillRect(rect(), m_properties.BackColor);
    painter.setFont(DrawingFont());
    const bool hoverColour = m_hover && m_properties.UseHoverForeColor;
    painter.setPen(hoverColour ? m_properties.HoverForeColor : m_properties.ForeColor);
    painter.drawText(rect(), Qt::AlignCenter, m_properties.Caption);
    if (m_focusShown && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = m_properties.BackColor;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void HyperLink::SetHover(bool hover)
{
    if (m_hover == hover)
        return;
    m_hover = hover;
    if (m_properties.UseHoverForeColor || m_properties.UnderlineOnHover)
        update();
    if (hover)
        emit MouseHover();
    else
        emit MouseLeave();
}

void HyperLink::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the pointer stays ours after leaving the area, so
    // leaving is noticed here as well as in leaveEvent.
    SetHover(rect().contains(event->position().toPoint()));
}

void HyperLink::leaveEvent(QEvent *)
{
    SetHover(false);
}

void HyperLink::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        SetHover(false);
        emit RightClick(event->modifiers());
    } else if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
        m_pressed = true;
    }
}

void HyperLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton))
        return;
    m_pressed = false;
    SetHover(false);
    // Letting go away from the link takes the click back.
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void HyperLink::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (activates && !event->isAutoRepeat())
        emit Click();
    if (!event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    if (activates)
        event->accept(); // not on to a window's default button as well
    else
        QWidget::keyPressEvent(event); // Escape and the rest still reach the window
}

void HyperLink::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    m_focusShown = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void HyperLink::focusOutEvent(QFocusEvent *event)
{
    m_focusShown = false;
    update();
    QWidget::focusOutEvent(event);
}
