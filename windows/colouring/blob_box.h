#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

#include "canvas/palette_blobs.h"

class SoundEffects;

// A box of rising paint bubbles, the palette's and the colour picker's. Each
// tick is drawn into the box's own picture and only the box is repainted.
// The bubbles move, and are picked, in layout pixels; on a sharper screen the
// picture is drawn in the screen's own pixels from the sharper bubble pictures.
class BlobBox : public QWidget {
    Q_OBJECT

public:
    // `sounds` may be null: the box is then silent.
    explicit BlobBox(SoundEffects *sounds, RandomSource random = UniformRandom, QWidget *parent = nullptr);

    // Places the bubbles below the box. Before the box has been given a size
    // this waits for it, so that they do not start in the middle of the box.
    // `pictures` are the plain ones, which give each bubble its size and colour;
    // `sharp` (any of them may be missing or null) are the same bubbles drawn
    // for a sharper screen, marked with their device pixel ratio.
    void BuildBubbles(std::vector<QImage> pictures, float riseDivisor, int pickerIndex = -1,
                      std::vector<QImage> sharp = {});
    bool IsBuilt() const { return m_built; }

    // Changes the pixels of every bubble picture, plain and sharp alike
    // (`recolour` gets the picture and the bubble's index). It must leave the
    // black background black and turn nothing else black.
    void RecolourBubbles(const std::function<void(QImage &picture, int index)> &recolour);

    // One tick: clears the box, moves and draws every bubble and pops for one
    // that left the top (a pop never cuts off another sound).
    void Tick();

    PaletteBlobs &Blobs() { return m_blobs; }
    const PaletteBlobs &Blobs() const { return m_blobs; }
    // What the box shows, in the screen's own pixels: its devicePixelRatio is
    // the box's, so its device independent size is the box's size.
    const QImage &Frame() const { return m_frame; }

Q_SIGNALS:
    // A press and a release anywhere in the box, in box pixels.
    void Pressed(QPointF at);
    void Released();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    SoundEffects *Sounds() const { return m_sounds; }

private:
    void BuildWhenSized();
    // Background over the bubbles' last places, or over all of a new frame.
    void ClearFrame(qreal ratio, const QRegion &bubbles);
    int AnimateAt(qreal ratio, const QRegion &bubbles);
    void MakeSprites(qreal ratio);
    QRegion BubbleAreas() const; // where the bubbles' pictures are, in box pixels

    SoundEffects *m_sounds;
    PaletteBlobs m_blobs;
    QImage m_frame;
    bool m_frameHoldsBubblesOnly = false; // background everywhere but where the bubbles were drawn
    std::vector<QImage> m_pending; // pictures waiting for the box's first size
    std::vector<QImage> m_sharp;   // one per bubble, null where there is none
    // The bubbles at m_spriteRatio, in device pixels with see-through backgrounds.
    std::vector<QImage> m_sprites;
    qreal m_spriteRatio = 0;
    float m_riseDivisor = PaletteBlobs::kDefaultRiseDivisor;
    int m_pickerIndex = -1;
    bool m_built = false;
};

// The numbered pictures "<folder>/0.png" .. as LoadNumberedPictures reads them,
// but each the one drawn for a screen of `devicePixelRatio` and marked with
// its own ratio; a missing one is a null image.
std::vector<QImage> LoadNumberedPicturesForRatio(const QString &folder, int count, qreal devicePixelRatio);

// The same for the sharpest of the screens the program runs on; none when
// every screen is plain.
std::vector<QImage> LoadNumberedPicturesForScreens(const QString &folder, int count);
