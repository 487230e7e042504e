#include "image/ratio_picture.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSharpestDrawn = 3; // @3x: a 4K screen is 2.8 times 1024 x 768

} // namespace

QString PictureNameAtRatio(const QString &path, int times)
{
    if (times <= 1)
        return path;
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const QString suffix = QStringLiteral("@%1x").arg(times);
    if (dot <= slash)
        return path + suffix;
    return path.left(dot) + suffix + path.mid(dot);
}

QImage ReadPictureForRatio(const QString &path, qreal devicePixelRatio)
{
    // A ratio a hair above a whole number is rounding, not a sharper screen.
    const int wanted = std::clamp(int(std::ceil(devicePixelRatio - 0.02)), 1, kSharpestDrawn);
    std::vector<int> order;
    for (int times = wanted; times <= kSharpestDrawn; ++times)
        order.push_back(times);
    for (int times = wanted - 1; times >= 1; --times)
        order.push_back(times);
    for (const int times : order) {
        QImage picture(PictureNameAtRatio(path, times));
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(times);
            return picture;
        }
    }
    return QImage();
}

QImage ReadPictureForScreens(const QString &path)
{
    return ReadPictureForRatio(path, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}
