#pragma once

#include <QString>
#include <QUrl>

// The address a page target stands for: "file://" followed by a local path
// (with '/' separators) or a web address. The path part goes through
// QUrl::fromLocalFile, so a folder name holding spaces, '#' or '%' still names
// the file on disk.
QUrl PageUrl(const QString &target);

// Opens a help page or the web site in the user's browser; false when the
// system could not hand it to one.
bool OpenPage(const QString &target);
