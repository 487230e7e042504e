#include "canvas/flood_fill.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF; // the unused byte of Format_RGB32 is not part of the colour
constexpr QRgb kWhite = 0x00FFFFFF;
const QRgb kRed = qRgb(255, 0, 0);

// A run of pixels on row y - dy whose neighbours on row y are still to be
// looked at; dy is the direction the fill was travelling.
struct PendingSpan {
    int y;
    int left;
    int right;
    int dy;
};

class ScanlineFill {
public:
    explicit ScanlineFill(QImage &picture)
        : m_bits(reinterpret_cast<QRgb *>(picture.bits())), m_stride(picture.bytesPerLine() / 4),
          m_width(picture.width()), m_height(picture.height())
    {
    }

    // Span fill after Heckbert ("A Seed Fill Algorithm", Graphics Gems, 1990):
    // each pixel is read a small constant number of times.
    FloodFillResult Run(QPoint start)
    {
        Push(start.y(), start.x(), start.x(), 1);
        Push(start.y() + 1, start.x(), start.x(), -1);
        while (!m_stack.empty()) {
            const PendingSpan span = m_stack.back();
            m_stack.pop_back();
            const int y = span.y + span.dy;
            const int dy = span.dy;
            QRgb *row = m_bits + qsizetype(y) * m_stride;

            int x = span.left;
            while (x >= 0 && IsWhite(row[x]))
                row[x--] = kRed;
            int left = x + 1;
            bool skip = x >= span.left;
            if (!skip) {
                if (left < span.left)
                    Push(y, left, span.left - 1, -dy); // leaked out on the left
                x = span.left + 1;
            }
            do {
                if (!skip) {
                    while (x < m_width && IsWhite(row[x]))
                        row[x++] = kRed;
                    Record(y, left, x - 1);
                    Push(y, left, x - 1, dy);
                    if (x > span.right + 1)
                        Push(y, span.right + 1, x - 1, -dy); // leaked out on the right
                }
                skip = false;
                for (++x; x <= span.right && !IsWhite(row[x]); ++x) {
                }
                left = x;
            } while (x <= span.right);
        }
        return Result();
    }

private:
    static bool IsWhite(QRgb pixel) { return (pixel & kColourBits) == kWhite; }

    void Push(int y, int left, int right, int dy)
    {
        const int next = y + dy;
        if (next >= 0 && next < m_height)
            m_stack.push_back({y, left, right, dy});
    }

    void Record(int y, int left, int right)
    {
        m_left = std::min(m_left, left);
        m_right = std::max(m_right, right);
        m_top = std::min(m_top, y);
        m_bottom = std::max(m_bottom, y);
        m_pixelCount += right - left + 1;
    }

    FloodFillResult Result() const
    {
        if (m_pixelCount == 0)
            return {};
        return {true, QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom)), m_pixelCount};
    }

    QRgb *m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
    std::vector<PendingSpan> m_stack;
    int m_left = std::numeric_limits<int>::max();
    int m_right = -1;
    int m_top = std::numeric_limits<int>::max();
    int m_bottom = -1;
    qint64 m_pixelCount = 0;
};

} // namespace

FloodFillResult FloodFillWhite(QImage &picture, QPoint start)
{
    if (picture.format() != QImage::Format_RGB32 || !picture.rect().contains(start))
        return {};
    if ((picture.pixel(start) & kColourBits) != kWhite)
        return {};
    return ScanlineFill(picture).Run(start);
}

FloodFillResult FloodFillWhite(cNDib &picture, QPoint start)
{
    return FloodFillWhite(picture.image(), start);
}
