#include "windows/colouring/blob_box.h"

#include <QRegion>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "controls/hand_cursor.h"
#include "image/ratio_picture.h"
#include "sound/sound_effects.h"

namespace {

// A bubble picture on its black background as one with the background see-through,
// `pixels` large. Scaled with its background already gone, so that the rim blends
// with the box and not with black.
QImage SeeThroughSprite(const QImage &picture, QSize pixels)
{
    QImage sprite = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    sprite.setDevicePixelRatio(1);
    for (int y = 0; y < sprite.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(sprite.scanLine(y));
        for (int x = 0; x < sprite.width(); ++x)
            if ((row[x] & 0xFFFFFF) == 0)
                row[x] = 0;
    }
    if (sprite.size() != pixels)
        sprite = sprite.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return sprite;
}

int ToDevice(int layoutPixels, qreal ratio)
{
    return int(std::lround(layoutPixels * ratio));
}

} // namespace

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

void BlobBox::BuildBubbles(std::vector<QImage> pictures, float riseDivisor, int pickerIndex,
                           std::vector<QImage> sharp)
{
    m_pending = std::move(pictures);
    m_sharp = std::move(sharp);
    m_frameHoldsBubblesOnly = false; // the old bubbles' places are not known to the new ones
    m_spriteRatio = 0;
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
    m_spriteRatio = 0;
    m_built = true;
}

void BlobBox::RecolourBubbles(const std::function<void(QImage &picture, int index)> &recolour)
{
    if (m_built) {
        for (int i = 0; i < m_blobs.Count(); ++i)
            recolour(m_blobs.Sprite(i).image(), i);
    } else {
        for (std::size_t i = 0; i < m_pending.size(); ++i)
            recolour(m_pending[i], int(i));
    }
    for (std::size_t i = 0; i < m_sharp.size(); ++i)
        if (!m_sharp[i].isNull())
            recolour(m_sharp[i], int(i));
    m_spriteRatio = 0; // the drawn sprites are made again in the new colours
}

void BlobBox::ClearFrame(qreal ratio, const QRegion &bubbles)
{
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const bool kept = m_frame.size() == pixels && m_frame.devicePixelRatio() == ratio && m_frameHoldsBubblesOnly;
    if (m_frame.size() != pixels)
        m_frame = QImage(pixels, QImage::Format_RGB32);
    m_frame.setDevicePixelRatio(ratio);
    if (!kept) {
        m_frame.fill(palette().color(QPalette::Window));
        m_frameHoldsBubblesOnly = true;
        return;
    }
    // Everything but the bubbles' last places is background already.
    QPainter dc(&m_frame);
    for (const QRect &area : bubbles)
        dc.fillRect(area, palette().color(QPalette::Window));
}

void BlobBox::MakeSprites(qreal ratio)
{
    m_sprites.assign(std::size_t(m_blobs.Count()), QImage());
    for (int i = 0; i < m_blobs.Count(); ++i) {
        const cNDib &plain = m_blobs.Sprite(i);
        if (plain.Width() == 0)
            continue; // not drawn at the plain size either
        const std::size_t at = std::size_t(i);
        const QImage &picture = at < m_sharp.size() && !m_sharp[at].isNull() ? m_sharp[at] : plain.image();
        // The plain picture's size in layout pixels, whatever the sharp one was drawn at.
        m_sprites[at] = SeeThroughSprite(picture, (QSizeF(plain.Width(), plain.Height()) * ratio).toSize());
    }
    m_spriteRatio = ratio;
}

int BlobBox::AnimateAt(qreal ratio, const QRegion &bubbles)
{
    if (m_spriteRatio != ratio || int(m_sprites.size()) != m_blobs.Count())
        MakeSprites(ratio);
    ClearFrame(ratio, bubbles);
    m_frame.setDevicePixelRatio(1); // drawn in the screen's pixels
    int departed = 0;
    {
        QPainter dc(&m_frame);
        // PaletteBlobs::Animate, each bubble drawn where its plain picture would be.
        for (int i = 0; i < m_blobs.Count(); ++i) {
            const bool leftTheTop = m_blobs.Move(i);
            const QImage &sprite = m_sprites[std::size_t(i)];
            if (!sprite.isNull()) {
                const QPoint at = m_blobs.DrawPosition(i);
                dc.drawImage(QPoint(ToDevice(at.x(), ratio), ToDevice(at.y(), ratio)), sprite);
            }
            if (leftTheTop) {
                m_blobs.Respawn(i, m_blobs.RiseDivisor());
                ++departed;
            }
        }
    }
    m_frame.setDevicePixelRatio(ratio);
    return departed;
}

void BlobBox::Tick()
{
    // A hidden box gets its resize event only when shown.
    BuildWhenSized();
    if (size().isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    // Only where a bubble was or now is needs painting: the rest of the box is
    // plain background every tick. On a big screen the whole box is a lot of
    // pixels to send sixty times a second.
    QRegion changed = BubbleAreas();
    int departed = 0;
    if (ratio == 1) {
        ClearFrame(1, changed);
        QPainter dc(&m_frame);
        departed = m_blobs.Animate(dc);
    } else {
        departed = AnimateAt(ratio, changed);
    }
    for (int i = 0; m_sounds && i < departed; ++i)
        m_sounds->PlaySoundEffect(SoundKind::kBubblePop);
    changed += BubbleAreas();
    update(changed);
}

QRegion BlobBox::BubbleAreas() const
{
    QRegion areas;
    for (int i = 0; i < m_blobs.Count(); ++i) {
        const cNDib &sprite = m_blobs.Sprite(i);
        // A pixel more all round: a sharper sprite is placed in device pixels.
        areas += QRect(m_blobs.DrawPosition(i), QSize(sprite.Width(), sprite.Height())).adjusted(-1, -1, 1, 1) & rect();
    }
    return areas;
}

void BlobBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_frame.devicePixelRatio() == devicePixelRatioF() && m_frame.deviceIndependentSize().toSize() == size())
        painter.drawImage(0, 0, m_frame);
    else
        painter.fillRect(rect(), palette().color(QPalette::Window)); // until the next tick draws at this scale
}

void BlobBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_frameHoldsBubblesOnly = false;
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

std::vector<QImage> LoadNumberedPicturesForRatio(const QString &folder, int count, qreal devicePixelRatio)
{
    std::vector<QImage> pictures;
    pictures.reserve(std::size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        QImage picture = ReadPictureForRatio(QStringLiteral("%1/%2.png").arg(folder).arg(i), devicePixelRatio);
        if (!picture.isNull())
            picture = picture.convertToFormat(QImage::Format_RGB32); // keeps its ratio
        pictures.push_back(picture);
    }
    return pictures;
}

std::vector<QImage> LoadNumberedPicturesForScreens(const QString &folder, int count)
{
    const qreal sharpest = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (sharpest <= 1)
        return {}; // the plain pictures are drawn as they are
    return LoadNumberedPicturesForRatio(folder, count, sharpest);
}
