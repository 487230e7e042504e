#pragma once

#include <QtGlobal>

class cNDib;

// The grey level a picture button shows for a colour when it is disabled.
// Red counts 0.255 (not the usual 0.299), which keeps the greyed faces a
// little lighter than a plain luminance conversion would.
quint8 GreyLevel(quint8 red, quint8 green, quint8 blue);

// Turns every pixel of the image grey in place; pure white stays pure white so
// a face's white background does not turn light grey.
void TurnGrey(cNDib &image);
