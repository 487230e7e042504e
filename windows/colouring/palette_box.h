#pragma once

#include "windows/colouring/blob_box.h"

// The palette `Pc`: 23 paint bubbles rising through the box. Pressing one makes
// its colour the current colour; the multicoloured one asks for the colour
// picker instead. The window's timer calls Tick().
class PaletteBox : public BlobBox {
    Q_OBJECT

public:
    explicit PaletteBox(SoundEffects *sounds, QWidget *parent = nullptr, RandomSource random = UniformRandom);

    // Builds the bubbles from ":/palette/0.png" .. "22.png" (and the sharper
    // ones beside them for a sharper screen), once per run; later
    // calls only take the new speed. bubbleSpeed (2, 4 or 10) divides the rising
    // speed of new and respawned bubbles.
    void Build(float bubbleSpeed);
    void SetBubbleSpeed(float bubbleSpeed) { Blobs().SetRiseDivisor(bubbleSpeed); }

Q_SIGNALS:
    // A colour bubble was picked: colour value red + 256 x green + 65536 x blue.
    void ColourChosen(qint32 colour);
    // The colour-picker bubble was picked (its respawn already shows).
    void PickerRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
