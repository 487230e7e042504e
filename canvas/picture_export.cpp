#include "canvas/picture_export.h"

#include <algorithm>

#include "core/rounding.h"

QString WithJpegExtension(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".jpg")) || fileName.endsWith(QLatin1String(".jpeg")))
        return fileName;
    return fileName + QLatin1String(".jpg");
}

QRect FitOnPage(QSizeF page, QSizeF picture)
{
    const double W = page.width(), H = page.height();
    const double w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return {};
    // First by the picture's longer side, then held inside the page both ways.
    double height = 0, width = 0;
    if (w <= h) {
        height = H;
        width = H / h * w;
    } else {
        width = W;
        height = W / w * h;
    }
    height = std::min(height, H);
    width = height / h * w;
    width = std::min(width, W);
    height = width / w * h;
    const double left = W / 2 - width / 2;
    const double top = H / 2 - height / 2;
    return QRect(int(RoundHalfEven(left)), int(RoundHalfEven(top)), int(RoundHalfEven(width)),
                 int(RoundHalfEven(height)));
}
