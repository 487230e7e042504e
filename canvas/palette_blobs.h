#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <vector>

#include "sound/sound_families.h"
#include "image/pixel_image.h"

class QPainter;

// One floating paint bubble. Kept as seven 32-bit fields in this order.
struct PaletteBlob {
    float X = 0; // centre, box pixels
    float Y = 0;
    float DriftX = 0;  // pixels per tick
    float DriftY = 0;  // negative: upwards
    float Radius = 0;  // half the picture's width
    float Phase = 0;   // wobble, radians 0 .. 6.28
    qint32 Colour = 0; // colour value, or kPickerColour
};
static_assert(sizeof(PaletteBlob) == 28);

// The colouring window's palette: 23 bubbles, ":/palette/0.png" .. "22.png",
// the last one opening the colour picker.
namespace Palette {
inline constexpr int kCount = 23;
inline constexpr int kPickerIndex = 22;
// A picked bubble comes back at this divisor, whatever the bubble speed setting.
inline constexpr float kPickRiseDivisor = 3;
} // namespace Palette

// The colour of the bubble that opens the colour picker instead of giving a colour.
inline constexpr qint32 kPickerColour = -1;

// Bubbles rising through a box, each drawn from a sprite on a pure black
// background and a mask made from it once, so that a tick does no per-pixel work.
// Used by the palette and by the colour picker.
class PaletteBlobs {
public:
    explicit PaletteBlobs(RandomSource random = UniformRandom);

    // Makes the sprites and masks and places every bubble below the box, rising
    // at (-Rnd - 0.5) / riseDivisor pixels per tick. A bubble's colour is its
    // picture's centre pixel; the one at pickerIndex (if any) is kPickerColour.
    // A divisor that is not above 0 is taken as kDefaultRiseDivisor.
    void Build(const std::vector<QImage> &pictures, QSize box, float riseDivisor, int pickerIndex = -1);

    // The divisor of later respawns (the bubble speed setting may change).
    void SetRiseDivisor(float riseDivisor) { m_riseDivisor = riseDivisor > 0 ? riseDivisor : kDefaultRiseDivisor; }
    float RiseDivisor() const { return m_riseDivisor; }

    // The box the bubbles rise through; respawns use the size current then.
    void SetBox(QSize box) { m_box = box; }
    QSize Box() const { return m_box; }

    // Puts bubble i back below the box with a new place and speed.
    void Respawn(int i, float riseDivisor);

    // One tick of bubble i: wobble and rise. True when it has left the top.
    bool Move(int i);
    // Where bubble i's picture goes: never left of the box, though X may drift there.
    QPoint DrawPosition(int i) const;
    // Mask with AND, then sprite with OR: the black background stays unseen.
    void Draw(int i, QPainter &dc) const;

    // One tick of every bubble in index order (moved, drawn, respawned when it
    // left the top, at the rise divisor). Returns how many left the top.
    int Animate(QPainter &dc);

    // The bubble under the point, searched from the top one (highest index)
    // down; the rim counts. -1 when none is there.
    int Pick(QPointF at) const;

    int Count() const { return int(m_blobs.size()); }
    PaletteBlob &Blob(int i) { return m_blobs[std::size_t(i)]; }
    const PaletteBlob &Blob(int i) const { return m_blobs[std::size_t(i)]; }
    cNDib &Sprite(int i) { return m_sprites[std::size_t(i)]; }
    const cNDib &Sprite(int i) const { return m_sprites[std::size_t(i)]; }
    const cNDib &Mask(int i) const { return m_masks[std::size_t(i)]; }

    static constexpr float kDefaultRiseDivisor = 4;

private:
    std::vector<PaletteBlob> m_blobs;
    std::vector<cNDib> m_sprites;
    std::vector<cNDib> m_masks;
    RandomSource m_random;
    QSize m_box;
    float m_riseDivisor = kDefaultRiseDivisor;
};

// The mask of a sprite: white where the sprite is pure black (see-through), black elsewhere.
QImage MaskOf(const QImage &sprite);

// The numbered pictures "<folder>/0.png" .. as Format_RGB32; a missing one is a null image.
std::vector<QImage> LoadNumberedPictures(const QString &folder, int count);
