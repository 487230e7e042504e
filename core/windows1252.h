#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The settings file and picture-pack headers are single-byte text in the
// Windows-1252 code page on every platform, so files move between systems
// unchanged. Characters the code page lacks are written as '?'.
QString FromWindows1252(const QByteArray &bytes);
QByteArray ToWindows1252(const QString &text);

// The characters of `text` the code page cannot hold, each once, in the order
// they first appear (an emoji is one character); empty when all can be kept.
QStringList Windows1252Lacks(const QString &text);
