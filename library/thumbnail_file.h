#pragma once

#include <QImage>
#include <QString>

// A picture's cached thumbnail lives beside it: picturePath + ".vlm", a 100 x 100
// BMP file. It stays current only by deletion: whoever replaces a picture deletes
// its thumbnail file, and the next EnsureThumbnail builds it again.

inline constexpr int kThumbnailSide = 100;

QString ThumbnailPathOf(const QString &picturePath);

// The picture fitted into a white 100 x 100 square: aspect ratio kept, centred,
// scaled with area averaging. Format_RGB32.
QImage FitThumbnail(const QImage &picture);

struct ThumbnailResult {
    QImage image;        // 100 x 100 Format_RGB32 when ok
    QString error;       // empty when ok; otherwise which file and why
    bool built = false;  // true when this call (re)wrote the thumbnail file
    bool ok() const { return error.isEmpty(); }
};

// The thumbnail of a picture: the thumbnail file when it exists and reads as a
// picture; otherwise (missing, or damaged) built from the picture, written
// beside it, and returned. Fails when the picture cannot be read or the
// thumbnail file cannot be written. Safe to call from several threads for
// different pictures.
ThumbnailResult EnsureThumbnail(const QString &picturePath);
