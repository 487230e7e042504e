#include "windows/colouring/crazy_colours.h"

#include "canvas/colour_modes.h"
#include "controls/picture_button.h"

void ConnectCrazyColours(pButton *button, std::function<void(int jitter)> jitterChanged)
{
    QObject::connect(button, &pButton::MouseDown, button, [button] { button->SetLockRefresh(true); });
    QObject::connect(button, &pButton::MouseUp, button, [button, jitterChanged] {
        button->SetPressed(!button->Pressed());
        if (jitterChanged)
            jitterChanged(ColourModes::ColourJitterFor(button->Pressed()));
        button->SetLockRefresh(false);
    });
}
