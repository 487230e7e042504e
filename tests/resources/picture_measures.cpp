#include "tests/resources/picture_measures.h"

#include <algorithm>
#include <vector>

namespace PictureMeasures {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;

bool IsBlack(const QImage &image, int x, int y)
{
    return (image.pixel(x, y) & kColourBits) == kBlack;
}

// The page's black pixels inside a black margin.
class BlackMask {
public:
    BlackMask(const QImage &image, int margin)
        : m_margin(margin), m_stride(image.width() + 2 * margin),
          m_black(size_t(m_stride) * (image.height() + 2 * margin), 1)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                m_black[Index(x, y)] = IsBlack(image, x, y);
    }

    // Page coordinates; anything within the margin is black.
    bool black(int x, int y) const { return m_black[Index(x, y)]; }

private:
    size_t Index(int x, int y) const { return size_t(y + m_margin) * m_stride + (x + m_margin); }

    int m_margin;
    int m_stride;
    std::vector<char> m_black;
};

} // namespace

QPoint GreyPixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) & kColourBits;
            if (colour != kBlack && colour != kWhite)
                return QPoint(x, y);
        }
    return QPoint(-1, -1);
}

QPoint ThinLinePixel(const QImage &image, int lineWidth)
{
    const int n = lineWidth;
    const BlackMask mask(image, n);
    const int w = image.width();
    const int h = image.height();
    // covered[(y + 1) * (w + 2) + x + 1]: (x, y) lies in an all-black n x n
    // square; a one-pixel ring around the page keeps the look-ups below simple.
    std::vector<char> covered(size_t(w + 2) * (h + 2), 0);
    const auto cell = [&](int x, int y) { return size_t(y + 1) * (w + 2) + x + 1; };
    for (int y = -n; y <= h; ++y)
        for (int x = -n; x <= w; ++x) {
            bool solid = true;
            for (int dy = 0; dy < n && solid; ++dy)
                for (int dx = 0; dx < n && solid; ++dx)
                    solid = mask.black(x + dx, y + dy);
            if (!solid)
                continue;
            for (int cy = std::max(y, -1); cy < std::min(y + n, h + 1); ++cy)
                for (int cx = std::max(x, -1); cx < std::min(x + n, w + 1); ++cx)
                    covered[cell(cx, cy)] = 1;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!mask.black(x, y))
                continue;
            bool near = false;
            for (int cy = y - 1; cy <= y + 1 && !near; ++cy)
                for (int cx = x - 1; cx <= x + 1 && !near; ++cx)
                    near = covered[cell(cx, cy)];
            if (!near)
                return QPoint(x, y);
        }
    return QPoint(-1, -1);
}

int LargestSquare(const QImage &image, const QRect &bounds, QRgb colour)
{
    // Each entry is the side of the largest square ending at that pixel.
    std::vector<int> above(bounds.width() + 1, 0);
    std::vector<int> row(bounds.width() + 1, 0);
    int best = 0;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        for (int i = 1; i <= bounds.width(); ++i) {
            const bool inside = image.pixel(bounds.left() + i - 1, y) == colour;
            row[i] = inside ? 1 + std::min({above[i], above[i - 1], row[i - 1]}) : 0;
            best = std::max(best, row[i]);
        }
        std::swap(above, row);
    }
    return best;
}

} // namespace PictureMeasures
