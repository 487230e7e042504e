#include "controls/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/rounding.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackTwipsPerPixel = 15.0; // 96 dots per inch

double TwipsPerPixel(double dotsPerInch)
{
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : kFallbackTwipsPerPixel;
}

QScreen *Screen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

} // namespace

double TwipsPerPixelX()
{
    const QScreen *screen = Screen();
    return screen ? TwipsPerPixel(screen->logicalDotsPerInchX()) : kFallbackTwipsPerPixel;
}

double TwipsPerPixelY()
{
    const QScreen *screen = Screen();
    return screen ? TwipsPerPixel(screen->logicalDotsPerInchY()) : kFallbackTwipsPerPixel;
}

int TwipsToPixelsX(double twips)
{
    return int(RoundHalfEven(twips / TwipsPerPixelX()));
}

int TwipsToPixelsY(double twips)
{
    return int(RoundHalfEven(twips / TwipsPerPixelY()));
}

double PixelsToTwipsX(int pixels)
{
    return pixels * TwipsPerPixelX();
}

double PixelsToTwipsY(int pixels)
{
    return pixels * TwipsPerPixelY();
}
