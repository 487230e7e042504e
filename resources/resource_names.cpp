#include "resources/resource_names.h"

namespace ResourceNames {

QString Face(int number)
{
    return QStringLiteral(":/faces/%1.png").arg(number);
}

QString NamedFace(const QString &name)
{
    return QStringLiteral(":/faces/%1.png").arg(name);
}

QString Cursor(int number)
{
    return QStringLiteral(":/cursors/%1.png").arg(number);
}

QString Sound(const QString &name)
{
    return QStringLiteral(":/sounds/%1.wav").arg(name);
}

} // namespace ResourceNames
