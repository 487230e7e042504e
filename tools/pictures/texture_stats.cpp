#include "tools/pictures/texture_stats.h"

#include <cmath>

TextureStats MeasureTexture(const QImage &texture)
{
    const QImage grey = texture.convertToFormat(QImage::Format_Grayscale8);
    const double halfW = grey.width() / 2.0, halfH = grey.height() / 2.0;
    TextureStats stats;
    std::array<double, 6> sums{};
    double total = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            const int value = row[x];
            total += value;
            stats.darkest = std::min(stats.darkest, value);
            const double d = std::hypot((x + 0.5 - halfW) / halfW, (y + 0.5 - halfH) / halfH);
            const int ring = int(std::floor(d / 0.2 + 0.5));
            if (ring < 6) {
                sums[ring] += value;
                ++stats.ringPixels[ring];
            }
        }
    }
    stats.mean = total / (double(grey.width()) * grey.height());
    for (int k = 0; k < 6; ++k)
        stats.rings[k] = stats.ringPixels[k] ? sums[k] / stats.ringPixels[k] : 255.0;
    return stats;
}
