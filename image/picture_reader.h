#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Every picture the program opens (line art, coloured pictures, thumbnail files,
// pictures being added or packed) is read by ReadPicture, so that every window
// agrees on what a damaged picture is.

enum class PictureReadError {
    None,
    Missing,     // no file at that path
    NotAPicture, // empty, or not in a format we read
    Damaged,     // a known format that does not decode completely
    TooLarge,    // its header claims more pixels than we are willing to allocate
};

struct PictureRead {
    QImage image; // QImage::Format_RGB32 when ok
    PictureReadError error = PictureReadError::None;
    QString detail; // what went wrong, naming the file, for a grown-up's message or a log
    bool ok() const { return error == PictureReadError::None; }
};

// kMaxPicturePixels: the most pixels a picture may have.
#include "core/limits.h"

// Reads a BMP, GIF or JPEG file, whatever its extension says. The content decides
// the format; transparent pixels come out white (paper); the EXIF orientation is
// applied. A BMP reads upright whichever way its rows are stored, and its 16-bit
// channels are scaled to the full 0..255 (white is 255, 255, 255). When `decodeWithin` is valid, formats that can shrink while decoding
// (JPEG) may come out smaller, but never smaller than what fits `decodeWithin`
// with the aspect ratio kept; other formats come out at full size.
// Safe to call from several threads at once.
PictureRead ReadPicture(const QString &path, QSize decodeWithin = QSize());

// The same for a picture already in memory (a part of a picture pack); `name`
// stands for the file in the detail text.
PictureRead ReadPictureBytes(const QByteArray &bytes, const QString &name, QSize decodeWithin = QSize());
