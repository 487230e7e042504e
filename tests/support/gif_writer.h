#pragma once

// A GIF89a writer for test and benchmark pictures: Qt reads GIF but cannot
// write it. Not part of the program.
//
// The image data is LZW compressed as by any GIF encoder, so that decoding a
// written file costs what decoding a real one does.

#include <QByteArray>
#include <QImage>
#include <QList>

#include <algorithm>
#include <vector>

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

    // LZW with 8-bit pixels: codes start 9 bits wide and widen up to 12 as the
    // table grows; a clear code starts afresh once the table is full. Pairs of
    // (code, next pixel) are looked up in a flat table, 0 meaning not yet seen.
    constexpr int kClear = 256, kEnd = 257, kFirstFree = 258, kMaxCodes = 4096;
    std::vector<quint16> known(size_t(kMaxCodes) * 256, 0);
    int next = kFirstFree, width = 9;
    QByteArray codes;
    quint32 pending = 0;
    int pendingBits = 0;
    const auto emitCode = [&](int code) {
        pending |= quint32(code) << pendingBits;
        pendingBits += width;
        for (; pendingBits >= 8; pendingBits -= 8, pending >>= 8)
            codes.append(char(pending & 0xFF));
    };
    emitCode(kClear);
    int prefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *row = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int pixel = row[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            quint16 &entry = known[size_t(prefix) * 256 + size_t(pixel)];
            if (entry != 0) {
                prefix = entry;
                continue;
            }
            emitCode(prefix);
            entry = quint16(next++);
            // The decoder adds its entries one code later, so codes widen once
            // the table holds more than the current width can name.
            if (next > (1 << width) && width < 12)
                ++width;
            if (next == kMaxCodes) {
                emitCode(kClear);
                std::fill(known.begin(), known.end(), 0);
                next = kFirstFree;
                width = 9;
            }
            prefix = pixel;
        }
    }
    if (prefix >= 0)
        emitCode(prefix);
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
