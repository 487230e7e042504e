#include "image/dib_section.h"

#include <cstring>
#include <limits>
#include <new>

#include "core/limits.h"

bool cDIBSection::Allocate(int width, int height)
{
    ClearUp();
    if (width < 1 || height < 1 || width > (std::numeric_limits<int>::max() - 3) / 3)
        return false;
    const std::int64_t bytes = std::int64_t(StrideFor(width)) * height;
    if (bytes > kMaxBitmapBufferBytes)
        return false;
    m_bits.reset(new (std::nothrow) std::uint8_t[size_t(bytes)]);
    if (!m_bits)
        return false;
    m_width = width;
    m_height = height;
    return true;
}

bool cDIBSection::Create(int width, int height)
{
    if (!Allocate(width, height))
        return false;
    std::memset(m_bits.get(), 0, size_t(BytesPerScanLine()) * size_t(m_height));
    return true;
}

void cDIBSection::CreateFromPicture(const QImage &picture)
{
    if (picture.isNull() || !Allocate(picture.width(), picture.height())) {
        ClearUp();
        return;
    }
    const QImage source = (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    if (source.isNull()) {
        ClearUp();
        return;
    }
    const int stride = BytesPerScanLine();
    const int padding = stride - m_width * 3;
    for (int row = 0; row < m_height; ++row) {
        // The first row in memory is the bottom row of the picture.
        const QRgb *from = reinterpret_cast<const QRgb *>(source.constScanLine(m_height - 1 - row));
        std::uint8_t *to = m_bits.get() + size_t(row) * size_t(stride);
        for (int x = 0; x < m_width; ++x) {
            *to++ = std::uint8_t(qBlue(from[x]));
            *to++ = std::uint8_t(qGreen(from[x]));
            *to++ = std::uint8_t(qRed(from[x]));
        }
        std::memset(to, 0, size_t(padding));
    }
}

void cDIBSection::ClearUp()
{
    m_bits.reset();
    m_width = 0;
    m_height = 0;
}
