#include "image/pixel_image.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/rounding.h"

bool cNDib::Make_From_Picture(const QImage &picture)
{
    if (picture.isNull()) {
        m_image = QImage();
        return false;
    }
    if (picture.format() != QImage::Format_RGB32) {
        m_image = picture.convertToFormat(QImage::Format_RGB32); // a fresh buffer of our own
        return !m_image.isNull();
    }
    // Reuse our own buffer when it fits: a fresh multi-megabyte allocation costs
    // more in page faults than the copy itself.
    if (m_image.size() != picture.size() || !m_image.isDetached()) {
        m_image = picture.copy();
        return !m_image.isNull();
    }
    const size_t rowBytes = size_t(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(m_image.scanLine(y), picture.constScanLine(y), rowBytes);
    return true;
}

void cNDib::Set_dib(QImage &surface, bool resize) const
{
    if (resize || surface.isNull()) {
        if (resize)
            surface = m_image;
        return;
    }
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_image);
}

int cNDib::Set_dib_Area(int destX, int destY, int sourceX, int sourceY, int width, int height, QPainter &dc) const
{
    const QRect source = QRect(sourceX, sourceY, width, height).intersected(m_image.rect());
    if (source.isEmpty())
        return 0;
    // Keep the destination in step with any part of the rectangle cut off at the top or left.
    const QPoint dest(destX + (source.x() - sourceX), destY + (source.y() - sourceY));
    const QPainter::CompositionMode before = dc.compositionMode();
    dc.setCompositionMode(QPainter::CompositionMode_Source);
    dc.drawImage(dest, m_image, source);
    dc.setCompositionMode(before);
    return source.height();
}

void cNDib::Bit_Blt_Dib(int destX, int destY, QPainter &dc, RasterOperation operation) const
{
    if (m_image.isNull())
        return;
    QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
    if (operation == RasterOperation::SrcAnd)
        mode = QPainter::RasterOp_SourceAndDestination;
    else if (operation == RasterOperation::SrcPaint)
        mode = QPainter::RasterOp_SourceOrDestination;
    const QPainter::CompositionMode before = dc.compositionMode();
    dc.setCompositionMode(mode);
    dc.drawImage(destX, destY, m_image);
    dc.setCompositionMode(before);
}

void cNDib::Stretch_dib_area(int destX, int destY, int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                             int destWidth, int destHeight, QPainter &dc) const
{
    if (m_image.isNull() || sourceWidth <= 0 || sourceHeight <= 0 || destWidth <= 0 || destHeight <= 0)
        return;
    dc.save();
    dc.setRenderHint(QPainter::SmoothPixmapTransform, true);
    dc.setCompositionMode(QPainter::CompositionMode_Source);
    dc.drawImage(QRect(destX, destY, destWidth, destHeight), m_image,
                 QRect(sourceX, sourceY, sourceWidth, sourceHeight));
    dc.restore();
}

void cNDib::Set_dib_Fit(QPainter &dc, int boxX, int boxY, int boxWidth, int boxHeight) const
{
    if (m_image.isNull() || boxWidth <= 0 || boxHeight <= 0)
        return;
    const QRect fit = FitRect(m_image.size(), QRect(boxX, boxY, boxWidth, boxHeight));
    Stretch_dib_area(fit.x(), fit.y(), 0, 0, Width(), Height(), fit.width(), fit.height(), dc);
}

QRect FitRect(QSize size, QRect box)
{
    if (size.isEmpty() || box.isEmpty())
        return QRect();
    const double scale = std::min(double(box.width()) / size.width(), double(box.height()) / size.height());
    const int width = std::max(1, int(RoundHalfEven(size.width() * scale)));
    const int height = std::max(1, int(RoundHalfEven(size.height() * scale)));
    const int x = box.x() + int(RoundHalfEven((box.width() - width) / 2.0));
    const int y = box.y() + int(RoundHalfEven((box.height() - height) / 2.0));
    return QRect(x, y, width, height);
}

qint32 cNDib::Get_Pixel_Long(int x, int y) const
{
    if (m_image.isNull())
        return 0;
    x = std::clamp(x, 0, Width() - 1);
    y = std::clamp(y, 0, Height() - 1);
    return ColourValueOf(constScanLine(y)[x]);
}

void cNDib::Get_Pixel(int x, int y, quint8 &red, quint8 &green, quint8 &blue) const
{
    if (!Contains(x, y))
        return;
    const QRgb pixel = constScanLine(y)[x];
    red = quint8(qRed(pixel));
    green = quint8(qGreen(pixel));
    blue = quint8(qBlue(pixel));
}

void cNDib::Set_Pixel(int x, int y, quint8 red, quint8 green, quint8 blue)
{
    if (!Contains(x, y))
        return;
    scanLine(y)[x] = qRgb(red, green, blue);
}

quint8 cNDib::Get_Channel(int x, int y, int channel) const
{
    if (m_image.isNull())
        return 0;
    x = std::clamp(x, 0, Width() - 1);
    y = std::clamp(y, 0, Height() - 1);
    const QRgb pixel = constScanLine(y)[x];
    switch (channel) {
    case 0: return quint8(qBlue(pixel));
    case 1: return quint8(qGreen(pixel));
    case 2: return quint8(qRed(pixel));
    case 3: return quint8(qAlpha(pixel));
    default: return 0;
    }
}
