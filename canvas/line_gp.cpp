#include "canvas/line_gp.h"

#include <algorithm>
#include <cstdlib>

#include "canvas/colour_jitter.h"

namespace {

// The drawing state of one line: its colour split once (SetRGBComponents),
// the canvas and the region test, with the pixels reached directly.
class LinePlotter {
public:
    LinePlotter(cNDib &canvas, const cNDib &mask, qint32 colour, qint32 workOnColour)
        : m_pixels(reinterpret_cast<QRgb *>(canvas.image().bits())), // detaches here, once, if shared
          m_stride(canvas.image().bytesPerLine() / 4), m_width(canvas.Width()), m_height(canvas.Height()),
          m_mask(reinterpret_cast<const QRgb *>(mask.image().constBits())),
          m_maskStride(mask.image().bytesPerLine() / 4), m_maskWidth(mask.Width()), m_maskHeight(mask.Height()),
          m_colour(PixelOfColourValue(colour)), m_parts(SplitColour(colour)),
          m_workOn(PixelOfColourValue(workOnColour) & 0x00FFFFFF)
    {
    }

    // Sets the pixel to the line colour itself.
    void Plot(int x, int y)
    {
        if (Paintable(x, y))
            m_pixels[y * m_stride + x] = m_colour;
    }

    // One antialiased pixel: `intensity` 0..255 of the line colour over what is
    // there, the sum divided by 256 (so full intensity is only reached from 253 up).
    void BlendPlot(int x, int y, int intensity)
    {
        if (intensity >= 253) {
            Plot(x, y);
            return;
        }
        if (!Paintable(x, y))
            return;
        QRgb &pixel = m_pixels[y * m_stride + x];
        const int rest = 255 - intensity;
        const int red = (m_parts.red * intensity + qRed(pixel) * rest) / 256;
        const int green = (m_parts.green * intensity + qGreen(pixel) * rest) / 256;
        const int blue = (m_parts.blue * intensity + qBlue(pixel) * rest) / 256;
        pixel = qRgb(red, green, blue);
    }

private:
    // On the canvas, and the region test passes there (the mask read clamped to its edges).
    bool Paintable(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height || !m_mask)
            return false;
        const QRgb mask = m_mask[std::min(y, m_maskHeight - 1) * m_maskStride + std::min(x, m_maskWidth - 1)];
        return (mask & 0x00FFFFFF) == m_workOn;
    }

    QRgb *m_pixels;
    qsizetype m_stride;
    int m_width;
    int m_height;
    const QRgb *m_mask;
    qsizetype m_maskStride;
    int m_maskWidth;
    int m_maskHeight;
    QRgb m_colour;
    ColourParts m_parts;
    QRgb m_workOn;
};

} // namespace

QRect LineGP(cNDib &canvas, const cNDib &mask, qint16 X1, qint16 Y1, qint16 X2, qint16 Y2, qint32 colour,
             qint32 workOnColour)
{
    int dx = X2 - X1;
    int dy = Y2 - Y1;
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    dx = std::abs(dx);
    dy = std::abs(dy);
    if (dx + dy == 0 || workOnColour < 0 || workOnColour > 0xFFFFFF)
        return {};

    LinePlotter plot(canvas, mask, colour, workOnColour);
    const bool steep = dy >= dx;
    const int major = steep ? dy : dx;
    const int minor = steep ? dx : dy;
    const int e = (minor * 85) / major;

    // End caps.
    plot.BlendPlot(X1 - sx, Y1 - sy, e);
    if (steep)
        plot.BlendPlot(X1, Y1 - sy, 127);
    else
        plot.BlendPlot(X1 - sx, Y1, 127);
    plot.BlendPlot(X2 + sx, Y2 + sy, e);
    if (steep)
        plot.BlendPlot(X2, Y2 + sy, 127);
    else
        plot.BlendPlot(X2 + sx, Y2, 127);

    int acc = major / 2;
    int x = X1;
    int y = Y1;
    for (int step = 0; step <= major; ++step) {
        plot.Plot(x, y);
        const int w = (acc * 255) / major;
        if (steep) {
            plot.BlendPlot(x - sx, y, 255 - w);
            plot.BlendPlot(x + sx, y, w);
        } else {
            plot.BlendPlot(x, y - sy, 255 - w);
            plot.BlendPlot(x, y + sy, w);
        }
        acc += minor;
        if (acc >= major) { // a step along the minor axis
            acc -= major;
            if (steep)
                x += sx;
            else
                y += sy;
        }
        if (steep)
            y += sy;
        else
            x += sx;
    }

    // Everything drawn lies within one pixel of the line's bounding box.
    const QRect box = QRect(QPoint(std::min<int>(X1, X2), std::min<int>(Y1, Y2)),
                            QPoint(std::max<int>(X1, X2), std::max<int>(Y1, Y2)))
                          .adjusted(-1, -1, 1, 1);
    return box & canvas.image().rect();
}
