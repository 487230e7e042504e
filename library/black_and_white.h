#pragma once

#include <QImage>

// Books hold outline pictures only: every pixel pure black (0, 0, 0) or pure
// white (255, 255, 255), with no tolerance, so that the region fill finds
// closed areas. A grey of 254, 254, 254 or an anti-aliased edge fails.
bool IsBlackAndWhite(const QImage &picture);
