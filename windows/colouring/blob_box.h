#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

#include "canvas/palette_blobs.h"

class SoundEffects;

// A box of rising paint bubbles, the palette's and the colour picker's. Each
// tick is drawn into the box's own picture and only the box is repainted.
class BlobBox : public QWidget {
    Q_OBJECT

public:
    // `sounds` may be null: the box is then silent.
    explicit BlobBox(SoundEffects *sounds, RandomSource random = UniformRandom, QWidget *parent = nullptr);

    // Places the bubbles below the box. Before the box has been given a size
    // this waits for it, so that they do not start in the middle of the box.
    void BuildBubbles(std::vector<QImage> pictures, float riseDivisor, int pickerIndex = -1);
    bool IsBuilt() const { return m_built; }

    // One tick: clears the box, moves and draws every bubble and pops for one
    // that left the top (a pop never cuts off another sound).
    void Tick();

    PaletteBlobs &Blobs() { return m_blobs; }
    const PaletteBlobs &Blobs() const { return m_blobs; }
    // What the box shows.
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
    void ClearFrame();

    SoundEffects *m_sounds;
    PaletteBlobs m_blobs;
    QImage m_frame;
    std::vector<QImage> m_pending; // pictures waiting for the box's first size
    float m_riseDivisor = PaletteBlobs::kDefaultRiseDivisor;
    int m_pickerIndex = -1;
    bool m_built = false;
};
