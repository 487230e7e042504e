#include "platform/screen_scaling.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

#include "platform/display_scale.h"

namespace {

void ScaleScreen(QScreen *screen)
{
    const QPlatformScreen *native = screen ? screen->handle() : nullptr;
    if (!native)
        return;
    // What the platform scales by itself (a Wayland output's buffer scale) stays
    // with it; Qt's own factor makes up the rest.
    const qreal platformRatio = native->devicePixelRatio() > 0 ? native->devicePixelRatio() : 1.0;
    const QSize devicePixels = native->geometry().size() * platformRatio;
    QHighDpiScaling::setScreenFactor(screen, ChildScaleFor(devicePixels) / platformRatio);
}

} // namespace

void ScaleScreensForChildren()
{
    QHighDpiScaling::setGlobalFactor(1.0);
    for (QScreen *screen : QGuiApplication::screens())
        ScaleScreen(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, qGuiApp, &ScaleScreen);
}
