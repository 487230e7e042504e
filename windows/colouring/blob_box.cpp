#include "windows/colouring/blob_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "sound/sound_effects.h"
#include "controls/hand_cursor.h"

BlobBox::BlobBox(SoundEffects *sounds, RandomSource random, QWidget *parent)
    : QWidget(parent), m_sounds(sounds), m_blobs(std::move(random))
{
    // The whole box is drawn from the frame: nothing behind it needs repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xDD, 0xF1, 0xFF));
    setPalette(colours);
    setCursor(HandCursor());
}

void BlobBox::BuildBubbles(std::vector<QImage> pictures, float riseDivisor, int pickerIndex)
{
    m_pending = std::move(pictures);
    m_riseDivisor = riseDivisor;
    m_pickerIndex = pickerIndex;
    m_built = false;
    BuildWhenSized();
}

void BlobBox::BuildWhenSized()
{
    // A box not laid out yet has a made-up size; its bubbles would start
    // inside it once it is laid out.
    if (m_built || m_pending.empty() || !testAttribute(Qt::WA_Resized) || size().isEmpty())
        return;
    m_blobs.Build(m_pending, size(), m_riseDivisor, m_pickerIndex);
    m_pending.clear();
    m_built = true;
}

void BlobBox::ClearFrame()
{
    if (m_frame.size() != size())
        m_frame = QImage(size(), QImage::Format_RGB32);
    m_frame.fill(palette().color(QPalette::Window));
}

void BlobBox::Tick()
{
    // A hidden box gets its resize event only when shown.
    BuildWhenSized();
    if (size().isEmpty())
        return;
    ClearFrame();
    int departed = 0;
    {
        QPainter dc(&m_frame);
        departed = m_blobs.Animate(dc);
    }
    for (int i = 0; m_sounds && i < departed; ++i)
        m_sounds->PlaySoundEffect(SoundKind::kBubblePop);
    update();
}

void BlobBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_frame.size() == size())
        painter.drawImage(0, 0, m_frame);
    else
        painter.fillRect(rect(), palette().color(QPalette::Window));
}

void BlobBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    BuildWhenSized();
    m_blobs.SetBox(size());
}

void BlobBox::mousePressEvent(QMouseEvent *event)
{
    emit Pressed(event->position());
}

void BlobBox::mouseReleaseEvent(QMouseEvent *)
{
    emit Released();
}
