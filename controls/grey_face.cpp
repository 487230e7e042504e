#include "controls/grey_face.h"

#include <algorithm>

#include "image/pixel_image.h"

quint8 GreyLevel(quint8 red, quint8 green, quint8 blue)
{
    // In thousandths, so that a level exactly halfway is seen as such and goes
    // to the even neighbour; in floating point 24.5 may come out as 24.500000001.
    const int thousandths = red * 255 + green * 587 + blue * 114;
    int level = thousandths / 1000;
    const int rest = thousandths % 1000;
    if (rest > 500 || (rest == 500 && level % 2 == 1))
        ++level;
    return quint8(std::min(level, 255));
}

void TurnGrey(cNDib &image)
{
    for (int y = 0; y < image.Height(); ++y) {
        QRgb *row = image.scanLine(y);
        for (int x = 0; x < image.Width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF)
                continue;
            const quint8 g = GreyLevel(quint8(qRed(row[x])), quint8(qGreen(row[x])), quint8(qBlue(row[x])));
            row[x] = qRgb(g, g, g);
        }
    }
}
