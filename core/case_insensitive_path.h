#pragma once

#include <QString>

// File and library names are matched without regard to letter case, as on the
// file systems the program was first made for: "Settings.ini" and
// "settings.ini" are one file.
//
// Returns the path of the entry in `folder` whose name equals `name` ignoring
// case (the exact spelling wins when several match), or folder/name when there
// is none, so that a new file gets the spelling the program uses.
QString FindIgnoringCase(const QString &folder, const QString &name);
