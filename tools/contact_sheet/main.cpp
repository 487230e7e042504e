// Lays every picture under resources/ onto one labelled sheet to judge them
// together: faces by button, cursors with their hot spots, brush textures,
// palette bubbles, shades, the icon and the window backgrounds.
//   velmora_contact_sheet <resources folder> <sheet.png>

#include "tools/contact_sheet/contact_sheet.h"
#include "tools/contact_sheet/sections.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: velmora_contact_sheet <resources folder> <sheet.png>" << Qt::endl;
        return 2;
    }
    const QDir resources(args.at(1));
    if (!resources.exists()) {
        err << "velmora_contact_sheet: no folder " << args.at(1) << Qt::endl;
        return 1;
    }
    ContactSheet sheet(1200);
    Sections::ButtonFaces(sheet, resources);
    Sections::Cursors(sheet, resources);
    Sections::Folder(sheet, resources, QStringLiteral("brushes"), QStringLiteral("Brush textures"), 1);
    Sections::Folder(sheet, resources, QStringLiteral("palette"), QStringLiteral("Palette bubbles"), 2);
    Sections::Folder(sheet, resources, QStringLiteral("shades"), QStringLiteral("Shade pictures"), 1);
    Sections::Icon(sheet, resources);
    Sections::Folder(sheet, resources, QStringLiteral("backgrounds"), QStringLiteral("Window backgrounds"), 1);
    if (!sheet.render().save(args.at(2), "PNG")) {
        err << "velmora_contact_sheet: cannot write " << args.at(2) << Qt::endl;
        return 1;
    }
    return 0;
}
