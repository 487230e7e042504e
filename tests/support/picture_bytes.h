#pragma once

// Picture files made in memory for tests and benchmarks: BMP and JPEG by Qt's
// writers, GIF by our own (Qt cannot write it).

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include "tests/support/gif_writer.h"

// `format` as Qt names it: "bmp", "gif", "jpeg" (or any other Qt writes).
// Empty when the writer fails.
inline QByteArray PictureBytes(const QImage &image, const QByteArray &format, int quality = 95)
{
    if (format == "gif")
        return EncodeGif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}
