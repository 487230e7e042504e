#pragma once

#include <QImage>
#include <QString>

#include "core/file_replace.h"

// Writes `image` as a BMP file, replacing `path` atomically: a failure leaves
// the old file as it was.
FileReplaceResult SaveBitmapFile(const QString &path, const QImage &image);

// A white page of the given size, as the child's own pictures start.
QImage WhitePage(QSize size);
