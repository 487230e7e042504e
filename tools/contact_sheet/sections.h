#pragma once

#include <QDir>

class ContactSheet;

// Each adds one or two titled sections of the resources found under the
// given resources folder. A folder that is empty or missing gets a note.
namespace Sections {

void ButtonFaces(ContactSheet &sheet, const QDir &resources);
void Cursors(ContactSheet &sheet, const QDir &resources);
void Folder(ContactSheet &sheet, const QDir &resources, const QString &folder, const QString &title,
            int scale);
void Icon(ContactSheet &sheet, const QDir &resources);

} // namespace Sections
