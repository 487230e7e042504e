#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>

// What a picture file's own structure says, read from its bytes before any
// decoding. Decoders are lenient with a file that ends too early: Qt draws a
// truncated GIF or BMP as far as the data goes and calls it a success, and a
// JPEG cut after its last scan reads without a word. Decoders also refuse an
// absurd header size in their own ways; knowing the size first lets every
// format's refusal read the same.
struct PictureLayout {
    QSize declared;     // the size the header claims; invalid when none was found
    QString incomplete; // why the file cannot be whole; empty when its structure holds
};

// `format` is the reader's name for it: "bmp", "gif" or "jpeg"; other formats
// give an empty layout.
PictureLayout InspectPicture(QByteArrayView bytes, const QByteArray &format);

// An uncompressed BMP must hold every row its header promises.
PictureLayout InspectBmp(QByteArrayView bytes);
// A GIF is a chain of blocks ending in the trailer byte; following the chain by
// its length bytes finds a cut anywhere in it.
PictureLayout InspectGif(QByteArrayView bytes);
// A JPEG is a chain of marker segments and scans ending in the end-of-image
// marker; anything after that marker does not matter.
PictureLayout InspectJpeg(QByteArrayView bytes);
