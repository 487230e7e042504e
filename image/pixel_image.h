#pragma once

#include <QImage>

class QPainter;

// How Bit_Blt_Dib combines the image with what is already on the surface.
enum class RasterOperation {
    SrcCopy,  // replace
    SrcAnd,   // bitwise AND (the dark shape of a sprite's mask)
    SrcPaint, // bitwise OR (the sprite's colours over its cut-out)
};

// The working pixel image: a top-down 32-bit picture (blue, green, red, unused
// per pixel, rows without padding) with fast single-pixel access and drawing
// onto any QPainter surface. Reads clamp to the edge; writes outside the image
// are skipped without error.
class cNDib {
public:
    cNDib() = default;
    explicit cNDib(const QImage &picture) { Make_From_Picture(picture); }

    // Copies the picture in. The pixel buffer is reused when the size is unchanged,
    // so copying the same-sized picture again costs no allocation. False for a
    // null picture (the image is then empty).
    bool Make_From_Picture(const QImage &picture);

    // Writes the pixels into a surface; with resize the surface first takes the
    // image's size, otherwise the overlapping part is copied.
    void Set_dib(QImage &surface, bool resize = false) const;

    // Draws the source rectangle (counted from the image's top) unscaled at
    // (destX, destY). Returns the number of scan lines drawn.
    int Set_dib_Area(int destX, int destY, int sourceX, int sourceY, int width, int height, QPainter &dc) const;

    // Draws the whole image unscaled at (destX, destY) with the raster operation.
    void Bit_Blt_Dib(int destX, int destY, QPainter &dc, RasterOperation operation) const;

    // Draws the source rectangle scaled, smoothly, into the destination rectangle.
    void Stretch_dib_area(int destX, int destY, int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                          int destWidth, int destHeight, QPainter &dc) const;

    // Draws the whole image as large as fits in the box, keeping its aspect ratio, centred.
    void Set_dib_Fit(QPainter &dc, int boxX, int boxY, int boxWidth, int boxHeight) const;

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }

    // red + 256 x green + 65536 x blue, at the nearest pixel inside the image.
    // An empty image reads as 0 (black).
    qint32 Get_Pixel_Long(int x, int y) const;
    // Leaves red, green and blue as they were when (x, y) is outside the image.
    void Get_Pixel(int x, int y, quint8 &red, quint8 &green, quint8 &blue) const;
    void Set_Pixel(int x, int y, quint8 red, quint8 green, quint8 blue);
    // Channel 0 blue, 1 green, 2 red, 3 unused, at the nearest pixel inside the
    // image. 0 for an empty image or a channel outside 0..3.
    quint8 Get_Channel(int x, int y, int channel) const;

    // The pixels as a QImage in Format_RGB32, for drawing and scan-line work.
    const QImage &image() const { return m_image; }
    // The same pixels, for painting on with QPainter or working on in place.
    // Whoever writes through it keeps the size and the format.
    QImage &image() { return m_image; }
    // Scan-line access for fast loops; the row holds Width() pixels as QRgb.
    QRgb *scanLine(int y) { return reinterpret_cast<QRgb *>(m_image.scanLine(y)); }
    const QRgb *constScanLine(int y) const { return reinterpret_cast<const QRgb *>(m_image.constScanLine(y)); }

private:
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    QImage m_image; // always Format_RGB32 or null
};

// Where Set_dib_Fit puts a picture of `size` in `box`: as large as fits with the
// aspect ratio kept, centred, sizes and offsets rounded halves to even. Empty
// for an empty size or box.
QRect FitRect(QSize size, QRect box);

// The colour value of a pixel as the program counts colours: red + 256 x green + 65536 x blue.
constexpr qint32 ColourValueOf(QRgb pixel)
{
    return static_cast<qint32>(qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16));
}

// The pixel of a colour value, with the unused byte set as Format_RGB32 requires.
constexpr QRgb PixelOfColourValue(qint32 colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
