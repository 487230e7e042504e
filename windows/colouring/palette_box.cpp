#include "windows/colouring/palette_box.h"

#include <QMouseEvent>

#include "sound/sound_effects.h"

PaletteBox::PaletteBox(SoundEffects *sounds, QWidget *parent, RandomSource random)
    : BlobBox(sounds, std::move(random), parent)
{
    setObjectName(QStringLiteral("Pc"));
}

void PaletteBox::Build(float bubbleSpeed)
{
    if (IsBuilt())
        SetBubbleSpeed(bubbleSpeed);
    else
        BuildBubbles(LoadNumberedPictures(QStringLiteral(":/palette"), Palette::kCount), bubbleSpeed,
                     Palette::kPickerIndex,
                     LoadNumberedPicturesForScreens(QStringLiteral(":/palette"), Palette::kCount));
}

void PaletteBox::mousePressEvent(QMouseEvent *event)
{
    const int picked = Blobs().Pick(event->position());
    if (picked < 0)
        return;
    if (Sounds())
        Sounds()->PlaySoundEffect(SoundKind::kPick);
    Blobs().Respawn(picked, Palette::kPickRiseDivisor);
    const qint32 colour = Blobs().Blob(picked).Colour;
    if (colour != kPickerColour) {
        emit ColourChosen(colour);
        return;
    }
    Tick();
    emit PickerRequested();
}
