#include "controls/ani_cursor.h"

#include <QGuiApplication>
#include <QPixmap>

#include <algorithm>
#include <cmath>

#include "canvas/colouring_tools.h"
#include "image/ratio_picture.h"
#include "resources/cursor_table.h"
#include "resources/resource_names.h"

std::optional<QCursor> cAniCursor::Load(int number)
{
    return Load(number, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0, PlatformTakesHotSpotInPicturePixels());
}

std::optional<QCursor> cAniCursor::Load(int number, qreal devicePixelRatio, bool hotSpotInPicturePixels)
{
    const CursorTable::Entry *entry = CursorTable::Find(number);
    if (!entry)
        return std::nullopt;
    const qreal ratio = std::max<qreal>(devicePixelRatio, 1);
    QImage picture = ReadPictureForRatio(ResourceNames::Cursor(number), ratio);
    if (picture.isNull())
        return std::nullopt;
    // The tabled size on this screen, whichever picture was nearest.
    const QSize pixels = (QSizeF(entry->width, entry->height) * ratio).toSize();
    if (picture.size() != pixels)
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                      .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    QPoint hotSpot(entry->hotX, entry->hotY);
    if (hotSpotInPicturePixels) // the device pixel whose centre lies in the tabled pixel
        hotSpot = QPoint(int(std::lround(entry->hotX * ratio)), int(std::lround(entry->hotY * ratio)));
    return QCursor(QPixmap::fromImage(picture), hotSpot.x(), hotSpot.y());
}

bool cAniCursor::PlatformTakesHotSpotInPicturePixels()
{
    // Qt's X11 plugin hands the hot spot to the X server as it is, beside the
    // picture in its own pixels; the other platforms scale it by the picture's ratio.
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool cAniCursor::LoadFromResource(int number)
{
    Destroy();
    m_cursor = Load(number);
    return m_cursor.has_value();
}

void cAniCursor::SetAsDefaultCursor(QWidget *widget, bool state)
{
    if (!widget)
        return;
    auto found = std::find_if(m_saved.begin(), m_saved.end(), [widget](const Saved &s) { return s.widget == widget; });
    if (!state) {
        if (found != m_saved.end()) {
            Restore(*found);
            m_saved.erase(found);
        }
        return;
    }
    if (!m_cursor)
        return;
    if (found == m_saved.end())
        m_saved.push_back({widget, widget->testAttribute(Qt::WA_SetCursor), widget->cursor()});
    widget->setCursor(*m_cursor);
}

void cAniCursor::Destroy()
{
    for (const Saved &saved : m_saved)
        Restore(saved);
    m_saved.clear();
    m_cursor.reset();
}

void cAniCursor::Restore(const Saved &saved)
{
    if (!saved.widget)
        return;
    if (saved.hadOwnCursor)
        saved.widget->setCursor(saved.cursor);
    else
        saved.widget->unsetCursor();
}

void SetToolCursor(cAniCursor &cursor, QWidget *canvas, int tool, bool busy)
{
    if (busy) {
        cursor.Destroy();
        return;
    }
    if (cursor.LoadFromResource(CursorOfTool(tool)))
        cursor.SetAsDefaultCursor(canvas, true);
}
