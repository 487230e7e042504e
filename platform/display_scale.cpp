#include "platform/display_scale.h"

#include <algorithm>

double ChildScaleFor(QSize devicePixels)
{
    if (devicePixels.isEmpty())
        return 1.0;
    const double across = double(devicePixels.width()) / kLayoutScreen.width();
    const double down = double(devicePixels.height()) / kLayoutScreen.height();
    return std::max(1.0, std::min(across, down));
}
