// The combo's layout, drop button and selection events.
#include "controls/combo.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "controls/combo_drop_button.h"

namespace {

constexpr int kFrame = 2;
// A style that reports a tiny or no scroll-bar extent would leave a button too
// small to hit.
constexpr int kMinButtonSide = 16;

int ButtonSide(const QWidget *widget)
{
    return qMax(widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget), kMinButtonSide);
}

// How much of the box's right end its own arrow takes; that part is kept out of
// sight so that only our drop button shows.
int ArrowWidth(const QComboBox *box, QSize size)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    option.frame = false;
    option.rect = QRect(QPoint(0, 0), size);
    const QRect arrow = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box);
    return arrow.isValid() ? size.width() - arrow.left() : 0;
}

} // namespace

QSize Combo::sizeHint() const
{
    return {200, qMax(m_cb->sizeHint().height(), kMinButtonSide) + 2 * kFrame};
}

void Combo::resizeEvent(QResizeEvent *)
{
    LayOut();
}

void Combo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        LayOut();
    QWidget::changeEvent(event);
}

void Combo::LayOut()
{
    const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const int side = ButtonSide(this);
    m_pD->setGeometry(inner.right() + 1 - side, inner.top(), side, inner.height());
    m_clip->setGeometry(inner.left(), inner.top(), qMax(inner.width() - side, 0), inner.height());
    const QSize boxSize(m_clip->width(), m_clip->height());
    m_cb->setGeometry(0, 0, boxSize.width() + ArrowWidth(m_cb, boxSize), boxSize.height());
}

void Combo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1E, 0x88, 0xE5), kFrame));
    painter.setBrush(BackColor());
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}

void Combo::OpenList()
{
    if (m_cb->count() == 0)
        return;
    m_clickRaised = false;
    m_cb->showPopup();
}

void Combo::SelectionChanged()
{
    if (m_quiet)
        return;
    m_clickRaised = true;
    Q_EMIT Click();
}

void Combo::Activated()
{
    // The box reports a choice from the list after the index change it made,
    // which has raised Click already; choosing the selected item again has not.
    if (!m_clickRaised)
        Q_EMIT Click();
    m_clickRaised = false;
}
