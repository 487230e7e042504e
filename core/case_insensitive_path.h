#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// File and library names are matched without regard to letter case, as on the
// file systems the program was first made for: "Settings.ini" and
// "settings.ini" are one file.
//
// Returns the path of the entry in `folder` whose name equals `name` ignoring
// case (the exact spelling wins when several match), or folder/name when there
// is none, so that a new file gets the spelling the program uses.
QString FindIgnoringCase(const QString &folder, const QString &name);

// One folder listed once, for many look-ups in it: Find gives what
// FindIgnoringCase would, as the folder stood when it was listed.
class FolderIgnoringCase {
public:
    explicit FolderIgnoringCase(const QString &folder);
    QString Find(const QString &name) const;

private:
    QString m_folder;
    QSet<QString> m_names;
    QHash<QString, QString> m_byFoldedName; // the first spelling in name order
};
