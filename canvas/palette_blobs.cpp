#include "canvas/palette_blobs.h"

#include <QPainter>

#include <cmath>

#include "core/rounding.h"

PaletteBlobs::PaletteBlobs(RandomSource random) : m_random(random ? std::move(random) : UniformRandom) {}

void PaletteBlobs::Build(const std::vector<QImage> &pictures, QSize box, float riseDivisor, int pickerIndex)
{
    m_box = box;
    SetRiseDivisor(riseDivisor);
    const std::size_t count = pictures.size();
    m_sprites.assign(count, cNDib());
    m_masks.assign(count, cNDib());
    m_blobs.assign(count, PaletteBlob());
    for (std::size_t i = 0; i < count; ++i) {
        m_sprites[i].Make_From_Picture(pictures[i]);
        m_masks[i].Make_From_Picture(MaskOf(m_sprites[i].image()));
    }
    for (int i = 0; i < Count(); ++i) {
        PaletteBlob &blob = Blob(i);
        const cNDib &sprite = Sprite(i);
        blob.Radius = sprite.Width() / 2.0f;
        Respawn(i, m_riseDivisor);
        blob.Phase = float(m_random() * 2 * 3.14);
        blob.Colour = i == pickerIndex ? kPickerColour : sprite.Get_Pixel_Long(sprite.Width() / 2, sprite.Height() / 2);
    }
}

void PaletteBlobs::Respawn(int i, float riseDivisor)
{
    if (!(riseDivisor > 0))
        riseDivisor = kDefaultRiseDivisor;
    PaletteBlob &blob = Blob(i);
    blob.Y = float(m_random() * 20 + m_box.height() + blob.Radius);
    blob.X = float(m_random() * (m_box.width() - 2 * blob.Radius) + blob.Radius);
    blob.DriftY = float((-m_random() - 0.5) / riseDivisor);
}

bool PaletteBlobs::Move(int i)
{
    PaletteBlob &blob = Blob(i);
    blob.Phase += 0.1f;
    if (blob.Phase > 6.28f)
        blob.Phase = 0;
    blob.DriftX = std::sin(blob.Phase) * 0.2f;
    blob.Y += blob.DriftY;
    blob.X += blob.DriftX;
    return blob.Y < -blob.Radius;
}

QPoint PaletteBlobs::DrawPosition(int i) const
{
    const PaletteBlob &blob = Blob(i);
    const int left = int(RoundHalfEven(blob.X - blob.Radius));
    return {std::max(0, left), int(RoundHalfEven(blob.Y - blob.Radius))};
}

void PaletteBlobs::Draw(int i, QPainter &dc) const
{
    const QPoint at = DrawPosition(i);
    Mask(i).Bit_Blt_Dib(at.x(), at.y(), dc, RasterOperation::SrcAnd);
    Sprite(i).Bit_Blt_Dib(at.x(), at.y(), dc, RasterOperation::SrcPaint);
}

int PaletteBlobs::Animate(QPainter &dc)
{
    int departed = 0;
    for (int i = 0; i < Count(); ++i) {
        const bool leftTheTop = Move(i);
        Draw(i, dc);
        if (leftTheTop) {
            Respawn(i, m_riseDivisor);
            ++departed;
        }
    }
    return departed;
}

int PaletteBlobs::Pick(QPointF at) const
{
    for (int i = Count() - 1; i >= 0; --i) {
        const PaletteBlob &blob = Blob(i);
        if (Sprite(i).Width() == 0)
            continue; // a picture that could not be read has no bubble to press
        const double dx = at.x() - blob.X;
        const double dy = at.y() - blob.Y;
        if (std::sqrt(dx * dx + dy * dy) <= blob.Radius)
            return i;
    }
    return -1;
}

QImage MaskOf(const QImage &sprite)
{
    if (sprite.isNull())
        return {};
    const QImage source = sprite.convertToFormat(QImage::Format_RGB32);
    QImage mask(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = (in[x] & 0xFFFFFF) == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return mask;
}

std::vector<QImage> LoadNumberedPictures(const QString &folder, int count)
{
    std::vector<QImage> pictures;
    pictures.reserve(std::size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        QImage picture(QStringLiteral("%1/%2.png").arg(folder).arg(i));
        if (!picture.isNull())
            picture = picture.convertToFormat(QImage::Format_RGB32);
        pictures.push_back(picture);
    }
    return pictures;
}
