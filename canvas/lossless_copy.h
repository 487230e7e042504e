#pragma once

#include <QImage>
#include <QString>

// A JPEG loses a little every time it is written, so a colouring opened and
// saved day after day would smear at the black lines. Beside each coloured
// JPEG lies a lossless copy of the same pixels (Zstandard-packed, see the
// .cpp), which carries a checksum of the JPEG it was written with: a JPEG
// replaced by other means (a restored backup, another program) no longer
// matches, and the JPEG wins. The JPEG stays the coloured pictures' format,
// which thumbnails, "save as" and other programs read.

// Writes the copy for the JPEG just written at `colouredJpeg`, atomically.
// Returns what went wrong, empty when written.
QString WriteLosslessCopy(const QString &colouredJpeg, const QImage &canvas);

// The copy's pixels when it belongs to the JPEG at `colouredJpeg` as it is now
// and has the picture's size; a null image when there is none, it cannot be
// read, or it belongs to another (checked before anything is decoded).
QImage ReadLosslessCopy(const QString &colouredJpeg, QSize pictureSize);
