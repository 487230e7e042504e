#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// A picture pack is one file carrying a whole book: the header text (the book
// name, then "|" and a file name per picture, in Windows-1252 on every system),
// then for each picture the pack marker followed by the picture's bytes. There
// are no lengths or counts: the marker alone separates the parts.

// kMaxPackBytes: the largest pack made or read.
#include "core/limits.h"

struct PackPicture {
    QString fileName; // bare name with its extension, no folder
    QByteArray bytes;
};

// Builds a pack's bytes. Fails (empty bytes, `error` set) when a name cannot be
// stored: one Windows-1252 cannot spell, or one that is not a plain name
// (which includes "|", which would split the header in the wrong place), or
// when a picture's bytes hold the marker, which would split the pack there.
QByteArray BuildPack(const QString &bookName, const QList<PackPicture> &pictures, QString &error);

// A pack read back. `parts` view into the bytes given to SplitPack, which must
// outlive them.
struct PackContents {
    bool hasMarker = false;  // false: not a pack at all (also for an empty file)
    QStringList names;       // names[0] the book, names[i] the file name of parts[i - 1]
    QList<QByteArrayView> parts;
};

PackContents SplitPack(QByteArrayView bytes);
