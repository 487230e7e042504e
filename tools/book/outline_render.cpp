#include "tools/book/outline_render.h"

#include <QPainter>
#include <QSvgRenderer>

namespace OutlineRender {

QImage Render(QSvgRenderer &svg, QSize size)
{
    QImage grey(size, QImage::Format_RGB32);
    grey.fill(Qt::white);
    {
        QPainter painter(&grey);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(QPointF(0, 0), size));
    }

    QImage mono(size, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < size.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(grey.constScanLine(y));
        for (int x = 0; x < size.width(); ++x)
            mono.setPixel(x, y, qGray(row[x]) < kThreshold ? 0 : 1);
    }
    return mono;
}

QImage RenderFile(const QString &svgPath, QSize size)
{
    QSvgRenderer svg(svgPath);
    if (!svg.isValid())
        return {};
    return Render(svg, size);
}

} // namespace OutlineRender
