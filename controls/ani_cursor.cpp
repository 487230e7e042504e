#include "controls/ani_cursor.h"

#include <QImageReader>
#include <QPixmap>

#include <algorithm>

#include "canvas/colouring_tools.h"
#include "resources/cursor_table.h"
#include "resources/resource_names.h"

std::optional<QCursor> cAniCursor::Load(int number)
{
    const CursorTable::Entry *entry = CursorTable::Find(number);
    if (!entry)
        return std::nullopt;
    QImageReader reader(ResourceNames::Cursor(number));
    reader.setScaledSize(QSize(entry->width, entry->height));
    const QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(picture), entry->hotX, entry->hotY);
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
