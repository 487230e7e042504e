#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Cheap checks that a picture file is complete, made on its bytes before any
// decoding. Decoders are lenient with a file that ends too early: Qt draws a
// truncated GIF or BMP as far as the data goes and calls it a success.

// Why the file cannot be complete, or an empty text when its structure holds.
// `format` is the reader's name for it ("bmp", "gif"); other formats pass.
QString IncompletenessOf(QByteArrayView bytes, const QByteArray &format);

// An uncompressed BMP must hold every row its header promises.
QString BmpIncompleteness(QByteArrayView bytes);

// A GIF is a chain of blocks ending in the trailer byte; walking the chain by its
// length bytes finds a cut anywhere in it.
QString GifIncompleteness(QByteArrayView bytes);
