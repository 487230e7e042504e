#pragma once

#include <QCursor>

#include "controls/ani_cursor.h"

// The pointing hand (cursor 101) that marks everything a child can press.
inline QCursor HandCursor()
{
    return cAniCursor::Load(101).value_or(QCursor(Qt::PointingHandCursor));
}
