#pragma once

#include <QImage>

#include <cstdint>
#include <memory>

// A 24-bit bottom-up snapshot of a picture, laid out for the JPEG writer: rows
// from the bottom of the picture to the top, three bytes a pixel (blue, green,
// red), each row padded with zeros to a multiple of 4 bytes.
class cDIBSection {
public:
    cDIBSection() = default;
    cDIBSection(const cDIBSection &) = delete;
    cDIBSection &operator=(const cDIBSection &) = delete;

    // Snapshots the picture. A null picture, or one too large to hold, leaves
    // the image empty.
    void CreateFromPicture(const QImage &picture);

    // Makes an image of the given size, all black. False, and the image left
    // empty, for a size below 1 x 1 or one whose memory cannot be had.
    bool Create(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // (width x 3 + 3) with the two low bits cleared.
    int BytesPerScanLine() const { return StrideFor(m_width); }
    const std::uint8_t *DIBSectionBitsPtr() const { return m_bits.get(); }
    std::uint8_t *DIBSectionBitsPtr() { return m_bits.get(); }
    bool IsEmpty() const { return !m_bits; }

    // Frees the pixels; safe on an empty image and more than once.
    void ClearUp();

    static int StrideFor(int width) { return (width * 3 + 3) & ~3; }

private:
    bool Allocate(int width, int height);

    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<std::uint8_t[]> m_bits;
};
