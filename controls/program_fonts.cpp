#include "controls/program_fonts.h"

#include <QStringList>

namespace {

QFont FontOf(const QStringList &families, int pointSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont ChildFont(int pointSize, bool bold)
{
    return FontOf({QStringLiteral("Comic Neue"), QStringLiteral("Quicksand"), QStringLiteral("DejaVu Sans")},
                  pointSize, bold);
}

QFont ParentFont(int pointSize, bool bold)
{
    return FontOf({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")}, pointSize, bold);
}
