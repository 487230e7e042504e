#pragma once

// A GIF89a writer for test and benchmark pictures: Qt reads GIF but cannot
// write it. Not part of the program.
//
// The image data is LZW in its simplest valid form: every pixel goes out as a
// literal 9-bit code, and a clear code follows every so often, before the
// decoder's table grows to where it would widen its codes. Files come out about
// 1.1 bytes a pixel, and any decoder reads them.

#include <QByteArray>
#include <QImage>
#include <QList>

#include <algorithm>

// `picture` in Format_Indexed8 with at most 256 colours is written as it is; any
// other picture is first turned into one (exactly, when it has few colours). The
// first colour-table entry with alpha 0, if any, becomes the transparent colour.
inline QByteArray EncodeGif(const QImage &picture)
{
    const QImage indexed = picture.format() == QImage::Format_Indexed8
                               ? picture
                               : picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> table = indexed.colorTable();
    const auto transparent = std::find_if(table.cbegin(), table.cend(), [](QRgb c) { return qAlpha(c) == 0; });
    const int transparentIndex = transparent == table.cend() ? -1 : int(transparent - table.cbegin());
    table.resize(256, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    const auto put16 = [&out](int value) {
        out.append(char(value & 0xFF));
        out.append(char((value >> 8) & 0xFF));
    };
    put16(indexed.width());
    put16(indexed.height());
    out.append(char(0xF7)); // a global table of 256 colours, 8 bits per primary
    out.append(char(0));    // background index
    out.append(char(0));    // no aspect ratio
    for (QRgb colour : table) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    if (transparentIndex >= 0) // graphic control extension: transparency, no delay
        out.append(QByteArray("\x21\xF9\x04\x01\x00\x00", 6) + char(transparentIndex) + char(0));
    out.append(',');
    put16(0);
    put16(0);
    put16(indexed.width());
    put16(indexed.height());
    out.append(char(0)); // no local table, not interlaced
    out.append(char(8)); // LZW minimum code size

    constexpr int kClear = 256, kEnd = 257;
    // After a clear each code but the first adds a table entry from 258 up; 250
    // literals keep the table well below 512, where codes would widen to 10 bits.
    constexpr int kLiteralsPerClear = 250;
    QByteArray codes;
    quint32 pending = 0;
    int pendingBits = 0;
    const auto emitCode = [&](int code) {
        pending |= quint32(code) << pendingBits;
        pendingBits += 9;
        for (; pendingBits >= 8; pendingBits -= 8, pending >>= 8)
            codes.append(char(pending & 0xFF));
    };
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *row = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x, ++sinceClear) {
            if (sinceClear == kLiteralsPerClear) {
                emitCode(kClear);
                sinceClear = 0;
            }
            emitCode(row[x]);
        }
    }
    emitCode(kEnd);
    if (pendingBits > 0)
        codes.append(char(pending & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) { // data sub-blocks of up to 255 bytes
        const qsizetype length = std::min<qsizetype>(255, codes.size() - at);
        out.append(char(length));
        out.append(codes.mid(at, length));
    }
    out.append(char(0)); // end of the image data
    out.append(';');     // trailer
    return out;
}
