#include "controls/picture_button.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include "controls/grey_face.h"
#include "controls/twips.h"
#include "core/limits.h"
#include "core/rounding.h"

pButton::pButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true); // MouseMove is raised with no button held, too
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); // a layout must not stretch the picture
}

void pButton::picture(const QImage &picture)
{
    m_facePicture = picture;
    m_shown = nullptr;
    RebuildFace();
    ShowFace();
}

bool pButton::Picture2(const QString &fileName)
{
    QImageReader reader(fileName);
    reader.setAllocationLimit(kFaceAllocationLimitMb);
    reader.setAutoTransform(true);
    const QImage loaded = reader.read();
    if (loaded.isNull())
        return false;
    picture(loaded);
    return true;
}

void pButton::SetPicture(const QImage &up, const QImage &down, const QImage &pressed, const QImage &disabled)
{
    if (!up.isNull() && m_normal.Make_From_Picture(up)) {
        if (disabled.isNull()) {
            m_grey = m_normal;
            TurnGrey(m_grey);
        }
        // A picture drawn for a sharper screen lays out at its plain size.
        m_pictureRatio = up.devicePixelRatio() > 0 ? up.devicePixelRatio() : 1.0;
        resize(PictureSize());
        updateGeometry();
    }
    if (!down.isNull())
        m_down.Make_From_Picture(down);
    if (!pressed.isNull())
        m_pressedImage.Make_From_Picture(pressed);
    if (!disabled.isNull())
        m_disabled.Make_From_Picture(disabled);
    DrawEnabledState();
}

int pButton::Width() const
{
    return int(RoundHalfEven(PixelsToTwipsX(width())));
}

int pButton::Height() const
{
    return int(RoundHalfEven(PixelsToTwipsY(height())));
}

void pButton::SetWidth(int twips)
{
    resize(TwipsToPixelsX(twips), height());
}

void pButton::SetHeight(int twips)
{
    resize(width(), TwipsToPixelsY(twips));
}

void pButton::SetEnabled(bool enabled)
{
    if (enabled == isEnabled())
        DrawEnabledState();
    else
        setEnabled(enabled); // the change event draws
}

void pButton::SetPressed(bool pressed)
{
    m_pressed = pressed;
    Draw(pressed ? m_pressedImage : m_normal);
}

void pButton::SetToolText(const QString &text)
{
    m_toolText = text;
    setToolTip(text);
}

void pButton::SetOleDropMode(int mode)
{
    m_oleDropMode = mode;
    setAcceptDrops(mode != 0);
}

void pButton::SetLockRefresh(bool lock)
{
    m_lockRefresh = lock;
    if (!lock)
        repaint();
}

QSize pButton::sizeHint() const
{
    return m_normal.Width() > 0 ? PictureSize() : QWidget::sizeHint();
}

QSize pButton::PictureSize() const
{
    return (QSizeF(m_normal.Width(), m_normal.Height()) / m_pictureRatio).toSize();
}

void pButton::Draw(const cNDib &image)
{
    if (image.Width() == 0)
        return; // an absent picture draws nothing: the face keeps what it showed
    m_shown = &image;
    if (m_face.deviceIndependentSize().toSize() != size() || m_face.devicePixelRatio() != devicePixelRatioF())
        RebuildFace(); // draws m_shown
    else {
        QPainter painter(&m_face);
        image.Stretch_dib_area(0, 0, 0, 0, image.Width(), image.Height(), width(), height(), painter);
    }
    ShowFace();
}

void pButton::DrawEnabledState()
{
    if (isEnabled())
        Draw(m_normal);
    else
        Draw(m_disabled.Width() > 0 ? m_disabled : m_grey);
}

void pButton::RebuildFace()
{
    if (size().isEmpty()) {
        m_face = QImage();
        return;
    }
    // In the screen's own pixels, so that a sharper picture shows sharper.
    const qreal ratio = devicePixelRatioF();
    m_face = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_face.setDevicePixelRatio(ratio);
    m_face.fill(Qt::transparent);
    QPainter painter(&m_face);
    if (!m_facePicture.isNull())
        painter.drawImage(0, 0, m_facePicture);
    if (m_shown)
        m_shown->Stretch_dib_area(0, 0, 0, 0, m_shown->Width(), m_shown->Height(), width(), height(), painter);
}

void pButton::ShowFace()
{
    if (!m_lockRefresh)
        update();
}

void pButton::paintEvent(QPaintEvent *)
{
    if (!m_face.isNull() && m_face.devicePixelRatio() != devicePixelRatioF())
        RebuildFace(); // moved to a screen of another scale
    if (m_face.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_face);
}

void pButton::resizeEvent(QResizeEvent *)
{
    RebuildFace();
}

void pButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        DrawEnabledState();
        if (m_lockRefresh)
            return; // the base class would repaint
    }
    QWidget::changeEvent(event);
}

void pButton::mousePressEvent(QMouseEvent *event)
{
    Draw(m_down);
    emit MouseDown(event->button(), event->modifiers(), event->position());
}

void pButton::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(event->buttons(), event->modifiers(), event->position());
}

void pButton::mouseReleaseEvent(QMouseEvent *event)
{
    Draw(m_normal);
    SetPressed(m_pressed); // a latched button shows its pressed picture again
    emit MouseUp();
    // A click is a left press let go over the button; moving off first cancels it.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void pButton::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_oleDropMode != 0)
        event->acceptProposedAction();
}

void pButton::dropEvent(QDropEvent *event)
{
    emit OLEDragDrop(event->mimeData(), event->dropAction(), event->buttons(), event->modifiers(),
                     event->position());
    event->acceptProposedAction();
}
