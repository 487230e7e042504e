#pragma once

#include <QByteArrayView>
#include <QImage>

// Uncompressed BMPs of 16 bits a pixel, decoded here rather than by Qt: Qt
// widens each channel by a shift, so full intensity reads 248 (or 252 for
// six bits) and white paper is not white. Here every channel is scaled to
// 0..255, rounded to nearest.

// Whether `bytes` are a BMP with a Windows header (40 bytes or more) of 16 bits
// a pixel, plain (5-5-5) or in bit fields.
bool IsBmp16(QByteArrayView bytes);

// Decodes such a BMP, upright whichever way its rows are stored: Format_RGB32,
// or Format_ARGB32 when its header gives an alpha mask. Null when the file does
// not hold every row, or the picture cannot be allocated within Qt's allocation
// limit (which Qt warns about). Safe to call from several threads at once.
QImage DecodeBmp16(QByteArrayView bytes);
